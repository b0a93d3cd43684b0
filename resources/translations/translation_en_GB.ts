<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>CCliArguments</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>unerwartetes Argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 braucht %2 (siehe vantrope-cli %1 --help)</source>
        <translation>%1 needs %2 (see vantrope-cli %1 --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lässt sich nicht benennen: %2</source>
        <translation>cannot name &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Option --%1 fehlt</source>
        <translation>missing option --%1</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>bad value for --%1: &apos;%2&apos; (expected a number from 0 to 1)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</source>
        <translation>bad value for --%1: &apos;%2&apos; (expected a whole number from %3 to %4)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (%3)</source>
        <translation>bad value for --%1: &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</source>
        <translation>bad position &apos;%1&apos; (milliseconds, 0 or more)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</source>
        <translation>bad size &apos;%1&apos; (expected WxH, %2 to %3 each)</translation>
    </message>
</context>
<context>
    <name>CClipDecoder</name>
    <message>
        <source>Die Datei %1 enthält kein lesbares Video.</source>
        <translation>The file %1 contains no readable video.</translation>
    </message>
    <message>
        <source>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</source>
        <translation>The video has an unsupported frame size (%1 × %2).</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für den Videodecoder.</source>
        <translation>Not enough memory for the video decoder.</translation>
    </message>
    <message>
        <source>Das Videoformat von %1 kann nicht dekodiert werden.</source>
        <translation>The video format of %1 cannot be decoded.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Kein Video geöffnet.</source>
        <translation>No video open.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden.</source>
        <translation>The frame could not be converted.</translation>
    </message>
    <message>
        <source>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</source>
        <translation>No frame can be read at position %1: the file is damaged or incomplete.</translation>
    </message>
</context>
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation>Video processing</translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation>Do you really want to cancel the video processing?</translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation>An unexpected error has occurred. Code: %1</translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation>The program %1 did not respond in time and was stopped.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>The destination folder cannot be written to.</translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation>The disk of the destination folder is full.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation>The chosen video format will produce a large video file. Do you really want to continue?</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation>Processing video file</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation>Processing video file (audio)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation>Processing video file (converting)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation>Processing video file (finalising)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation>Processing video file (video)</translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation>At %2 bytes, the file %1 is too large for a preset (at most %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation>The file %1 has %2 operators; a preset has at most %3.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation>The file %1 is not a preset.</translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation>The file %1 lacks the Kernel entry of group %2.</translation>
    </message>
</context>
<context>
    <name>CPresetCombiner</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combine presets</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Enter a name:</translation>
    </message>
</context>
<context>
    <name>CPresetLibrary</name>
    <message>
        <source>Critical error</source>
        <translation>Critical error</translation>
    </message>
    <message>
        <source>No post-processing presets found! Please reinstall...</source>
        <translation>No grading presets were found! Please reinstall the program.</translation>
    </message>
    <message>
        <source>Importierte Presets:</source>
        <translation>Imported presets:</translation>
    </message>
    <message>
        <source>Bereits vorhandene Presets:</source>
        <translation>Presets already present:</translation>
    </message>
    <message>
        <source>Inkompatible Presets:</source>
        <translation>Incompatible presets:</translation>
    </message>
    <message>
        <source>Fehlerhafte Presets:</source>
        <translation>Faulty presets:</translation>
    </message>
    <message>
        <source>Zu Addons gehörende Presets:</source>
        <translation>Presets belonging to add-ons:</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Import presets</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
    <message>
        <source>Preset Import Messagetitle</source>
        <translation>Preset import</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Export preset</translation>
    </message>
    <message>
        <source>MyPreset</source>
        <translation>My preset</translation>
    </message>
    <message>
        <source>Voreinstellung kopieren</source>
        <translation>Copy preset</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Enter a name:</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Voreinstellung umbenennen</source>
        <translation>Rename preset</translation>
    </message>
    <message>
        <source>Vergeben sie einen neuen Namen:</source>
        <translation>Enter a new name:</translation>
    </message>
    <message>
        <source>Voreinstellung löschen?</source>
        <translation>Delete preset?</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</source>
        <translation>Do you really want to delete the preset &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Voreinstellung zurücksetzen</source>
        <translation>Reset preset</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</source>
        <translation>Do you really want to reset the preset &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>CPresetsDockModel</name>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Natürlich</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>Surreal</source>
        <translation>Surreal</translation>
    </message>
    <message>
        <source>Landschaft</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Architektur</source>
        <translation>Architecture</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Artistic</translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation>Waveform (luma)</translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation>RGB parade</translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation>Vectorscope</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation>Which scope appears here</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation>Gain </translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation>Brightness of the traces: higher values also show rare values clearly</translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation>Logarithmic</translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation>Histogram heights on a logarithmic instead of a linear scale</translation>
    </message>
</context>
<context>
    <name>CVideoDockWidget</name>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Video settings</translation>
    </message>
    <message>
        <source>Das Quellvideo im Standardprogramm abspielen</source>
        <translation>Play the source video in the default player</translation>
    </message>
    <message>
        <source>Das gespeicherte Video im Standardprogramm abspielen</source>
        <translation>Play the saved video in the default player</translation>
    </message>
    <message>
        <source>Den Ton des Quellvideos übernehmen</source>
        <translation>Take over the sound of the source video</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Die Metadaten des Quellvideos übernehmen</source>
        <translation>Take over the metadata of the source video</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <translation>Metadata</translation>
    </message>
    <message>
        <source>Das Video waagerecht spiegeln</source>
        <translation>Mirror the video horizontally</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Das Video senkrecht spiegeln</source>
        <translation>Flip the video vertically</translation>
    </message>
    <message>
        <source>Kippen</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>Videoformat der gespeicherten Datei</source>
        <translation>Video format of the saved file</translation>
    </message>
    <message>
        <source>Qualität der gespeicherten Datei</source>
        <translation>Quality of the saved file</translation>
    </message>
    <message>
        <source>Kompressionsartefakte der Quelle mindern</source>
        <translation>Reduce the compression artefacts of the source</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Save the whole video with the current grade</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Save video</translation>
    </message>
    <message>
        <source>Klicken oder ziehen wählt das Bild, das bearbeitet wird</source>
        <translation>Click or drag to choose the frame that is edited</translation>
    </message>
    <message>
        <source>Mehr Vorschaubilder in der Zeitleiste zeigen</source>
        <translation>Show more thumbnails in the timeline</translation>
    </message>
    <message>
        <source>Zum Anfang (Pos1)</source>
        <translation>To the start (Home)</translation>
    </message>
    <message>
        <source>Eine Sekunde zurück (Umschalt+Links)</source>
        <translation>One second back (Shift+Left)</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Links)</source>
        <translation>One frame back (Left)</translation>
    </message>
    <message>
        <source>Zur Mitte</source>
        <translation>To the middle</translation>
    </message>
    <message>
        <source>Ein Bild vor (Rechts)</source>
        <translation>One frame forward (Right)</translation>
    </message>
    <message>
        <source>Eine Sekunde vor (Umschalt+Rechts)</source>
        <translation>One second forward (Shift+Right)</translation>
    </message>
    <message>
        <source>Zum Ende (Ende)</source>
        <translation>To the end (End)</translation>
    </message>
    <message>
        <source>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</source>
        <translation>Time (hours:minutes:seconds:frames) and number of the frame shown</translation>
    </message>
    <message>
        <source>Wiedergabe anhalten (Leertaste, Esc)</source>
        <translation>Stop playback (Space, Esc)</translation>
    </message>
    <message>
        <source>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</source>
        <translation>Play the edited video in the preview (Space)</translation>
    </message>
    <message>
        <source>Video Codec 0</source>
        <translation>H.264 (MP4)</translation>
    </message>
    <message>
        <source>H.264 (MP4)</source>
        <translation>H.264 (MP4)</translation>
    </message>
    <message>
        <source>Video Codec 1</source>
        <translation>Uncompressed (AVI)</translation>
    </message>
    <message>
        <source>Unkomprimiert (AVI)</source>
        <translation>Uncompressed (AVI)</translation>
    </message>
    <message>
        <source>Video Quality Best</source>
        <translation>Best quality</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Best quality</translation>
    </message>
    <message>
        <source>Video Quality Better</source>
        <translation>High quality</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>High quality</translation>
    </message>
    <message>
        <source>Video Quality Normal</source>
        <translation>Normal quality</translation>
    </message>
    <message>
        <source>Normale Qualität</source>
        <translation>Normal quality</translation>
    </message>
    <message>
        <source>Video Quality Low</source>
        <translation>Low quality</translation>
    </message>
    <message>
        <source>Geringe Qualität</source>
        <translation>Low quality</translation>
    </message>
    <message>
        <source>Video Quality Lowest</source>
        <translation>Lowest quality</translation>
    </message>
    <message>
        <source>Geringste Qualität</source>
        <translation>Lowest quality</translation>
    </message>
    <message>
        <source>Video Artefact Unchanged</source>
        <translation>No artefact reduction</translation>
    </message>
    <message>
        <source>Keine Artefaktminderung</source>
        <translation>No artefact reduction</translation>
    </message>
    <message>
        <source>Video Artefact Slight</source>
        <translation>Slight artefact reduction</translation>
    </message>
    <message>
        <source>Leichte Artefaktminderung</source>
        <translation>Slight artefact reduction</translation>
    </message>
    <message>
        <source>Video Artefact Strong</source>
        <translation>Strong artefact reduction</translation>
    </message>
    <message>
        <source>Starke Artefaktminderung</source>
        <translation>Strong artefact reduction</translation>
    </message>
    <message>
        <source>Video Artefact Intensive</source>
        <translation>Intensive artefact reduction</translation>
    </message>
    <message>
        <source>Intensive Artefaktminderung</source>
        <translation>Intensive artefact reduction</translation>
    </message>
    <message>
        <source>Video Artefact Maximal</source>
        <translation>Maximum artefact reduction</translation>
    </message>
    <message>
        <source>Maximale Artefaktminderung</source>
        <translation>Maximum artefact reduction</translation>
    </message>
    <message>
        <source>Auflösung: %1 x %2 px</source>
        <translation>Resolution: %1 x %2 px</translation>
    </message>
    <message>
        <source>Länge: %1  (%2 fps)</source>
        <translation>Length: %1  (%2 fps)</translation>
    </message>
    <message>
        <source>Länge: %1</source>
        <translation>Length: %1</translation>
    </message>
    <message>
        <source>%1  (Bild %2)</source>
        <translation>%1  (frame %2)</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Not enough memory for the image.</translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation>Save video</translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation>My video</translation>
    </message>
</context>
<context>
    <name>CliBench</name>
    <message>
        <source>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</source>
        <translation>bad size &apos;%1&apos; (at most 200,000,000 pixels)</translation>
    </message>
    <message>
        <source>kein Benchmark genannt (siehe bench --list)</source>
        <translation>no benchmark named (see bench --list)</translation>
    </message>
    <message>
        <source>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</source>
        <translation>unknown benchmark &apos;%1&apos; (see bench --list)</translation>
    </message>
    <message>
        <source>%1 ist nicht im Katalog</source>
        <translation>%1 is not in the catalogue</translation>
    </message>
    <message>
        <source>ungültiges --bpp (1..16)</source>
        <translation>bad --bpp (1..16)</translation>
    </message>
    <message>
        <source>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</source>
        <translation>cannot read %1 bytes of rgb48le from &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ungültiges --reuse (0 oder 1)</source>
        <translation>bad --reuse (0 or 1)</translation>
    </message>
    <message>
        <source>das Arbeitsbild kann nicht angelegt werden</source>
        <translation>cannot allocate the working image</translation>
    </message>
    <message>
        <source>ein Preset mit %1 Operatoren kann nicht geschrieben werden</source>
        <translation>cannot write a preset of %1 operators</translation>
    </message>
    <message>
        <source>keine Verbesserungsoperatoren im Katalog</source>
        <translation>no enhance operators in the catalogue</translation>
    </message>
    <message>
        <source>ungültiger --radius (min oder max)</source>
        <translation>bad --radius (min or max)</translation>
    </message>
    <message>
        <source>unbekannter --operator &apos;%1&apos;</source>
        <translation>unknown --operator &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ungültige --lut-size (2..64)</source>
        <translation>bad --lut-size (2..64)</translation>
    </message>
    <message>
        <source>--lut %1 kann nicht gelesen werden</source>
        <translation>cannot read --lut %1</translation>
    </message>
    <message>
        <source>aus --frame %2 lassen sich keine %1 Bytes lesen</source>
        <translation>cannot read %1 bytes from --frame %2</translation>
    </message>
    <message>
        <source>ungültiges --interp (trilinear, tetrahedral)</source>
        <translation>bad --interp (trilinear, tetrahedral)</translation>
    </message>
    <message>
        <source>ungültige Größe für --scope (WxH, je %1 bis %2)</source>
        <translation>bad --scope size (WxH, each %1 to %2)</translation>
    </message>
    <message>
        <source>--kind muss waveform, parade, vectorscope oder histogram sein</source>
        <translation>--kind must be waveform, parade, vectorscope or histogram</translation>
    </message>
    <message>
        <source>der Katalog hat kein %1</source>
        <translation>the catalogue has no %1</translation>
    </message>
    <message>
        <source>%1 hat keinen Satz %2</source>
        <translation>%1 has no set %2</translation>
    </message>
    <message>
        <source>--lut-size muss 2 bis 64 sein</source>
        <translation>--lut-size must be 2 to 64</translation>
    </message>
    <message>
        <source>die Vorschau konnte das Bild nicht bearbeiten</source>
        <translation>the preview could not grade the frame</translation>
    </message>
    <message>
        <source>keine Presets neben dem Programm</source>
        <translation>no presets beside the program</translation>
    </message>
    <message>
        <source>--all nimmt 0 oder 1</source>
        <translation>--all takes 0 or 1</translation>
    </message>
    <message>
        <source>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</source>
        <translation>the catalogue lacks the Gaussian blur or the skin mask</translation>
    </message>
    <message>
        <source>braucht --clip DATEI</source>
        <translation>needs --clip FILE</translation>
    </message>
    <message>
        <source>read-pipe braucht --clip DATEI</source>
        <translation>read-pipe needs --clip FILE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden</source>
        <translation>cannot probe &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CliClip</name>
    <message>
        <source>Export abgebrochen; nichts wurde geschrieben</source>
        <translation>export aborted; nothing was written</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</source>
        <translation>cannot write &apos;%1&apos;: the folder does not exist</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</source>
        <translation>cannot write &apos;%1&apos;: it is the input clip</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</source>
        <translation>%1 not found or not executable at %2 (install ffmpeg, or point VANTROPE_FFMPEG_DIR at a folder holding it)</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</source>
        <translation>cannot read clip &apos;%1&apos;: no such file</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</source>
        <translation>cannot read clip &apos;%1&apos;: not a regular file</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</source>
        <translation>cannot read clip &apos;%1&apos;: permission denied</translation>
    </message>
    <message>
        <source>kein temporärer Ordner: %1</source>
        <translation>no temporary folder: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</source>
        <translation>&apos;%1&apos; is empty (0 bytes), not a video clip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</source>
        <translation>cannot probe &apos;%1&apos;: not a media file ffprobe understands (damaged, cut short or of another kind)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</source>
        <translation>&apos;%1&apos; holds no video stream, only %2 audio stream(s)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream</source>
        <translation>&apos;%1&apos; holds no video stream</translation>
    </message>
    <message>
        <source>%1 hat nicht rechtzeitig geantwortet und wurde beendet</source>
        <translation>%1 did not answer in time and was stopped</translation>
    </message>
</context>
<context>
    <name>CliFrame</name>
    <message>
        <source>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</source>
        <translation>&apos;%1&apos;: --frame writes .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm or .tif32 files</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht dekodiert werden: %2</source>
        <translation>cannot decode &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>kein Bild %1 in &apos;%2&apos;: %3</source>
        <translation>no frame %1 in &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</source>
        <translation>&apos;%1&apos; has no frame %2 (its last is frame %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>entweder --at oder --frame angeben</source>
        <translation>give either --at or --frame</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</source>
        <translation>&apos;%1&apos; has no extension naming an image format</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</source>
        <translation>no frame could be extracted at %1 ms from &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>CliGrade</name>
    <message>
        <source>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</source>
        <translation>preset &apos;%1&apos; uses operators this version does not have: %2</translation>
    </message>
    <message>
        <source>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</source>
        <translation>unknown operator &apos;%1&apos; (see vantrope-cli operators)</translation>
    </message>
    <message>
        <source>--set braucht ein --operator davor</source>
        <translation>--set needs an --operator before it</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</source>
        <translation>bad --set &apos;%1&apos; (INDEX=V0,V1,... with INDEX a set of %2, 0 to %3)</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</source>
        <translation>bad --set &apos;%1&apos;: &apos;%2&apos; is not a number</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</source>
        <translation>bad --set &apos;%1&apos;: set %2 of %3 holds %4 values</translation>
    </message>
    <message>
        <source>--%1 braucht --film-type</source>
        <translation>--%1 needs --film-type</translation>
    </message>
    <message>
        <source>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</source>
        <translation>unknown film type &apos;%1&apos; (known: %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</source>
        <translation>bad value for --blend: &apos;%1&apos; (FRAMES:MODE, frames 1, 2, 3 or 5, mode 1 to 11)</translation>
    </message>
    <message>
        <source>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</source>
        <translation>--%1 is for clips (an output ending in .mp4 or .avi)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>cannot write &apos;%1&apos;: unknown image extension</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>cannot read image &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</source>
        <translation>cannot grade &apos;%1&apos;: not enough memory</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write image &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>grade braucht EIN AUS (siehe vantrope-cli grade --help)</source>
        <translation>grade needs IN OUT (see vantrope-cli grade --help)</translation>
    </message>
    <message>
        <source>die Korrektur kann nicht gebacken werden: nicht genug Speicher</source>
        <translation>cannot bake the grade: not enough memory</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>[Optionen]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1</source>
        <translation>Usage: vantrope-cli %1</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>der Benchmark (siehe --list)</source>
        <translation>the benchmark (see --list)</translation>
    </message>
    <message>
        <source>listet die Benchmarks</source>
        <translation>lists the benchmarks</translation>
    </message>
    <message>
        <source>die Bildgröße (Vorgabe 1920x1080)</source>
        <translation>the frame size (default 1920x1080)</translation>
    </message>
    <message>
        <source>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</source>
        <translation>timed runs after two warm-up runs (default 20)</translation>
    </message>
    <message>
        <source>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</source>
        <translation>worker threads, 1 to 64 (default: the machine&apos;s)</translation>
    </message>
    <message>
        <source>LUT-Punkte je Achse</source>
        <translation>LUT points per axis</translation>
    </message>
    <message>
        <source>DATEI.cube</source>
        <translation>FILE.cube</translation>
    </message>
    <message>
        <source>eine LUT statt einer erfundenen</source>
        <translation>a LUT instead of a made-up one</translation>
    </message>
    <message>
        <source>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</source>
        <translation>a frame of packed 16-bit RGB instead of a made-up one</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>der zu lesende Clip</source>
        <translation>the clip to read</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT</source>
        <translation>the LUT&apos;s layer mode</translation>
    </message>
    <message>
        <source>misst die Referenz-Zeilenfunktion</source>
        <translation>times the reference row function</translation>
    </message>
    <message>
        <source>das Nachschlagen der LUT zwischen ihren Punkten</source>
        <translation>the LUT lookup between its points</translation>
    </message>
    <message>
        <source>die Tabellen der Engine zwischen Durchläufen behalten</source>
        <translation>keep the engine&apos;s tables between runs</translation>
    </message>
    <message>
        <source>kopierte Bytes je Pixel</source>
        <translation>bytes per pixel copied</translation>
    </message>
    <message>
        <source>PIXEL</source>
        <translation>PIXELS</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau</source>
        <translation>the preview&apos;s long side</translation>
    </message>
    <message>
        <source>die Zeitmesszeilen der Engine</source>
        <translation>the engine&apos;s timing lines</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes</source>
        <translation>the scope picture&apos;s size</translation>
    </message>
    <message>
        <source>nur dieses Scope</source>
        <translation>only this scope</translation>
    </message>
    <message>
        <source>nach dem Scrubben gemessene Schritte zum nächsten Bild</source>
        <translation>next-frame steps timed after the scrubbing</translation>
    </message>
    <message>
        <source>Sekunden Wiedergabe</source>
        <translation>seconds of playback</translation>
    </message>
    <message>
        <source>jeder Operator der Familie</source>
        <translation>every operator of the family</translation>
    </message>
    <message>
        <source>nur dieser Operator, mit den Vorgaben des Katalogs</source>
        <translation>this operator alone, at its catalogue defaults</translation>
    </message>
    <message>
        <source>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</source>
        <translation>the local operators at their smallest or largest radius</translation>
    </message>
    <message>
        <source>Operatorgruppen im Preset, das preset-load liest</source>
        <translation>operator groups in the preset that preset-load reads</translation>
    </message>
    <message>
        <source>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</source>
        <translation>runs one named benchmark after warm-up and prints its timing line</translation>
    </message>
    <message>
        <source>der Clip</source>
        <translation>the clip</translation>
    </message>
    <message>
        <source>die Position des Bildes in Millisekunden</source>
        <translation>the frame&apos;s position in milliseconds</translation>
    </message>
    <message>
        <source>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</source>
        <translation>the N-th frame (counting from 0), decoded in-process; written in a still-image format</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung nennt das Format</source>
        <translation>the image to write; its extension names the format</translation>
    </message>
    <message>
        <source>das Bild auf diese Größe skaliert</source>
        <translation>the frame scaled to this size</translation>
    </message>
    <message>
        <source>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</source>
        <translation>one frame of a clip as an image file, taken as the video dock takes it</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>IN</translation>
    </message>
    <message>
        <source>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</source>
        <translation>a still image, or a clip when OUT is one (with --project: the output)</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>OUT</translation>
    </message>
    <message>
        <source>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</source>
        <translation>the image to write (its extension picks the format), or a clip ending in .mp4 or .avi</translation>
    </message>
    <message>
        <source>NAME|DATEI.ini</source>
        <translation>NAME|FILE.ini</translation>
    </message>
    <message>
        <source>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</source>
        <translation>the operator chain of a preset: a shipped or user preset&apos;s display or file name, or a preset file (see presets)</translation>
    </message>
    <message>
        <source>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</source>
        <translation>appends an operator at the catalogue&apos;s defaults (repeatable, in order; see operators)</translation>
    </message>
    <message>
        <source>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</source>
        <translation>replaces the first values of a set of the --operator before it (repeatable)</translation>
    </message>
    <message>
        <source>DATEI.cml</source>
        <translation>FILE.cml</translation>
    </message>
    <message>
        <source>Farbebenen des Farbfensters, vor der Kette angewandt</source>
        <translation>colour layers of the colour window, applied before the chain</translation>
    </message>
    <message>
        <source>DATEI.vantropeProject</source>
        <translation>FILE.vantropeProject</translation>
    </message>
    <message>
        <source>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</source>
        <translation>grades the project&apos;s still or clip with its saved grade (then OUT only)</translation>
    </message>
    <message>
        <source>ein Filmtyp aus filmtypes_vantrope.xml</source>
        <translation>a film type of filmtypes_vantrope.xml</translation>
    </message>
    <message>
        <source>seine Stärke von 0 bis 1 (Vorgabe 1)</source>
        <translation>its strength from 0 to 1 (default 1)</translation>
    </message>
    <message>
        <source>seine Körnung von 0 bis 1 (Vorgabe 0)</source>
        <translation>its grain from 0 to 1 (default 0)</translation>
    </message>
    <message>
        <source>vor oder nach der Kette (Vorgabe post)</source>
        <translation>before or after the chain (default post)</translation>
    </message>
    <message>
        <source>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</source>
        <translation>0: H.264 in .mp4; 1: uncompressed RGBA in .avi</translation>
    </message>
    <message>
        <source>die Qualität des Encoders (Vorgabe normal)</source>
        <translation>the encoder&apos;s quality (default normal)</translation>
    </message>
    <message>
        <source>Artefaktminderung</source>
        <translation>artefact reduction</translation>
    </message>
    <message>
        <source>lässt die Tonspuren weg</source>
        <translation>leaves the audio streams out</translation>
    </message>
    <message>
        <source>lässt die Metadaten der Quelle weg</source>
        <translation>leaves the source&apos;s metadata out</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von links nach rechts</source>
        <translation>mirrors every frame left to right</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von oben nach unten</source>
        <translation>mirrors every frame top to bottom</translation>
    </message>
    <message>
        <source>BILDER:MODUS</source>
        <translation>FRAMES:MODE</translation>
    </message>
    <message>
        <source>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</source>
        <translation>frame blending over 1, 2, 3 or 5 frames, mode 1 to 11</translation>
    </message>
    <message>
        <source>unbearbeitet und bearbeitet nebeneinander</source>
        <translation>ungraded and graded side by side</translation>
    </message>
    <message>
        <source>die Bildgröße der Ausgabe</source>
        <translation>the exported frame size</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64</source>
        <translation>points per axis, 2 to 64</translation>
    </message>
    <message>
        <source>die zu schreibende Cube-Datei</source>
        <translation>the cube file to write</translation>
    </message>
    <message>
        <source>der Titel der LUT (Vorgabe: der Grundname der Datei)</source>
        <translation>the LUT&apos;s title (default: the file&apos;s base name)</translation>
    </message>
    <message>
        <source>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</source>
        <translation>grades a still at full size, or exports a whole clip with the same grade (exit 0 done, 2 failed, 3 aborted)</translation>
    </message>
    <message>
        <source>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</source>
        <translation>bakes a grade&apos;s colour part (layers, colour operators, film type, LUT) into a cube file; operators that look at neighbours or positions are left out and named</translation>
    </message>
    <message>
        <source>der Titel der LUT</source>
        <translation>the LUT&apos;s title</translation>
    </message>
    <message>
        <source>QUELLE</source>
        <translation>SRC</translation>
    </message>
    <message>
        <source>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</source>
        <translation>the LUT file to start from (a cube file or any file lut import reads)</translation>
    </message>
    <message>
        <source>ZIEL.cube</source>
        <translation>DST.cube</translation>
    </message>
    <message>
        <source>das zu bearbeitende Standbild</source>
        <translation>the still image to grade</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung wählt das Format</source>
        <translation>the image to write; its extension picks the format</translation>
    </message>
    <message>
        <source>das Referenzbild</source>
        <translation>the reference picture</translation>
    </message>
    <message>
        <source>Punkte je Achse (Vorgabe 17)</source>
        <translation>points per axis (default 17)</translation>
    </message>
    <message>
        <source>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</source>
        <translation>1: per-channel tone curves; 2: also pulls hues the reference hardly holds toward grey (default)</translation>
    </message>
    <message>
        <source>FREMD</source>
        <translation>FOREIGN</translation>
    </message>
    <message>
        <source>eine LUT-Datei in jedem Format, das der Import liest</source>
        <translation>a LUT file in any format the import path reads</translation>
    </message>
    <message>
        <source>EIGENE.cube</source>
        <translation>OURS.cube</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</source>
        <translation>points per axis, 2 to 64 (default: the file&apos;s own 3D size up to 64, 33 without one)</translation>
    </message>
    <message>
        <source>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</source>
        <translation>writes the LUT file (a cube file or any file lut import reads) baked with default sliders into the library under --name</translation>
    </message>
    <message>
        <source>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</source>
        <translation>the entry&apos;s name (no &apos;/&apos;, not &apos;.&apos; or &apos;..&apos;, not empty)</translation>
    </message>
    <message>
        <source>löscht den Eintrag dieses Namens</source>
        <translation>deletes the entry of that name</translation>
    </message>
    <message>
        <source>ein Bild</source>
        <translation>a picture</translation>
    </message>
    <message>
        <source>das Bild, mit dem es verglichen wird</source>
        <translation>the picture to compare it with</translation>
    </message>
    <message>
        <source>das zu ändernde Bild</source>
        <translation>the picture to change</translation>
    </message>
    <message>
        <source>das Bild, dessen Histogramme es übernimmt</source>
        <translation>the picture whose histograms it takes</translation>
    </message>
    <message>
        <source>das zu schreibende Bild</source>
        <translation>the image to write</translation>
    </message>
    <message>
        <source>schreibt eine Identitäts-LUT</source>
        <translation>writes an identity LUT</translation>
    </message>
    <message>
        <source>backt Reglerstellungen in eine Cube-Datei</source>
        <translation>bakes slider positions into a cube file</translation>
    </message>
    <message>
        <source>wendet eine LUT auf ein Standbild an</source>
        <translation>applies a LUT to a still image</translation>
    </message>
    <message>
        <source>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</source>
        <translation>derives a LUT from a reference picture (scaled to 1000 x 1000 as the LUT panel does)</translation>
    </message>
    <message>
        <source>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</source>
        <translation>samples a LUT file of another program (.cube with domain or shaper, .3dl, .csp, .spi3d, .clf, ...) into a cube file</translation>
    </message>
    <message>
        <source>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</source>
        <translation>edits the LUT library in ~/ProjectData/Lut/, then lists its entries in the panel&apos;s order</translation>
    </message>
    <message>
        <source>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</source>
        <translation>per-channel histogram earth mover&apos;s distance of two pictures, in 8-bit levels</translation>
    </message>
    <message>
        <source>einfache Histogrammangleichung je Kanal von EIN an REF</source>
        <translation>plain per-channel histogram matching of IN to REF</translation>
    </message>
    <message>
        <source>jeder Katalogeintrag: Kernel, Typ, Anzeigename</source>
        <translation>every catalogue entry: kernel, type, display name</translation>
    </message>
    <message>
        <source>das zu bearbeitende Bild (ein Standbild)</source>
        <translation>the picture to grade (a still image)</translation>
    </message>
    <message>
        <source>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</source>
        <translation>the contact sheet to write (its extension picks the format)</translation>
    </message>
    <message>
        <source>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</source>
        <translation>every preset the presets dock shows: file, category, display name, ok or broken</translation>
    </message>
    <message>
        <source>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</source>
        <translation>a picture graded by every preset, as a labelled grid of thumbnails</translation>
    </message>
    <message>
        <source>der zu untersuchende Clip</source>
        <translation>the clip to probe</translation>
    </message>
    <message>
        <source>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</source>
        <translation>the clip&apos;s metrics, one &quot;key: value&quot; a line</translation>
    </message>
    <message>
        <source>STANDBILD</source>
        <translation>STILL</translation>
    </message>
    <message>
        <source>das Standbild, das das Projekt bearbeitet</source>
        <translation>the still the project grades</translation>
    </message>
    <message>
        <source>der Clip, den das Projekt bearbeitet</source>
        <translation>the clip the project grades</translation>
    </message>
    <message>
        <source>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</source>
        <translation>the project to write (&quot;.vantropeProject&quot; is appended unless it ends so; the data folder goes beside it)</translation>
    </message>
    <message>
        <source>eine Projektdatei</source>
        <translation>a project file</translation>
    </message>
    <message>
        <source>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</source>
        <translation>writes a project of a still or a clip with the grade of the options, as the window saves it</translation>
    </message>
    <message>
        <source>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</source>
        <translation>prints a project&apos;s main keys and what its components hold</translation>
    </message>
    <message>
        <source>ein Standbild oder ein Clip</source>
        <translation>a still, or a clip</translation>
    </message>
    <message>
        <source>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</source>
        <translation>the scope picture (.png, .tiff, …; 16 bits hold it exactly)</translation>
    </message>
    <message>
        <source>welches Scope</source>
        <translation>which scope</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes (Vorgabe 640x360)</source>
        <translation>the scope picture&apos;s size (default 640x360)</translation>
    </message>
    <message>
        <source>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</source>
        <translation>a clip&apos;s frame at this position (default: its first frame)</translation>
    </message>
    <message>
        <source>hellt die Spuren auf, 0.1 bis 10</source>
        <translation>brightens the traces, 0.1 to 10</translation>
    </message>
    <message>
        <source>ein Histogramm mit logarithmischer Höhe</source>
        <translation>a histogram of logarithmic height</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</source>
        <translation>the preview&apos;s long side in pixels (default as the window&apos;s)</translation>
    </message>
    <message>
        <source>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</source>
        <translation>the picture the &quot;Scopes&quot; dock shows for a still or a clip frame</translation>
    </message>
    <message>
        <source>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</source>
        <translation>a 3D LUT (a cube file or any file lut import reads), applied last</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>NAME=VALUE</translation>
    </message>
    <message>
        <source>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</source>
        <translation>a LUT slider from 0 to 1 (repeatable): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</source>
        <translation>the LUT&apos;s layer mode (0-47, 50-58, 60-68; 0 normal)</translation>
    </message>
    <message>
        <source>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</source>
        <translation>how the LUT is looked up between its points (default trilinear)</translation>
    </message>
    <message>
        <source>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</source>
        <translation>Vantrope %1 — colour grading for video clips and 3D LUTs (command line)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</source>
        <translation>Usage: vantrope-cli COMMAND [options] ARGUMENTS
       vantrope-cli COMMAND --help | --help | --version</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos; (siehe --help)</source>
        <translation>unknown command &apos;%1&apos; (see --help)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</source>
        <translation>Usage: vantrope-cli %1 SUBCOMMAND [options] ARGUMENTS</translation>
    </message>
    <message>
        <source>%1 braucht einen dieser Unterbefehle: %2</source>
        <translation>%1 needs one of: %2</translation>
    </message>
</context>
<context>
    <name>CliLut</name>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>cannot read image &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write image &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>cannot write &apos;%1&apos;: unknown image extension</translation>
    </message>
    <message>
        <source>library nimmt entweder --add oder --remove</source>
        <translation>library takes either --add or --remove</translation>
    </message>
    <message>
        <source>--add DATEI und --name NAME gehören zusammen</source>
        <translation>--add FILE and --name NAME go together</translation>
    </message>
    <message>
        <source>ungültiger Name &apos;%1&apos;: %2</source>
        <translation>bad name &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</source>
        <translation>cannot add &apos;%1&apos; to %2: %3</translation>
    </message>
    <message>
        <source>kein Bibliothekseintrag &apos;%1&apos; in %2</source>
        <translation>no library entry &apos;%1&apos; in %2</translation>
    </message>
</context>
<context>
    <name>CliLutOptions</name>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</source>
        <translation>cannot read LUT &apos;%1&apos;: not a file</translation>
    </message>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>cannot read LUT &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</source>
        <translation>bad LUT parameter &apos;%1&apos; (expected NAME=VALUE with NAME one of %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>bad value in &apos;%1&apos; (expected a number from 0 to 1)</translation>
    </message>
    <message>
        <source>--lut-param, --lut-mode und --interp brauchen --lut</source>
        <translation>--lut-param, --lut-mode and --interp need --lut</translation>
    </message>
    <message>
        <source>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</source>
        <translation>bad layer mode &apos;%1&apos; (0-47, 50-58, 60-68)</translation>
    </message>
</context>
<context>
    <name>CliOperators</name>
    <message>
        <source>der Operatorkatalog konnte nicht gelesen werden</source>
        <translation>the operator catalogue could not be read</translation>
    </message>
</context>
<context>
    <name>CliPresets</name>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>cannot read &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>the contact sheet of &apos;%1&apos; could not be made</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Bilder %1/%2</source>
        <translation>frames %1/%2</translation>
    </message>
    <message>
        <source>Bilder %1</source>
        <translation>frames %1</translation>
    </message>
    <message>
        <source>Rest %1</source>
        <translation>ETA %1</translation>
    </message>
</context>
<context>
    <name>CliProject</name>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</source>
        <translation>cannot read project &apos;%1&apos;: the project file or its data folder is missing</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</source>
        <translation>cannot read project &apos;%1&apos;: written by a newer version</translation>
    </message>
    <message>
        <source>project save braucht entweder --image STANDBILD oder --clip CLIP</source>
        <translation>project save needs one of --image STILL or --clip CLIP</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</source>
        <translation>cannot write &apos;%1&apos;: example projects are not overwritten</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>cannot read image &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</source>
        <translation>cannot write project &apos;%1&apos;: %2 could not be written</translation>
    </message>
    <message>
        <source>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</source>
        <translation>grade --project takes only OUT: the project names its still or clip</translation>
    </message>
    <message>
        <source>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</source>
        <translation>--%1 cannot be combined with --project: the project holds the grade</translation>
    </message>
    <message>
        <source>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</source>
        <translation>the project holds a clip: the output must end in .mp4 or .avi</translation>
    </message>
    <message>
        <source>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</source>
        <translation>the project &apos;%1&apos; holds no picture and no clip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</source>
        <translation>cannot write &apos;%1&apos;: the project holds a still</translation>
    </message>
</context>
<context>
    <name>CliScope</name>
    <message>
        <source>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</source>
        <translation>unknown scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</translation>
    </message>
    <message>
        <source>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</source>
        <translation>bad gain &apos;%1&apos; (%2 to %3)</translation>
    </message>
    <message>
        <source>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</source>
        <translation>bad preview size &apos;%1&apos; (long side, %2 to %3 pixels)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</source>
        <translation>&apos;%1&apos; does not end in an image format&apos;s extension (.png, .tiff, …)</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</source>
        <translation>no frame could be read at %1 ms from &apos;%2&apos;</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</source>
        <translation>no frame could be read at %1 ms from &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>cannot read &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>the preview of &apos;%1&apos; could not be made</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</source>
        <translation>usage: scope IN OUT --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation>Delete layer</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation>Do you really want to delete this layer?</translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation>Copy layer</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation>Do you really want to replace this layer with the copied data?</translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation>Copy source colour</translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation>Do you really want to copy the source colour to the target?</translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation>Reset colour settings</translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation>Do you really want to reset the colour settings?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation>At %2 bytes, the file %1 is too large for a layer file (at most %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation>The file %1 is not a version 1 layer file.</translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation>Save layers</translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation>My layers</translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation>Load layers</translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation>Do you really want to overwrite the existing layers?</translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation>Load layers</translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation>Layers (*.%1)</translation>
    </message>
</context>
<context>
    <name>HDRApplication</name>
    <message>
        <source>Betriebssystem</source>
        <translation>Operating system</translation>
    </message>
</context>
<context>
    <name>HDRColorModuleWindow</name>
    <message>
        <source>Farbmodul</source>
        <translation>Colour module</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Runter</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation>Pick the source colour from the image</translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation>Hue from</translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation>Hue to</translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation>Saturation from</translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation>Saturation to</translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation>Minimum brightness</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Softness</translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation>Invert selection</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation>Pick the target colour from the image</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation>Saturation contrast</translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation>Brightness contrast</translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation>Source colour to target</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation>Show mask</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation>Selectable colours</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Layer %1</translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation>No image loaded</translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation>No mask</translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation>Automatically saved project</translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation>An automatically saved project was found. Do you want to load it?</translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation>Load video</translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation>Open a video file</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Load image</translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation>Open a single image</translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation>Save result image</translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation>Save the edited image as a file</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Save video</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Save the whole video with the current grade</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation>Colour module</translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation>Edit colour layers</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation>Please load only one video file.</translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation>Add-on</translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation>Add-ons are not supported by this version.</translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation>Please load video files only.</translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation>The loaded image or video frame with its size</translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation>Exposure series</translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation>Histogram of the edited image: red, green, blue and luminance</translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation>HDR histogram</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation>Open a video or an image, or drag a video file into this window.</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation>Point the mouse at a control to read its description here.</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation>Show the unedited image</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation>Unedited image on the left, edited image on the right</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation>One image pixel per screen pixel (drag to pan); off: fit to window</translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation>Preview of the edited image</translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation>New image data cannot be loaded in filter plug-in mode.</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Load project</translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation>Open video file</translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation>The file contains no readable video.</translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation>No frame could be read from the video.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Not enough memory for the image.</translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation>The video %1 could not be loaded.
%2</translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation>Video loaded: %1</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation>The image %1 could not be loaded.
%2</translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation>The exchange file %1 could not be read.</translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation>RAW development</translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation>RAW development is not included in this version.</translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation>My image</translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation>Preview mode! Recalculate?</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation>Preparing to save.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation>The image could not be saved:
%1
%2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation>Video saved: %1</translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation>The video processing was cancelled.</translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation>The video could not be saved.</translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation>Calculating the grade</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Save project as</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Projekte</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>Beispielprojekte</source>
        <translation>Sample projects</translation>
    </message>
    <message>
        <source>Beispielprojekt %1</source>
        <translation>Sample project %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Undo-Punkt speichern</source>
        <translation>Save undo point</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Keine Projekte</source>
        <translation>No projects</translation>
    </message>
    <message>
        <source>MyProject</source>
        <translation>My project</translation>
    </message>
    <message>
        <source>Vantrope-Marlix Projektdatei</source>
        <translation>Vantrope Marlix project file</translation>
    </message>
    <message>
        <source>Projekt überschreiben nicht nöglich</source>
        <translation>Project cannot be overwritten</translation>
    </message>
    <message>
        <source>Beispielprojekte können nicht überschrieben werden.</source>
        <translation>Sample projects cannot be overwritten.</translation>
    </message>
    <message>
        <source>Dateifehler: %1 konnte nicht erstellt werden</source>
        <translation>File error: %1 could not be created</translation>
    </message>
    <message>
        <source>Projektdateien unvollständig.</source>
        <translation>Project files incomplete.</translation>
    </message>
    <message>
        <source>Projektdateien sind nicht kompatibel.</source>
        <translation>Project files are not compatible.</translation>
    </message>
    <message>
        <source>Projekt nicht gespeichert. Speichern?</source>
        <translation>Project not saved. Save it?</translation>
    </message>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Video settings</translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation>Ask before actions that change things</translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation>Show progress window</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation>Last used folder</translation>
    </message>
    <message>
        <source>Rec. 709</source>
        <translation>Rec. 709</translation>
    </message>
    <message>
        <source>Rec. 601</source>
        <translation>Rec. 601</translation>
    </message>
    <message>
        <source>Gleich gewichtet</source>
        <translation>Equally weighted</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation>Choose …</translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation>Fixed default folder</translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation>Luminance weighting</translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation>Long side of the preview</translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation>The new language will be used the next time the program starts.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>English GB</source>
        <translation>English (UK)</translation>
    </message>
    <message>
        <source>English US</source>
        <translation>English (US)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Undo-Punkte mit dem Projekt speichern</source>
        <translation>Save undo points with the project</translation>
    </message>
</context>
<context>
    <name>HDRPostProcessingDockWidget</name>
    <message>
        <source>LUT einstellbar</source>
        <translation>Adjustable LUT</translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation>The name is empty.</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation>The name &quot;%1&quot; is not allowed.</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation>The name must not contain &quot;/&quot; or a null character.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation>Add LUT to library</translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation>LUT name:</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation>The LUT &quot;%1&quot; cannot be saved: %2</translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation>Delete LUT style</translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation>Do you want to delete the selected LUT style?</translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation>Load LUT file</translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation>LUT file</translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation>My LUT style</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Save LUT</translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation>Load image</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation>My LUT</translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation>No LUT available</translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation>No LUT styles are saved.</translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation>LUT browser</translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation>Start the LUT browser although the current settings will be lost?</translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation>Create new LUT</translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation>Do you want to create a new empty LUT style and discard your current settings?</translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation>New LUT</translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation>Sharpen and denoise</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Artistic</translation>
    </message>
    <message>
        <source>Masken</source>
        <translation>Masks</translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation>Basic settings</translation>
    </message>
    <message>
        <source>LUT balance Areas</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>LUT protect Areas</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source>Expertenmodus</source>
        <translation>Expert mode</translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation>Operators</translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation>Film type</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation>LUT blend mode</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Creating previews: </translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation>This operator has no settings.</translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation>Choose an operator from the list or add one.</translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation>Default value</translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation>Remove mask</translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation>Limits the effect to shapes drawn in the preview</translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation>Mask - Luminance</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>dark</translation>
    </message>
    <message>
        <source>hell</source>
        <translation>bright</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Softness</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>hard</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>soft</translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation>How this mask combines with the masks before it</translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation>Mask - Saturation</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>colourful</translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation>Mask - Hue</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>narrow</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>wide</translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation>Mask - Highlights</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation>Mask - Shadows</translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation>Mask - Midtones</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>narrow</translation>
    </message>
    <message>
        <source>breit</source>
        <translation>wide</translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation>Mask denoise artefacts (HD)</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>coarse</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>weak</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>strong</translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation>Colour smoothing</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation>Masking</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>Sharpen</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>Denoise</translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation>Brightness contrast gamma</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation>darker</translation>
    </message>
    <message>
        <source>heller</source>
        <translation>brighter</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>weniger</source>
        <translation>less</translation>
    </message>
    <message>
        <source>mehr</source>
        <translation>more</translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation>Gamma correction</translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation>Manual black/white point</translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation>Black point</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>Weißpunkt</source>
        <translation>White point</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation>Vignetting</translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation>brighten</translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation>darken</translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation>Inner radius</translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation>Outer radius</translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation>Tone curve</translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation>Add grain</translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation>Grain size</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>Local contrast</translation>
    </message>
    <message>
        <source>glätten</source>
        <translation>smooth</translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation>enhance</translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation>Expose colour tones</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation>Colour channel gamma</translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation>Red gamma</translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation>Green gamma</translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation>Blue gamma</translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation>Colour vibrancy</translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation>Blend in a hue</translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation>Colour temperature</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>kalt</source>
        <translation>cold</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>warm</translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation>Colour balance</translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation>Cyan-red</translation>
    </message>
    <message>
        <source>Magenta-Grün</source>
        <translation>Magenta-green</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Gelb-Blau</source>
        <translation>Yellow-blue</translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation>Sepia toning</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>Colour palette</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Aura</source>
        <translation>Aura</translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation>Glow</translation>
    </message>
    <message>
        <source>scharf</source>
        <translation>sharp</translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation>LUT cannot be loaded</translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation>The LUT file could not be loaded.</translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation>LUT file: %1</translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation>Size found: %1</translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation>Sizes from 2 to %1 are allowed.</translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation>Active operators</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation>Remove operator</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation>before the operators</translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation>after the operators</translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation>no film type</translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation>Shape %1 (%2)</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation>Move and drag out shapes in the preview</translation>
    </message>
    <message>
        <source>Form +</source>
        <translation>Shape +</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation>Add a shape in which the effect applies</translation>
    </message>
    <message>
        <source>Form −</source>
        <translation>Shape −</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation>Add a shape in which the effect is weakened</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>Hardness</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>additiv</source>
        <translation>additive</translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation>subtractive</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation>Blend mode</translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation>LUT active</translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation>Apply the LUT to the image</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation>Create a new empty LUT</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation>Remove LUT</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation>Show all blend modes as previews</translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation>Reset the values of this group</translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation>LUT: %1 (%2 points per axis)</translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation>No LUT loaded</translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation>All operators</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation>Append the chosen operator to the chain</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation>Pick a position in the preview</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation>Drag a line in the preview</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Choose colour</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation>Pick a colour from the preview</translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation>White</translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation>Protect highlights</translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation>Protect shadows</translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation>Protect saturation</translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation>Protect skin tones</translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation>Protect sky</translation>
    </message>
    <message>
        <source>Belichtung einstellen</source>
        <translation>Adjust exposure</translation>
    </message>
    <message>
        <source>Farbnegativ Porträt warm</source>
        <translation>Colour negative portrait warm</translation>
    </message>
    <message>
        <source>Farbnegativ Alltag</source>
        <translation>Colour negative everyday</translation>
    </message>
    <message>
        <source>Diafilm kühl</source>
        <translation>Slide film cool</translation>
    </message>
    <message>
        <source>Diafilm brillant</source>
        <translation>Slide film brilliant</translation>
    </message>
    <message>
        <source>Verblasster Abzug</source>
        <translation>Faded print</translation>
    </message>
    <message>
        <source>Sepia-Abzug</source>
        <translation>Sepia print</translation>
    </message>
    <message>
        <source>Sofortbild</source>
        <translation>Instant photo</translation>
    </message>
    <message>
        <source>Schwarzweiß kontrastreich</source>
        <translation>Black and white high contrast</translation>
    </message>
    <message>
        <source>Schwarzweiß weich</source>
        <translation>Black and white soft</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrared</translation>
    </message>
    <message>
        <source>Cross-Entwicklung</source>
        <translation>Cross processing</translation>
    </message>
    <message>
        <source>Bleichbad-Überbrückung</source>
        <translation>Bleach bypass</translation>
    </message>
    <message>
        <source>Kino Blaugrün-Orange</source>
        <translation>Cinema teal and orange</translation>
    </message>
    <message>
        <source>Herbstlicht</source>
        <translation>Autumn light</translation>
    </message>
    <message>
        <source>Nachtblau</source>
        <translation>Night blue</translation>
    </message>
    <message>
        <source>Lomo</source>
        <translation>Lo-fi</translation>
    </message>
    <message>
        <source>Farbton und Stärke: Punkt auf der Scheibe ziehen</source>
        <translation>Hue and strength: drag the point on the wheel</translation>
    </message>
    <message>
        <source>Licht/Schatten färben</source>
        <translation>Tint highlights/shadows</translation>
    </message>
    <message>
        <source>Schatten (Lift)</source>
        <translation>Shadows (lift)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</source>
        <translation>Colour and brightness of the shadows: raises or lowers the dark tones, tapering off towards white</translation>
    </message>
    <message>
        <source>Mitteltöne (Gamma)</source>
        <translation>Midtones (gamma)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</source>
        <translation>Colour and brightness of the midtones: bends the tone curve, black and white stay</translation>
    </message>
    <message>
        <source>Lichter (Gain)</source>
        <translation>Highlights (gain)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</source>
        <translation>Colour and brightness of the highlights: boosts or dims the bright tones, tapering off towards black</translation>
    </message>
    <message>
        <source>Farbkanal Gradation</source>
        <translation>Colour channel curves</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle</source>
        <translation>Tone curve for all three colour channels</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals</source>
        <translation>Tone curve of the red channel</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals</source>
        <translation>Tone curve of the green channel</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals</source>
        <translation>Tone curve of the blue channel</translation>
    </message>
    <message>
        <source>Farbkanal Gradation (logarithm.)</source>
        <translation>Colour channel curves (logarithmic)</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</source>
        <translation>Tone curve for all three colour channels over logarithmic tones (eight stops)</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals über logarithmischen Tonwerten</source>
        <translation>Tone curve of the red channel over logarithmic tones</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals über logarithmischen Tonwerten</source>
        <translation>Tone curve of the green channel over logarithmic tones</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals über logarithmischen Tonwerten</source>
        <translation>Tone curve of the blue channel over logarithmic tones</translation>
    </message>
    <message>
        <source>Farbton korrigieren</source>
        <translation>Correct hue</translation>
    </message>
    <message>
        <source>Farbton nach Farbton</source>
        <translation>Hue vs hue</translation>
    </message>
    <message>
        <source>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</source>
        <translation>Rotates each hue by up to 90 degrees; the middle leaves it unchanged</translation>
    </message>
    <message>
        <source>Sättigung nach Farbton</source>
        <translation>Saturation vs hue</translation>
    </message>
    <message>
        <source>Sättigung je Farbton: unten grau, oben doppelt so kräftig</source>
        <translation>Saturation per hue: grey at the bottom, twice as strong at the top</translation>
    </message>
    <message>
        <source>Helligkeit nach Farbton</source>
        <translation>Luminance vs hue</translation>
    </message>
    <message>
        <source>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</source>
        <translation>Brightness per hue by up to one stop; greys stay unchanged</translation>
    </message>
    <message>
        <source>manueller Weißabgleich</source>
        <translation>Manual white balance</translation>
    </message>
    <message>
        <source>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</source>
        <translation>Use the eyedropper to pick a spot that should be neutral grey or white</translation>
    </message>
    <message>
        <source>automatischer lokaler Weißabgleich</source>
        <translation>Automatic local white balance</translation>
    </message>
    <message>
        <source>Größe der Umgebung, in der ein Farbstich gemessen wird</source>
        <translation>Size of the area in which a colour cast is measured</translation>
    </message>
    <message>
        <source>Wie weit die örtlichen Farbstiche entfernt werden</source>
        <translation>How far the local colour casts are removed</translation>
    </message>
    <message>
        <source>Farbdynamik</source>
        <translation>Vibrance</translation>
    </message>
    <message>
        <source>blasser</source>
        <translation>paler</translation>
    </message>
    <message>
        <source>kräftiger</source>
        <translation>stronger</translation>
    </message>
    <message>
        <source>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</source>
        <translation>Lifts pale colours more than strong ones and spares skin tones</translation>
    </message>
    <message>
        <source>Farbdynamik (Smart)</source>
        <translation>Vibrance (smart)</translation>
    </message>
    <message>
        <source>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</source>
        <translation>Vibrance that follows how colourful the whole image is</translation>
    </message>
    <message>
        <source>Hauttöne schützen</source>
        <translation>Protect skin tones</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>little</translation>
    </message>
    <message>
        <source>viel</source>
        <translation>a lot</translation>
    </message>
    <message>
        <source>Lichter schützen</source>
        <translation>Protect highlights</translation>
    </message>
    <message>
        <source>Farbtöne anpassen</source>
        <translation>Adjust hues</translation>
    </message>
    <message>
        <source>-180</source>
        <translation>-180</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>Farbton Sättigung Belichtung</source>
        <translation>Hue saturation exposure</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Farbwert kalibrieren</source>
        <translation>Calibrate colour</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Actual colour</translation>
    </message>
    <message>
        <source>Mit der Pipette die Farbe wählen, die korrigiert werden soll</source>
        <translation>Use the eyedropper to pick the colour to be corrected</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Target colour</translation>
    </message>
    <message>
        <source>Die Farbe, die der Istwert bekommen soll</source>
        <translation>The colour the actual colour should become</translation>
    </message>
    <message>
        <source>Reichweite</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>nur ähnliche Farben</source>
        <translation>similar colours only</translation>
    </message>
    <message>
        <source>ganzes Bild</source>
        <translation>whole image</translation>
    </message>
    <message>
        <source>Normalisieren (RGB)</source>
        <translation>Normalise (RGB)</translation>
    </message>
    <message>
        <source>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</source>
        <translation>Stretches each colour channel between its darkest and brightest tone</translation>
    </message>
    <message>
        <source>Beschnitt</source>
        <translation>Clipping</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</source>
        <translation>Share of tones that may be clipped at each end</translation>
    </message>
    <message>
        <source>manueller RGB-Punkt</source>
        <translation>Manual RGB point</translation>
    </message>
    <message>
        <source>Schwarzpunkt Rot</source>
        <translation>Red black point</translation>
    </message>
    <message>
        <source>Schwarzpunkt Grün</source>
        <translation>Green black point</translation>
    </message>
    <message>
        <source>Schwarzpunkt Blau</source>
        <translation>Blue black point</translation>
    </message>
    <message>
        <source>Weißpunkt Rot</source>
        <translation>Red white point</translation>
    </message>
    <message>
        <source>Weißpunkt Grün</source>
        <translation>Green white point</translation>
    </message>
    <message>
        <source>Weißpunkt Blau</source>
        <translation>Blue white point</translation>
    </message>
    <message>
        <source>RGB Transformation (autom.)</source>
        <translation>RGB transform (auto)</translation>
    </message>
    <message>
        <source>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</source>
        <translation>Matches the mean and contrast of the three colour channels to each other</translation>
    </message>
    <message>
        <source>RGB Transformation</source>
        <translation>RGB transform</translation>
    </message>
    <message>
        <source>Steigung Rot</source>
        <translation>Red slope</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>Steigung Grün</source>
        <translation>Green slope</translation>
    </message>
    <message>
        <source>Steigung Blau</source>
        <translation>Blue slope</translation>
    </message>
    <message>
        <source>Versatz Rot</source>
        <translation>Red offset</translation>
    </message>
    <message>
        <source>-20</source>
        <translation>-20</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>Versatz Grün</source>
        <translation>Green offset</translation>
    </message>
    <message>
        <source>Versatz Blau</source>
        <translation>Blue offset</translation>
    </message>
    <message>
        <source>Exponent Rot</source>
        <translation>Red exponent</translation>
    </message>
    <message>
        <source>Exponent Grün</source>
        <translation>Green exponent</translation>
    </message>
    <message>
        <source>Exponent Blau</source>
        <translation>Blue exponent</translation>
    </message>
    <message>
        <source>Farbkanal Sigmoid</source>
        <translation>Colour channel sigmoid</translation>
    </message>
    <message>
        <source>Kontrast Rot</source>
        <translation>Red contrast</translation>
    </message>
    <message>
        <source>flacher</source>
        <translation>flatter</translation>
    </message>
    <message>
        <source>steiler</source>
        <translation>steeper</translation>
    </message>
    <message>
        <source>Kontrast Grün</source>
        <translation>Green contrast</translation>
    </message>
    <message>
        <source>Kontrast Blau</source>
        <translation>Blue contrast</translation>
    </message>
    <message>
        <source>Chrominanz ausgleichen</source>
        <translation>Balance chrominance</translation>
    </message>
    <message>
        <source>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</source>
        <translation>Removes colour casts separately in shadows, midtones and highlights</translation>
    </message>
    <message>
        <source>gewogene Farbkanäle</source>
        <translation>Weighted colour channels</translation>
    </message>
    <message>
        <source>Helligkeit erhalten</source>
        <translation>Preserve brightness</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>ganz</source>
        <translation>fully</translation>
    </message>
    <message>
        <source>Farbkanäle mischen</source>
        <translation>Channel mixer</translation>
    </message>
    <message>
        <source>Rot aus Rot</source>
        <translation>Red from red</translation>
    </message>
    <message>
        <source>Rot aus Grün</source>
        <translation>Red from green</translation>
    </message>
    <message>
        <source>Rot aus Blau</source>
        <translation>Red from blue</translation>
    </message>
    <message>
        <source>Grün aus Rot</source>
        <translation>Green from red</translation>
    </message>
    <message>
        <source>Grün aus Grün</source>
        <translation>Green from green</translation>
    </message>
    <message>
        <source>Grün aus Blau</source>
        <translation>Green from blue</translation>
    </message>
    <message>
        <source>Blau aus Rot</source>
        <translation>Blue from red</translation>
    </message>
    <message>
        <source>Blau aus Grün</source>
        <translation>Blue from green</translation>
    </message>
    <message>
        <source>Blau aus Blau</source>
        <translation>Blue from blue</translation>
    </message>
    <message>
        <source>Farbfilter</source>
        <translation>Colour filter</translation>
    </message>
    <message>
        <source>Filterfarbe</source>
        <translation>Filter colour</translation>
    </message>
    <message>
        <source>Farbe des Filters vor dem Objektiv</source>
        <translation>Colour of the filter in front of the lens</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Colour scheme</translation>
    </message>
    <message>
        <source>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</source>
        <translation>1 sunset, 2 forest, 3 ocean, 4 autumn, 5 neon, 6 desert, 7 winter, 8 pastel</translation>
    </message>
    <message>
        <source>Himmel schützen</source>
        <translation>Protect sky</translation>
    </message>
    <message>
        <source>graue Tinte</source>
        <translation>Grey ink</translation>
    </message>
    <message>
        <source>Tinte</source>
        <translation>Ink</translation>
    </message>
    <message>
        <source>Die Farbe, die graue und blasse Bereiche annehmen</source>
        <translation>The colour that grey and pale areas take on</translation>
    </message>
    <message>
        <source>Sättigungsgrenze</source>
        <translation>Saturation limit</translation>
    </message>
    <message>
        <source>nur Grau</source>
        <translation>grey only</translation>
    </message>
    <message>
        <source>auch Farben</source>
        <translation>colours too</translation>
    </message>
    <message>
        <source>Pastellfarben</source>
        <translation>Pastel colours</translation>
    </message>
    <message>
        <source>Aufhellung</source>
        <translation>Brightening</translation>
    </message>
    <message>
        <source>C64 Farben</source>
        <translation>8-bit colours</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Rastert Verläufe aus benachbarten Farben der Palette</source>
        <translation>Renders gradients with neighbouring colours of the palette</translation>
    </message>
    <message>
        <source>Rote Augen</source>
        <translation>Red eyes</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>nur tiefrot</source>
        <translation>deep red only</translation>
    </message>
    <message>
        <source>auch rötlich</source>
        <translation>reddish too</translation>
    </message>
    <message>
        <source>Mit der Geometrie auf die Augen begrenzen</source>
        <translation>Limit to the eyes with the geometry</translation>
    </message>
    <message>
        <source>Tageszeit</source>
        <translation>Time of day</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>Morning</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>12 Uhr lässt das Bild unverändert</source>
        <translation>12 o&apos;clock leaves the image unchanged</translation>
    </message>
    <message>
        <source>Jahreszeit</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Frühling</source>
        <translation>Spring</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</source>
        <translation>1 spring, 2 summer (unchanged), 3 autumn, 4 winter</translation>
    </message>
    <message>
        <source>Fotostil: Low-Key</source>
        <translation>Photo style: low key</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Shadows</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>deep</translation>
    </message>
    <message>
        <source>Fotostil: High-Key</source>
        <translation>Photo style: high key</translation>
    </message>
    <message>
        <source>Fotostil: Cross-Entwicklung</source>
        <translation>Photo style: cross processing</translation>
    </message>
    <message>
        <source>Fotostil: Indian Summer</source>
        <translation>Photo style: Indian summer</translation>
    </message>
    <message>
        <source>Fotostil: Infrarot</source>
        <translation>Photo style: infrared</translation>
    </message>
    <message>
        <source>Fotostil: Lith-Print</source>
        <translation>Photo style: lith print</translation>
    </message>
    <message>
        <source>Tönung</source>
        <translation>Toning</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>Fotostil: Buttercream</source>
        <translation>Photo style: buttercream</translation>
    </message>
    <message>
        <source>Fotostil: Holga</source>
        <translation>Photo style: toy camera</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignette</translation>
    </message>
    <message>
        <source>Fotostil: Orton</source>
        <translation>Photo style: soft glow</translation>
    </message>
    <message>
        <source>gering</source>
        <translation>low</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>high</translation>
    </message>
    <message>
        <source>Fotostil: Lomo</source>
        <translation>Photo style: lo-fi</translation>
    </message>
    <message>
        <source>Fotostil: Dragan</source>
        <translation>Photo style: gritty portrait</translation>
    </message>
    <message>
        <source>Originalbild einblenden</source>
        <translation>Blend in the original</translation>
    </message>
    <message>
        <source>Mischt das unbearbeitete Bild wieder ein</source>
        <translation>Mixes the unedited image back in</translation>
    </message>
    <message>
        <source>Foto-Reflektor</source>
        <translation>Photo reflector</translation>
    </message>
    <message>
        <source>Hellt die Schatten mit dem Licht eines Reflektors auf</source>
        <translation>Brightens the shadows with the light of a reflector</translation>
    </message>
    <message>
        <source>Reflektor</source>
        <translation>Reflector</translation>
    </message>
    <message>
        <source>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</source>
        <translation>Gold, silver (white) or another colour of the reflector</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Colour gradient</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</source>
        <translation>Full strength at the first point, fading out towards the second</translation>
    </message>
    <message>
        <source>Color Contrast</source>
        <translation>Colour contrast</translation>
    </message>
    <message>
        <source>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</source>
        <translation>Separates neighbouring colours from each other; brightness stays</translation>
    </message>
    <message>
        <source>Polfilter</source>
        <translation>Polarising filter</translation>
    </message>
    <message>
        <source>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</source>
        <translation>Removes haze and reflections, darkens blue sky</translation>
    </message>
    <message>
        <source>Chromatische Korrektur</source>
        <translation>Chromatic correction</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>smaller</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>larger</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Enlarges or shrinks the red channel until its edges lie on the green one</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Enlarges or shrinks the blue channel until its edges lie on the green one</translation>
    </message>
    <message>
        <source>chromatische Aberrationen korrigieren</source>
        <translation>Correct chromatic aberrations</translation>
    </message>
    <message>
        <source>Entfernt violette und grüne Farbsäume an harten Kanten</source>
        <translation>Removes purple and green fringes at hard edges</translation>
    </message>
    <message>
        <source>Motive (Halloween)</source>
        <translation>Motifs (Halloween)</translation>
    </message>
    <message>
        <source>Motiv</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>1 Kürbis, 2 Geist, 3 Fledermaus, 4 Spinnennetz, 5 Mond</source>
        <translation>1 pumpkin, 2 ghost, 3 bat, 4 spider web, 5 moon</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>durchsichtig</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>deckend</source>
        <translation>opaque</translation>
    </message>
    <message>
        <source>Flaggen</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Flagge</source>
        <translation>Flag</translation>
    </message>
    <message>
        <source>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</source>
        <translation>1 Germany, 2 France, 3 Italy, 4 Netherlands, 5 Austria, 6 Belgium, 7 Ireland, 8 Poland, 9 Ukraine, 10 Switzerland, 11 Japan, 12 Sweden, 13 Denmark</translation>
    </message>
    <message>
        <source>Motive (Fußball)</source>
        <translation>Motifs (football)</translation>
    </message>
    <message>
        <source>1 Ball, 2 Tor, 3 Pokal</source>
        <translation>1 ball, 2 goal, 3 trophy</translation>
    </message>
    <message>
        <source>Mask Entrauschen Luminance (HD)</source>
        <translation>Mask denoise luminance (HD)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</source>
        <translation>How strongly the luminance noise is smoothed in flat image areas</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die geglättet wird</source>
        <translation>Size of the area over which smoothing is done</translation>
    </message>
    <message>
        <source>Detailschwelle</source>
        <translation>Detail threshold</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</source>
        <translation>Brightness rise per pixel from which an area counts as structure and stays unchanged</translation>
    </message>
    <message>
        <source>Wirkung abhängig von der Helligkeit des Bildpunkts</source>
        <translation>Effect depending on the brightness of the pixel</translation>
    </message>
    <message>
        <source>Mask Schärfen Luminance (HD)</source>
        <translation>Mask sharpen luminance (HD)</translation>
    </message>
    <message>
        <source>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</source>
        <translation>How strongly edges and structures are sharpened; flat areas stay unsharpened</translation>
    </message>
    <message>
        <source>Größe der Details, die geschärft werden</source>
        <translation>Size of the details that are sharpened</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</source>
        <translation>Brightness rise per pixel from which an area counts as structure and is sharpened</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>Overshoot</translation>
    </message>
    <message>
        <source>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</source>
        <translation>How far a sharpened edge may go beyond the brightness of its surroundings; limits halos</translation>
    </message>
    <message>
        <source>adaptive Bildschärfe</source>
        <translation>Adaptive sharpening</translation>
    </message>
    <message>
        <source>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</source>
        <translation>How strongly to sharpen; the strength follows the local contrast: flat areas not at all, hard edges less</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren</source>
        <translation>Reduce camera shake</translation>
    </message>
    <message>
        <source>Wie weit die Verwacklung herausgerechnet wird</source>
        <translation>How far the camera shake is removed</translation>
    </message>
    <message>
        <source>Unschärferadius</source>
        <translation>Blur radius</translation>
    </message>
    <message>
        <source>Wie weit das Bild verwackelt ist</source>
        <translation>How far the image is shaken</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Iterations</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>few</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>many</translation>
    </message>
    <message>
        <source>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</source>
        <translation>Steps of the deconvolution: more steps restore more sharpness and take longer</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren (Farbe)</source>
        <translation>Reduce camera shake (colour)</translation>
    </message>
    <message>
        <source>Entrauschen Farbwolken</source>
        <translation>Denoise colour blotches</translation>
    </message>
    <message>
        <source>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</source>
        <translation>Colour blotches up to about a third of this size are removed</translation>
    </message>
    <message>
        <source>Wie weit die Farbwolken entfernt werden</source>
        <translation>How far the colour blotches are removed</translation>
    </message>
    <message>
        <source>kräftig</source>
        <translation>strong</translation>
    </message>
    <message>
        <source>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</source>
        <translation>Colour deviation up to which a blotch counts as noise; stronger colours stay</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (UHD)</source>
        <translation>Denoise luminance (UHD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</source>
        <translation>How strongly the luminance noise is smoothed; similar patches of the surroundings are averaged</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (U2HD)</source>
        <translation>Denoise luminance (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen (Gap Fill)</source>
        <translation>Denoise (gap fill)</translation>
    </message>
    <message>
        <source>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</source>
        <translation>How far single outlier pixels are filled with the mean of their neighbours</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>low</translation>
    </message>
    <message>
        <source>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</source>
        <translation>How far a pixel must stick out beyond the range of its neighbours, relative to that range, to count as a gap</translation>
    </message>
    <message>
        <source>Details restaurieren</source>
        <translation>Restore details</translation>
    </message>
    <message>
        <source>Detailgröße</source>
        <translation>Detail size</translation>
    </message>
    <message>
        <source>Größe der Details, die aus dem Originalbild zurückgeholt werden</source>
        <translation>Size of the details brought back from the original image</translation>
    </message>
    <message>
        <source>Wie viel der verlorenen Details zurückkehrt</source>
        <translation>How much of the lost detail returns</translation>
    </message>
    <message>
        <source>Rauschschwelle</source>
        <translation>Noise threshold</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</source>
        <translation>Finer differences count as noise and do not return</translation>
    </message>
    <message>
        <source>Dither (Floyd Steinberg)</source>
        <translation>Dithering (error diffusion)</translation>
    </message>
    <message>
        <source>Bittiefe</source>
        <translation>Bit depth</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Stufen pro Farbkanal nach der Reduktion</source>
        <translation>Levels per colour channel after the reduction</translation>
    </message>
    <message>
        <source>Fehlerverteilung</source>
        <translation>Error diffusion</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>full</translation>
    </message>
    <message>
        <source>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</source>
        <translation>How much of the rounding error is passed on to the neighbours: prevents banding in gradients</translation>
    </message>
    <message>
        <source>Entrauschen (Farbe)</source>
        <translation>Denoise (colour)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die die Farbe geglättet wird</source>
        <translation>Size of the area over which the colour is smoothed</translation>
    </message>
    <message>
        <source>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</source>
        <translation>How strongly the colour noise is smoothed; brightness stays unchanged</translation>
    </message>
    <message>
        <source>Entrauschen (Flächen glätten)</source>
        <translation>Denoise (smooth areas)</translation>
    </message>
    <message>
        <source>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</source>
        <translation>How far flat areas are smoothed to their mean</translation>
    </message>
    <message>
        <source>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</source>
        <translation>Brightness spread up to which an area counts as flat</translation>
    </message>
    <message>
        <source>Entrauschen (Banding)</source>
        <translation>Denoise (banding)</translation>
    </message>
    <message>
        <source>Breite der Streifen, die zu einem glatten Verlauf werden</source>
        <translation>Width of the bands that become a smooth gradient</translation>
    </message>
    <message>
        <source>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</source>
        <translation>Height of the steps that are smoothed; higher edges are kept</translation>
    </message>
    <message>
        <source>Kantenverstärker</source>
        <translation>Edge enhancer</translation>
    </message>
    <message>
        <source>Größe der Kanten, die verstärkt werden</source>
        <translation>Size of the edges that are enhanced</translation>
    </message>
    <message>
        <source>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</source>
        <translation>How strongly the brightness contrast at edges is enhanced</translation>
    </message>
    <message>
        <source>Farbton Kantenverstärker</source>
        <translation>Hue edge enhancer</translation>
    </message>
    <message>
        <source>Wie stark der Farbkontrast an Farbkanten verstärkt wird</source>
        <translation>How strongly the colour contrast at colour edges is enhanced</translation>
    </message>
    <message>
        <source>Entrauschen (soften)</source>
        <translation>Denoise (soften)</translation>
    </message>
    <message>
        <source>Länge, über die entlang der Kanten gemittelt wird</source>
        <translation>Length over which averaging is done along the edges</translation>
    </message>
    <message>
        <source>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</source>
        <translation>How strongly smoothing is done along the edges; edges stay sharp</translation>
    </message>
    <message>
        <source>Schärfen HD Gradient</source>
        <translation>Sharpen HD gradient</translation>
    </message>
    <message>
        <source>Breite des Schärfens quer zur Kante</source>
        <translation>Width of the sharpening across the edge</translation>
    </message>
    <message>
        <source>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</source>
        <translation>How strongly to sharpen across the edges; noise along the edges is not enhanced</translation>
    </message>
    <message>
        <source>Schärfen Chrominance (HD)</source>
        <translation>Sharpen chrominance (HD)</translation>
    </message>
    <message>
        <source>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</source>
        <translation>How strongly colour edges are sharpened; brightness stays unchanged</translation>
    </message>
    <message>
        <source>Größe der Farbdetails, die geschärft werden</source>
        <translation>Size of the colour details that are sharpened</translation>
    </message>
    <message>
        <source>Schärfen Luminance (HD)</source>
        <translation>Sharpen luminance (HD)</translation>
    </message>
    <message>
        <source>Wie stark die Helligkeit geschärft wird</source>
        <translation>How strongly the brightness is sharpened</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</source>
        <translation>Finer differences count as noise and are not sharpened</translation>
    </message>
    <message>
        <source>Schärfen Luminance (UHD)</source>
        <translation>Sharpen luminance (UHD)</translation>
    </message>
    <message>
        <source>Stärke fein</source>
        <translation>Fine strength</translation>
    </message>
    <message>
        <source>Schärfung der feinsten Details</source>
        <translation>Sharpening of the finest details</translation>
    </message>
    <message>
        <source>Stärke mittel</source>
        <translation>Medium strength</translation>
    </message>
    <message>
        <source>Schärfung der Details doppelter Größe</source>
        <translation>Sharpening of details of double size</translation>
    </message>
    <message>
        <source>Größe der feinsten Details</source>
        <translation>Size of the finest details</translation>
    </message>
    <message>
        <source>Schärfen Luminance (U2HD)</source>
        <translation>Sharpen luminance (U2HD)</translation>
    </message>
    <message>
        <source>Stärke grob</source>
        <translation>Coarse strength</translation>
    </message>
    <message>
        <source>Schärfung der Details vierfacher Größe</source>
        <translation>Sharpening of details of four times the size</translation>
    </message>
    <message>
        <source>Entrauschen (Median)</source>
        <translation>Denoise (median)</translation>
    </message>
    <message>
        <source>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</source>
        <translation>How far each colour channel moves to the median of its 3×3 neighbourhood: removes single-pixel noise</translation>
    </message>
    <message>
        <source>Entrauschen (Varianz)</source>
        <translation>Denoise (variance)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, deren Streuung gemessen wird</source>
        <translation>Size of the area whose spread is measured</translation>
    </message>
    <message>
        <source>Rauschpegel</source>
        <translation>Noise level</translation>
    </message>
    <message>
        <source>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</source>
        <translation>Spread that counts as noise: areas with less spread are smoothed, structures stay</translation>
    </message>
    <message>
        <source>Himmel entrauschen</source>
        <translation>Denoise sky</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die der Himmel geglättet wird</source>
        <translation>Size of the area over which the sky is smoothed</translation>
    </message>
    <message>
        <source>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</source>
        <translation>How strongly noise and banding in sky-coloured areas are smoothed</translation>
    </message>
    <message>
        <source>Entrauschen (Min-Max)</source>
        <translation>Denoise (min-max)</translation>
    </message>
    <message>
        <source>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</source>
        <translation>How far outliers are pulled back into the range of their neighbours</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</source>
        <translation>How far a value may exceed its neighbours before it is limited</translation>
    </message>
    <message>
        <source>Entrauschen (Iterativ)</source>
        <translation>Denoise (iterative)</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</source>
        <translation>Number of smoothing steps: more steps smooth over a wider area</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</source>
        <translation>Brightness difference up to which smoothing is done; larger differences count as edges</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (HD)</source>
        <translation>Denoise chrominance (HD)</translation>
    </message>
    <message>
        <source>Größe der feinsten Farbflecken, die geglättet werden</source>
        <translation>Size of the finest colour blotches that are smoothed</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (UHD)</source>
        <translation>Denoise chrominance (UHD)</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (U2HD)</source>
        <translation>Denoise chrominance (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD)</source>
        <translation>Denoise luminance (HD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</source>
        <translation>How strongly the luminance noise is smoothed; edges are kept</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD iter)</source>
        <translation>Denoise luminance (HD iterative)</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</source>
        <translation>Number of smoothing passes, each a little weaker than the one before</translation>
    </message>
    <message>
        <source>Größe der Umgebung eines Durchgangs</source>
        <translation>Size of the area of one pass</translation>
    </message>
    <message>
        <source>Artefakte reduzieren</source>
        <translation>Reduce artefacts</translation>
    </message>
    <message>
        <source>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</source>
        <translation>Height of the compression block edges that are smoothed; higher edges stay</translation>
    </message>
    <message>
        <source>Blockgröße</source>
        <translation>Block size</translation>
    </message>
    <message>
        <source>Rastergröße der Kompressionsblöcke im Originalbild</source>
        <translation>Grid size of the compression blocks in the original image</translation>
    </message>
    <message>
        <source>Bewegungsunschärfe reduzieren</source>
        <translation>Reduce motion blur</translation>
    </message>
    <message>
        <source>Wie weit die Bewegungsunschärfe herausgerechnet wird</source>
        <translation>How far the motion blur is removed</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>short</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>long</translation>
    </message>
    <message>
        <source>Länge der Bewegungsspur im Bild</source>
        <translation>Length of the motion trail in the image</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</source>
        <translation>Direction of motion: 0° horizontal, 90° vertical</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosion</translation>
    </message>
    <message>
        <source>Wie weit dunkle Bereiche in helle hineinwachsen</source>
        <translation>How far dark areas grow into bright ones</translation>
    </message>
    <message>
        <source>Dilatation</source>
        <translation>Dilation</translation>
    </message>
    <message>
        <source>Wie weit helle Bereiche in dunkle hineinwachsen</source>
        <translation>How far bright areas grow into dark ones</translation>
    </message>
    <message>
        <source>Doppler</source>
        <translation>Double image</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Versatz des Doppelbildes</source>
        <translation>Offset of the double image</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</source>
        <translation>Direction of the offset, anticlockwise from the right</translation>
    </message>
    <message>
        <source>Deckkraft des Doppelbildes</source>
        <translation>Opacity of the double image</translation>
    </message>
    <message>
        <source>Normalisieren</source>
        <translation>Normalise</translation>
    </message>
    <message>
        <source>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</source>
        <translation>How far the tones are stretched to the full range and the midtones balanced</translation>
    </message>
    <message>
        <source>Zielhelligkeit</source>
        <translation>Target brightness</translation>
    </message>
    <message>
        <source>Helligkeit, auf die der Median des Bildes gebracht wird</source>
        <translation>Brightness to which the median of the image is brought</translation>
    </message>
    <message>
        <source>Local Contrast (Mask)</source>
        <translation>Local contrast (mask)</translation>
    </message>
    <message>
        <source>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</source>
        <translation>Size of the area in pixels of the full-resolution image</translation>
    </message>
    <message>
        <source>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</source>
        <translation>Local contrast of the brightness; the colours are kept</translation>
    </message>
    <message>
        <source>Kantenschutz</source>
        <translation>Edge protection</translation>
    </message>
    <message>
        <source>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</source>
        <translation>Holds back large brightness jumps so that no halos appear at edges</translation>
    </message>
    <message>
        <source>Stärke der Wirkung abhängig von der Helligkeit</source>
        <translation>Strength of the effect depending on the brightness</translation>
    </message>
    <message>
        <source>Luminanz Kontrast</source>
        <translation>Luminance contrast</translation>
    </message>
    <message>
        <source>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</source>
        <translation>Contrast of the brightness; hue and saturation are kept</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>Pivot</translation>
    </message>
    <message>
        <source>Helligkeit, die unverändert bleibt</source>
        <translation>Brightness that stays unchanged</translation>
    </message>
    <message>
        <source>Helligkeit ebnen</source>
        <translation>Even out brightness</translation>
    </message>
    <message>
        <source>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</source>
        <translation>Evens out uneven lighting; the details are kept</translation>
    </message>
    <message>
        <source>Größe der Flächen, über die die Helligkeit ausgeglichen wird</source>
        <translation>Size of the areas over which the brightness is evened out</translation>
    </message>
    <message>
        <source>_Highlight Recover</source>
        <translation>Highlight recovery</translation>
    </message>
    <message>
        <source>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</source>
        <translation>Compresses the brightest tones softly without any colour channel burning out</translation>
    </message>
    <message>
        <source>Einsatzpunkt</source>
        <translation>Onset</translation>
    </message>
    <message>
        <source>früh</source>
        <translation>early</translation>
    </message>
    <message>
        <source>spät</source>
        <translation>late</translation>
    </message>
    <message>
        <source>Helligkeit, ab der die Lichter zusammengedrückt werden</source>
        <translation>Brightness from which the highlights are compressed</translation>
    </message>
    <message>
        <source>Nebel reduzieren</source>
        <translation>Reduce haze</translation>
    </message>
    <message>
        <source>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</source>
        <translation>Removes the bright veil of fog and haze from the image</translation>
    </message>
    <message>
        <source>Spitzlichter wiederherstellen</source>
        <translation>Recover specular highlights</translation>
    </message>
    <message>
        <source>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</source>
        <translation>Darkens bright areas as a whole and keeps the detail in them</translation>
    </message>
    <message>
        <source>Helligkeit der Umgebung, ab der abgedunkelt wird</source>
        <translation>Brightness of the surroundings from which darkening starts</translation>
    </message>
    <message>
        <source>Weißkorrektur</source>
        <translation>White correction</translation>
    </message>
    <message>
        <source>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</source>
        <translation>Removes the colour cast from the highlights and brightens them to pure white</translation>
    </message>
    <message>
        <source>Helligkeit, ab der korrigiert wird</source>
        <translation>Brightness from which correction is done</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>Graduated brightness</translation>
    </message>
    <message>
        <source>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</source>
        <translation>Gamma of the image side before the line; negative values darken it (such as a sky)</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Richtung des Verlaufs; 90° verläuft von oben nach unten</source>
        <translation>Direction of the gradient; 90° runs from top to bottom</translation>
    </message>
    <message>
        <source>Übergang</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Breite des Übergangs über die Linie</source>
        <translation>Width of the transition across the line</translation>
    </message>
    <message>
        <source>Linienmitte</source>
        <translation>Line centre</translation>
    </message>
    <message>
        <source>Punkt, durch den die Übergangslinie läuft</source>
        <translation>Point through which the transition line runs</translation>
    </message>
    <message>
        <source>Weiche Details</source>
        <translation>Soft details</translation>
    </message>
    <message>
        <source>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</source>
        <translation>Smooths fine structures such as skin or noise; edges stay sharp</translation>
    </message>
    <message>
        <source>Größe der Strukturen, die geglättet werden</source>
        <translation>Size of the structures that are smoothed</translation>
    </message>
    <message>
        <source>Weiche Kontur</source>
        <translation>Soft contour</translation>
    </message>
    <message>
        <source>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</source>
        <translation>Gives contours a soft, glowing edge; areas stay sharp</translation>
    </message>
    <message>
        <source>Breite des weichen Randes</source>
        <translation>Width of the soft edge</translation>
    </message>
    <message>
        <source>Randlicht-Verteilung</source>
        <translation>Edge light distribution</translation>
    </message>
    <message>
        <source>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</source>
        <translation>Evens out the fall-off of light towards the image edge (vignetting, flash)</translation>
    </message>
    <message>
        <source>Dynamische Helligkeit</source>
        <translation>Dynamic brightness</translation>
    </message>
    <message>
        <source>erweitern</source>
        <translation>expand</translation>
    </message>
    <message>
        <source>verdichten</source>
        <translation>compress</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</source>
        <translation>Brightens dark surroundings and darkens bright ones (or the other way round)</translation>
    </message>
    <message>
        <source>automatischer Schwarz/Weißpunkt</source>
        <translation>Automatic black/white point</translation>
    </message>
    <message>
        <source>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</source>
        <translation>How far the black and white points of the image are stretched to the full range</translation>
    </message>
    <message>
        <source>gewogener Schwarz/Weißpunkt</source>
        <translation>Weighted black/white point</translation>
    </message>
    <message>
        <source>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</source>
        <translation>How far the measured points are stretched to the full range</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</source>
        <translation>Share of the darkest and brightest pixels whose mean gives the black and white points</translation>
    </message>
    <message>
        <source>Histogramm Abgleich</source>
        <translation>Histogram equalisation</translation>
    </message>
    <message>
        <source>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</source>
        <translation>Spreads the tones evenly over the whole range</translation>
    </message>
    <message>
        <source>Kontrastbegrenzung</source>
        <translation>Contrast limit</translation>
    </message>
    <message>
        <source>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</source>
        <translation>Limits how strongly large uniform areas are spread</translation>
    </message>
    <message>
        <source>Licht/Schatten anpassen</source>
        <translation>Adjust highlights/shadows</translation>
    </message>
    <message>
        <source>Lichter</source>
        <translation>Highlights</translation>
    </message>
    <message>
        <source>Belichtung der hellen Töne</source>
        <translation>Exposure of the bright tones</translation>
    </message>
    <message>
        <source>Belichtung der dunklen Töne</source>
        <translation>Exposure of the dark tones</translation>
    </message>
    <message>
        <source>Tonbreite</source>
        <translation>Tonal width</translation>
    </message>
    <message>
        <source>Wie weit Lichter und Schatten in die Mitteltöne reichen</source>
        <translation>How far highlights and shadows reach into the midtones</translation>
    </message>
    <message>
        <source>Lichttuner</source>
        <translation>Light tuner</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</source>
        <translation>Brightens dark surroundings more than bright ones; then the black and white points are set again</translation>
    </message>
    <message>
        <source>Percentile justieren</source>
        <translation>Adjust percentiles</translation>
    </message>
    <message>
        <source>Dunkles Perzentil</source>
        <translation>Dark percentile</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der schwarz wird</source>
        <translation>Share of the pixels of each colour channel that become black</translation>
    </message>
    <message>
        <source>Helles Perzentil</source>
        <translation>Bright percentile</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der weiß wird</source>
        <translation>Share of the pixels of each colour channel that become white</translation>
    </message>
    <message>
        <source>Gradationskurve (logarithm.)</source>
        <translation>Tone curve (logarithmic)</translation>
    </message>
    <message>
        <source>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</source>
        <translation>Tone curve over the logarithmic brightness: the shadows get most of the width</translation>
    </message>
    <message>
        <source>Tonwerte justieren</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Schwarzwert</source>
        <translation>Black level</translation>
    </message>
    <message>
        <source>Helligkeit, die schwarz wird</source>
        <translation>Brightness that becomes black</translation>
    </message>
    <message>
        <source>Weißwert</source>
        <translation>White level</translation>
    </message>
    <message>
        <source>Helligkeit, die weiß wird</source>
        <translation>Brightness that becomes white</translation>
    </message>
    <message>
        <source>Mitteltöne</source>
        <translation>Midtones</translation>
    </message>
    <message>
        <source>Gamma der Mitteltöne</source>
        <translation>Gamma of the midtones</translation>
    </message>
    <message>
        <source>Ausgabe Schwarz</source>
        <translation>Output black</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Schwarz gesetzt wird</source>
        <translation>Brightness to which black is set</translation>
    </message>
    <message>
        <source>Ausgabe Weiß</source>
        <translation>Output white</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Weiß gesetzt wird</source>
        <translation>Brightness to which white is set</translation>
    </message>
    <message>
        <source>Graustufenumwandlung</source>
        <translation>Greyscale conversion</translation>
    </message>
    <message>
        <source>Rotanteil</source>
        <translation>Red share</translation>
    </message>
    <message>
        <source>Anteil des roten Kanals am Grau</source>
        <translation>Share of the red channel in the grey</translation>
    </message>
    <message>
        <source>Grünanteil</source>
        <translation>Green share</translation>
    </message>
    <message>
        <source>Anteil des grünen Kanals am Grau</source>
        <translation>Share of the green channel in the grey</translation>
    </message>
    <message>
        <source>Blauanteil</source>
        <translation>Blue share</translation>
    </message>
    <message>
        <source>Anteil des blauen Kanals am Grau</source>
        <translation>Share of the blue channel in the grey</translation>
    </message>
    <message>
        <source>Fraktales_Korn</source>
        <translation>Fractal grain</translation>
    </message>
    <message>
        <source>Stärke des Korns</source>
        <translation>Strength of the grain</translation>
    </message>
    <message>
        <source>Größe der Körner im Bild in voller Auflösung</source>
        <translation>Size of the grains in the full-resolution image</translation>
    </message>
    <message>
        <source>Rauheit</source>
        <translation>Roughness</translation>
    </message>
    <message>
        <source>rau</source>
        <translation>rough</translation>
    </message>
    <message>
        <source>Anteil der feineren Kornstufen</source>
        <translation>Share of the finer grain levels</translation>
    </message>
    <message>
        <source>Kornbewegung</source>
        <translation>Grain motion</translation>
    </message>
    <message>
        <source>eingefroren</source>
        <translation>frozen</translation>
    </message>
    <message>
        <source>jedes Bild neu</source>
        <translation>new each frame</translation>
    </message>
    <message>
        <source>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</source>
        <translation>How often the grain changes in videos; 0 keeps it fixed over all frames</translation>
    </message>
    <message>
        <source>Analoges_Korn</source>
        <translation>Analogue grain</translation>
    </message>
    <message>
        <source>Farbkorn</source>
        <translation>Colour grain</translation>
    </message>
    <message>
        <source>einfarbig</source>
        <translation>monochrome</translation>
    </message>
    <message>
        <source>farbig</source>
        <translation>coloured</translation>
    </message>
    <message>
        <source>Anteil des Korns, der in jedem Farbkanal eigen ist</source>
        <translation>Share of the grain that is separate in each colour channel</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSV)</source>
        <translation>Fractal grain (HSV)</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSL)</source>
        <translation>Fractal grain (HSL)</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSV)</source>
        <translation>Analogue grain (HSV)</translation>
    </message>
    <message>
        <source>Sättigungskorn</source>
        <translation>Saturation grain</translation>
    </message>
    <message>
        <source>Korn auch in der Sättigung; der Farbton bleibt erhalten</source>
        <translation>Grain in the saturation too; the hue is kept</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSL)</source>
        <translation>Analogue grain (HSL)</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Bleach bypass</translation>
    </message>
    <message>
        <source>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</source>
        <translation>More contrast and less colour, as when the bleach bath is skipped</translation>
    </message>
    <message>
        <source>Veiling Glare</source>
        <translation>Veiling glare</translation>
    </message>
    <message>
        <source>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</source>
        <translation>Stray light in the lens: bright areas lay a veil over their surroundings</translation>
    </message>
    <message>
        <source>Local Contour</source>
        <translation>Local contour</translation>
    </message>
    <message>
        <source>Verstärkung der Konturen</source>
        <translation>Contour enhancement</translation>
    </message>
    <message>
        <source>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</source>
        <translation>Fine differences below it (grain, noise) are not enhanced</translation>
    </message>
    <message>
        <source>Struktur (Tonung)</source>
        <translation>Texture (toning)</translation>
    </message>
    <message>
        <source>Wie stark die Struktur über dem Bild liegt</source>
        <translation>How strongly the texture lies over the image</translation>
    </message>
    <message>
        <source>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</source>
        <translation>Scale of the texture, from a quarter to four times</translation>
    </message>
    <message>
        <source>Muster</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Wählt eine von tausend Varianten der Struktur</source>
        <translation>Chooses one of a thousand variants of the texture</translation>
    </message>
    <message>
        <source>Farbe der Struktur</source>
        <translation>Colour of the texture</translation>
    </message>
    <message>
        <source>Struktur (Staub)</source>
        <translation>Texture (dust)</translation>
    </message>
    <message>
        <source>Struktur (Licht)</source>
        <translation>Texture (light)</translation>
    </message>
    <message>
        <source>Struktur (Doppelbelichtung)</source>
        <translation>Texture (double exposure)</translation>
    </message>
    <message>
        <source>Struktur (Projektion)</source>
        <translation>Texture (projection)</translation>
    </message>
    <message>
        <source>Struktur (Vignette)</source>
        <translation>Texture (vignette)</translation>
    </message>
    <message>
        <source>Struktur (Stoffe)</source>
        <translation>Texture (fabrics)</translation>
    </message>
    <message>
        <source>Struktur (Risse)</source>
        <translation>Texture (cracks)</translation>
    </message>
    <message>
        <source>Struktur (Stein)</source>
        <translation>Texture (stone)</translation>
    </message>
    <message>
        <source>Struktur (Papier)</source>
        <translation>Texture (paper)</translation>
    </message>
    <message>
        <source>Struktur (Metalle)</source>
        <translation>Texture (metals)</translation>
    </message>
    <message>
        <source>Struktur (Puzzle)</source>
        <translation>Texture (puzzle)</translation>
    </message>
    <message>
        <source>Schwarz-Weiß</source>
        <translation>Black and white</translation>
    </message>
    <message>
        <source>Lokaler Kontrast</source>
        <translation>Local contrast</translation>
    </message>
    <message>
        <source>Lokaler Kontrast des Graubilds</source>
        <translation>Local contrast of the grey image</translation>
    </message>
    <message>
        <source>Rotfilter</source>
        <translation>Red filter</translation>
    </message>
    <message>
        <source>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</source>
        <translation>How bright red tones become in the grey (a red filter darkens the blue sky)</translation>
    </message>
    <message>
        <source>Grünfilter</source>
        <translation>Green filter</translation>
    </message>
    <message>
        <source>Wie hell grüne Töne im Grau werden</source>
        <translation>How bright green tones become in the grey</translation>
    </message>
    <message>
        <source>Blaufilter</source>
        <translation>Blue filter</translation>
    </message>
    <message>
        <source>Wie hell blaue Töne im Grau werden</source>
        <translation>How bright blue tones become in the grey</translation>
    </message>
    <message>
        <source>Zentrum belichten</source>
        <translation>Expose the centre</translation>
    </message>
    <message>
        <source>Belichtung des Zentrums in Blendenstufen</source>
        <translation>Exposure of the centre in stops</translation>
    </message>
    <message>
        <source>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</source>
        <translation>Size of the fully exposed centre, relative to half the image diagonal</translation>
    </message>
    <message>
        <source>Breite des Übergangs nach außen</source>
        <translation>Width of the transition outwards</translation>
    </message>
    <message>
        <source>Mitte des belichteten Bereichs</source>
        <translation>Centre of the exposed area</translation>
    </message>
    <message>
        <source>Weicher Kontrast</source>
        <translation>Soft contrast</translation>
    </message>
    <message>
        <source>weicher</source>
        <translation>softer</translation>
    </message>
    <message>
        <source>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</source>
        <translation>S-curve of the brightness whose highlights and shadows roll off softly</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Helligkeit, um die die Kurve dreht</source>
        <translation>Brightness around which the curve turns</translation>
    </message>
    <message>
        <source>Halftone</source>
        <translation>Halftone</translation>
    </message>
    <message>
        <source>Rasterweite</source>
        <translation>Screen ruling</translation>
    </message>
    <message>
        <source>Abstand der Rasterpunkte im Bild in voller Auflösung</source>
        <translation>Distance of the halftone dots in the full-resolution image</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Winkel des Rasters</source>
        <translation>Angle of the screen</translation>
    </message>
    <message>
        <source>Wie stark das Raster über dem Bild liegt</source>
        <translation>How strongly the screen lies over the image</translation>
    </message>
    <message>
        <source>Farbraster</source>
        <translation>Colour screen</translation>
    </message>
    <message>
        <source>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</source>
        <translation>A separate screen for each colour channel instead of a grey screen</translation>
    </message>
    <message>
        <source>Struktur (Wellen)</source>
        <translation>Texture (waves)</translation>
    </message>
    <message>
        <source>Struktur (Leinen)</source>
        <translation>Texture (linen)</translation>
    </message>
    <message>
        <source>Alterung</source>
        <translation>Ageing</translation>
    </message>
    <message>
        <source>Gesamtwirkung der Alterung</source>
        <translation>Overall effect of the ageing</translation>
    </message>
    <message>
        <source>Vergilbung</source>
        <translation>Yellowing</translation>
    </message>
    <message>
        <source>Gelbstich, vor allem in den Lichtern</source>
        <translation>Yellow cast, especially in the highlights</translation>
    </message>
    <message>
        <source>Verblassen</source>
        <translation>Fading</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Angehobene Schwarztöne und stumpfe Lichter</source>
        <translation>Lifted blacks and dull highlights</translation>
    </message>
    <message>
        <source>Flecken</source>
        <translation>Spots</translation>
    </message>
    <message>
        <source>Braune Flecken und Staubpunkte</source>
        <translation>Brown spots and dust specks</translation>
    </message>
    <message>
        <source>Iter Tonemapping Kontrast</source>
        <translation>Iterative tone mapping contrast</translation>
    </message>
    <message>
        <source>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</source>
        <translation>Size of the areas whose brightness is matched as a whole.</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</source>
        <translation>How far bright and dark image areas are brought closer together.</translation>
    </message>
    <message>
        <source>erhalten</source>
        <translation>kept</translation>
    </message>
    <message>
        <source>Iter Tonemapping Brillanz</source>
        <translation>Iterative tone mapping brilliance</translation>
    </message>
    <message>
        <source>Brillanz</source>
        <translation>Brilliance</translation>
    </message>
    <message>
        <source>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</source>
        <translation>Enhances the details and colours of each channel against the brightness.</translation>
    </message>
    <message>
        <source>Maske - Details</source>
        <translation>Mask - Details</translation>
    </message>
    <message>
        <source>feine Details</source>
        <translation>fine details</translation>
    </message>
    <message>
        <source>grobe Kanten</source>
        <translation>coarse edges</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</source>
        <translation>Brightness difference in the 3×3 neighbourhood from which a pixel counts as detail.</translation>
    </message>
    <message>
        <source>Maske - NonDetails</source>
        <translation>Mask - Areas without detail</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Rot</source>
        <translation>Mask - Red share</translation>
    </message>
    <message>
        <source>rein</source>
        <translation>pure</translation>
    </message>
    <message>
        <source>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Share of the red channel in the sum of the three channels from which a pixel is selected (grey: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Grün</source>
        <translation>Mask - Green share</translation>
    </message>
    <message>
        <source>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Share of the green channel in the sum of the three channels from which a pixel is selected (grey: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Blau</source>
        <translation>Mask - Blue share</translation>
    </message>
    <message>
        <source>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Share of the blue channel in the sum of the three channels from which a pixel is selected (grey: 33 %).</translation>
    </message>
    <message>
        <source>Maske - MinMax</source>
        <translation>Mask - Min/max</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</source>
        <translation>The darkest channel must be at least this bright: blocked shadows stay excluded.</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</source>
        <translation>The brightest channel may be at most this bright: blown highlights stay excluded.</translation>
    </message>
    <message>
        <source>Maske - Gradation</source>
        <translation>Mask - Tone curve</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Auswahlstärke über der Helligkeit.</source>
        <translation>Selection strength over the brightness.</translation>
    </message>
    <message>
        <source>Maske - Verlauf</source>
        <translation>Mask - Gradient</translation>
    </message>
    <message>
        <source>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</source>
        <translation>Fully selected at the first point, no longer from the second point on.</translation>
    </message>
    <message>
        <source>Maske - Vignette</source>
        <translation>Mask - Vignette</translation>
    </message>
    <message>
        <source>Zentrum</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</source>
        <translation>Beyond this distance from the centre (100 %: the corners) the edge is fully selected.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne</source>
        <translation>Mask - Skin tones</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf.</source>
        <translation>How far the hue may deviate from the skin tone.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne schützen</source>
        <translation>Mask - Protect skin tones</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</source>
        <translation>How far the hue may deviate from the skin tone; everything except skin is selected.</translation>
    </message>
    <message>
        <source>Maske - Himmelsfarben</source>
        <translation>Mask - Sky colours</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Himmelblau abweichen darf.</source>
        <translation>How far the hue may deviate from sky blue.</translation>
    </message>
    <message>
        <source>Maske - organisches Grün</source>
        <translation>Mask - Foliage green</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</source>
        <translation>How far the hue may deviate from the green of leaves and grass.</translation>
    </message>
    <message>
        <source>horizontale Weichzeichnung</source>
        <translation>Horizontal blur</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</source>
        <translation>Blur along the rows only: horizontal edges stay sharp.</translation>
    </message>
    <message>
        <source>vertikale Weichzeichnung</source>
        <translation>Vertical blur</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</source>
        <translation>Blur along the columns only: vertical edges stay sharp.</translation>
    </message>
    <message>
        <source>gerichtete Weichzeichnung</source>
        <translation>Directional blur</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>Richtung der Weichzeichnung; 0° waagrecht, 90° senkrecht.</source>
        <translation>Direction of the blur; 0° horizontal, 90° vertical.</translation>
    </message>
    <message>
        <source>Verflüssigen</source>
        <translation>Liquify</translation>
    </message>
    <message>
        <source>Größte Verschiebung der Bildpunkte.</source>
        <translation>Largest displacement of the pixels.</translation>
    </message>
    <message>
        <source>Strukturgröße</source>
        <translation>Structure size</translation>
    </message>
    <message>
        <source>Kirlian Weichzeichnung</source>
        <translation>Corona blur</translation>
    </message>
    <message>
        <source>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</source>
        <translation>How far bright areas radiate softly into their darker surroundings.</translation>
    </message>
    <message>
        <source>Kirlian Leuchten</source>
        <translation>Corona glow</translation>
    </message>
    <message>
        <source>Breite der Korona um die Kanten.</source>
        <translation>Width of the corona around the edges.</translation>
    </message>
    <message>
        <source>Leuchtkraft</source>
        <translation>Luminosity</translation>
    </message>
    <message>
        <source>Neon Leuchten</source>
        <translation>Neon glow</translation>
    </message>
    <message>
        <source>Leuchtradius</source>
        <translation>Glow radius</translation>
    </message>
    <message>
        <source>Breite des Leuchtens um die Kanten.</source>
        <translation>Width of the glow around the edges.</translation>
    </message>
    <message>
        <source>Hintergrund abdunkeln</source>
        <translation>Darken background</translation>
    </message>
    <message>
        <source>Bildleuchten</source>
        <translation>Image glow</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Bildbereiche leuchten.</source>
        <translation>Brightness from which image areas glow.</translation>
    </message>
    <message>
        <source>kantenerhaltende Weichzeichnung</source>
        <translation>Edge-preserving blur</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</source>
        <translation>How large brightness differences are still smoothed; larger edges are kept.</translation>
    </message>
    <message>
        <source>Gauss-Weichzeichnung</source>
        <translation>Gaussian blur</translation>
    </message>
    <message>
        <source>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</source>
        <translation>Farthest distance from which a pixel contributes (about three standard deviations).</translation>
    </message>
    <message>
        <source>Farbkanal Weichzeichnung</source>
        <translation>Colour channel blur</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Rotkanal.</source>
        <translation>Share of the radius for the red channel.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Grünkanal.</source>
        <translation>Share of the radius for the green channel.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Blaukanal.</source>
        <translation>Share of the radius for the blue channel.</translation>
    </message>
    <message>
        <source>Farbton Weichzeichnung</source>
        <translation>Hue blur</translation>
    </message>
    <message>
        <source>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</source>
        <translation>The colour is blurred, the brightness stays: colour noise and colour fringes disappear.</translation>
    </message>
    <message>
        <source>Kreis-Weichzeichnung</source>
        <translation>Radial blur</translation>
    </message>
    <message>
        <source>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</source>
        <translation>Arc over which each pixel is smeared around the centre.</translation>
    </message>
    <message>
        <source>Fokus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Unschärfe</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Schärfebereich</source>
        <translation>Sharp area</translation>
    </message>
    <message>
        <source>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</source>
        <translation>Radius of the sharp area around the centre (100 %: the corners).</translation>
    </message>
    <message>
        <source>Bokeh</source>
        <translation>Bokeh</translation>
    </message>
    <message>
        <source>Radius der Unschärfescheibe.</source>
        <translation>Radius of the blur disc.</translation>
    </message>
    <message>
        <source>Lichter betonen</source>
        <translation>Emphasise highlights</translation>
    </message>
    <message>
        <source>Helle Lichter werden zu hellen Scheiben.</source>
        <translation>Bright highlights become bright discs.</translation>
    </message>
    <message>
        <source>Licht-Bokeh</source>
        <translation>Light bokeh</translation>
    </message>
    <message>
        <source>Radius der Lichtscheiben.</source>
        <translation>Radius of the light discs.</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Lichter Scheiben bilden.</source>
        <translation>Brightness from which highlights form discs.</translation>
    </message>
    <message>
        <source>Warp</source>
        <translation>Warp</translation>
    </message>
    <message>
        <source>Verschiebung</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>Einflussradius</source>
        <translation>Radius of influence</translation>
    </message>
    <message>
        <source>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</source>
        <translation>Area around the centre that is moved along (share of the shorter image side).</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0° nach rechts, 90° nach unten.</source>
        <translation>0° to the right, 90° downwards.</translation>
    </message>
    <message>
        <source>Intensives Leuchten</source>
        <translation>Intense glow</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 kann nicht geöffnet werden.</source>
        <translation>The LUT file %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</source>
        <translation>The LUT file %1 contains a line with more than %2 characters.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</source>
        <translation>The LUT file %1 contains a word with more than %2 characters.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</source>
        <translation>The LUT file %1 asks for a table with %2 points; at most %3 are allowed.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist keine Datei.</source>
        <translation>The LUT file %1 is not a file.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist größer als %2 MB.</source>
        <translation>The LUT file %1 is larger than %2 MB.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>The LUT file %1 could not be read: %2</translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Import LUT</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten je Achse übernommen.</source>
        <translation>%1 of %2 points per axis taken over.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Schärfen und Entrauschen</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Geometrie</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <comment>Belichtung</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Farbe</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Weichzeichnen</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Künstlerisch</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Masken</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>Maske anzeigen: zeigt die Auswahl nach dem gewählten Operator als Graubild</source>
        <translation>Show mask: shows the selection after the chosen operator as a grey image</translation>
    </message>
    <message>
        <source>Tetraedrisch interpolieren</source>
        <translation>Tetrahedral interpolation</translation>
    </message>
    <message>
        <source>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</source>
        <translation>Interpolate between the LUT points from four instead of eight neighbours</translation>
    </message>
    <message>
        <source>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</source>
        <translation>These settings act on neighbouring pixels or image positions and are not contained in the LUT: %1</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Save grade as LUT</translation>
    </message>
    <message>
        <source>Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</source>
        <translation>Add the LUT to the LUT library (Yes) or save it as a file (No)?</translation>
    </message>
    <message>
        <source>Der LUT wurde nicht geschrieben: %1</source>
        <translation>The LUT was not written: %1</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Mittelwert, Ausreißer betont</source>
        <translation>Mean, outliers weighted</translation>
    </message>
    <message>
        <source>Mittelwert, Mehrheit betont</source>
        <translation>Mean, majority weighted</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>Bewegungskarte</source>
        <translation>Motion heat map</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Mitte zwischen Minimum und Maximum</source>
        <translation>Midpoint of minimum and maximum</translation>
    </message>
    <message>
        <source>Verblassende Spur</source>
        <translation>Fading trail</translation>
    </message>
    <message>
        <source>Spitzheit der Verteilung</source>
        <translation>Peakedness</translation>
    </message>
    <message>
        <source>Beim Videoexport</source>
        <translation>On video export</translation>
    </message>
    <message>
        <source>Überblendete Bilder</source>
        <translation>Blended frames</translation>
    </message>
    <message>
        <source>Überblendung</source>
        <translation>Blending</translation>
    </message>
    <message>
        <source>Vorher/Nachher</source>
        <translation>Before/after</translation>
    </message>
    <message>
        <source>Hälfte</source>
        <translation>Half</translation>
    </message>
    <message>
        <source>Mitte nebeneinander</source>
        <translation>Centres side by side</translation>
    </message>
</context>
<context>
    <name>HDRPresetCombineWindow</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combine presets</translation>
    </message>
    <message>
        <source>Kombinieren ausführen</source>
        <translation>Combine</translation>
    </message>
    <message>
        <source>Voreinstellung A</source>
        <translation>Preset A</translation>
    </message>
    <message>
        <source>Voreinstellung B</source>
        <translation>Preset B</translation>
    </message>
</context>
<context>
    <name>HDRPresetGroupBox</name>
    <message>
        <source>Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.</source>
        <translation>This preset uses effects this version does not know.</translation>
    </message>
    <message>
        <source>Klicken, um die Voreinstellung anzuwenden</source>
        <translation>Click to apply the preset</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Kopiert die Voreinstellung als eigene Voreinstellung</source>
        <translation>Copies the preset as a preset of your own</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Lädt die Voreinstellung wieder aus ihrer Datei</source>
        <translation>Reloads the preset from its file</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Speichert die aktuelle Bearbeitung in diese Voreinstellung</source>
        <translation>Saves the current grade into this preset</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Gibt der Voreinstellung einen neuen Namen</source>
        <translation>Gives the preset a new name</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Löscht die Voreinstellung</source>
        <translation>Deletes the preset</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach oben</source>
        <translation>Moves the preset up one place</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach unten</source>
        <translation>Moves the preset down one place</translation>
    </message>
    <message>
        <source>Fehlende Effekte</source>
        <translation>Missing effects</translation>
    </message>
</context>
<context>
    <name>HDRPresetsDockWidget</name>
    <message>
        <source>Voreinstellungen</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Zeigt nur Voreinstellungen mit diesem Stichwort</source>
        <translation>Shows only presets with this keyword</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Import presets</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Export preset</translation>
    </message>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combine presets</translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation>An error has occurred: log or continue</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation>being estimated</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Time elapsed: </translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation>Estimated time left: </translation>
    </message>
    <message numerus="yes">
        <source>%n Tage</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Stunden</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minuten</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sekunden</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HDRScopesDockWidget</name>
    <message>
        <source>Scopes</source>
        <translation>Scopes</translation>
    </message>
</context>
<context>
    <name>HDRTimelineDockWidget</name>
    <message>
        <source>Timeline Window</source>
        <translation>Timeline</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt einladen</source>
        <translation>Load this undo point</translation>
    </message>
    <message>
        <source>tooltip Timeline-Notiz editieren</source>
        <translation>Edit the note of this point</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt löschen</source>
        <translation>Delete this undo point</translation>
    </message>
    <message>
        <source>Notiz eintragen</source>
        <translation>Enter note</translation>
    </message>
    <message>
        <source>Geben Sie eine Notiz ein:</source>
        <translation>Enter a note:</translation>
    </message>
    <message>
        <source>Soll dieser Undo-Punkt wirklich gelöscht werden?</source>
        <translation>Do you really want to delete this undo point?</translation>
    </message>
    <message>
        <source>Undo-Eintrag</source>
        <translation>undo entry</translation>
    </message>
    <message>
        <source>Undo-Einträge</source>
        <translation>undo entries</translation>
    </message>
    <message>
        <source>verfügbar</source>
        <translation>available</translation>
    </message>
</context>
<context>
    <name>LayerModes</name>
    <message>
        <source>Blendmode Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen</source>
        <translation>Lighten</translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation>Darken</translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation>Multiply</translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation>Geometric mean</translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation>Intensify</translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation>Negation</translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation>Exclusion</translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation>Reflect</translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation>Soft light</translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation>Colour dodge</translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation>Colour burn</translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation>Linear burn</translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation>Linear light</translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation>Vivid light</translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation>Pin light</translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation>Hard mix</translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation>Glow</translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation>Cubic sum</translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation>Quadratic mean</translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation>Reduce contrast</translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation>Increase contrast</translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation>Hard light (luminance)</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation>Lighten (soft)</translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation>Shadows</translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation>Midtones</translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation>Highlights</translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation>Grey tones</translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation>Colourful tones</translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation>Red channel</translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation>Green channel</translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation>Blue channel</translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation>Green and blue channels</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation>Red and blue channels</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation>Red and green channels</translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation>Deep shadows</translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation>Bright highlights</translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation>Add (clamped)</translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation>Add (shadows)</translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation>Add difference</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation>HSV hue</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation>HSV saturation</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation>HSV colour</translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation>HSV value</translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation>HSV mean</translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation>HSV darken</translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation>HSV lighten</translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation>HSV desaturate</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation>HSV saturate</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation>HSL hue</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation>HSL saturation</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation>HSL colour</translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation>HSL lightness</translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation>HSL mean</translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation>HSL darken</translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation>HSL lighten</translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation>HSL desaturate</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation>HSL saturate</translation>
    </message>
</context>
<context>
    <name>LutBrowserWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation>Saved LUT styles: choose one to apply it</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation>LUT library</translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation>Add the current LUT to the library</translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation>Delete the chosen LUT from the library</translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation>Load LUT</translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation>Load a LUT from a cube file</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Save LUT</translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation>Save the current LUT as a cube file</translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation>Make the LUT from the previous image in the folder</translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation>LUT from image</translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation>Make the LUT from the next image in the folder</translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation>Type 1</translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation>Method 1: takes over the tonal distribution of each colour channel</translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation>Type 2</translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation>Method 2: takes over tones and hues</translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation>LUT with 17 points per axis</translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation>LUT with 25 points per axis</translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation>LUT with 32 points per axis</translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation>LUT with 64 points per axis</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Creating previews: </translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Import LUT</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Save grade as LUT</translation>
    </message>
    <message>
        <source>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</source>
        <translation>Save the colour effect of the whole grade as a LUT of the chosen size</translation>
    </message>
</context>
<context>
    <name>PPPreset</name>
    <message>
        <source>Klarer Tag</source>
        <translation>Clear day</translation>
    </message>
    <message>
        <source>Sanftes Licht</source>
        <translation>Gentle light</translation>
    </message>
    <message>
        <source>Warmer Abend</source>
        <translation>Warm evening</translation>
    </message>
    <message>
        <source>Frische Farben</source>
        <translation>Fresh colours</translation>
    </message>
    <message>
        <source>Natürlicher Kontrast</source>
        <translation>Natural contrast</translation>
    </message>
    <message>
        <source>Helle Mitten</source>
        <translation>Bright midtones</translation>
    </message>
    <message>
        <source>Negativtraum</source>
        <translation>Negative dream</translation>
    </message>
    <message>
        <source>Traumleuchten</source>
        <translation>Dream glow</translation>
    </message>
    <message>
        <source>Fremde Welt</source>
        <translation>Alien world</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrared</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Blaue Umkehr</source>
        <translation>Blue inversion</translation>
    </message>
    <message>
        <source>Blauer Himmel</source>
        <translation>Blue sky</translation>
    </message>
    <message>
        <source>Sattes Grün</source>
        <translation>Rich green</translation>
    </message>
    <message>
        <source>Herbstwald</source>
        <translation>Autumn forest</translation>
    </message>
    <message>
        <source>Nebelmorgen</source>
        <translation>Misty morning</translation>
    </message>
    <message>
        <source>Dramatischer Himmel</source>
        <translation>Dramatic sky</translation>
    </message>
    <message>
        <source>Wüstensonne</source>
        <translation>Desert sun</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Concrete</translation>
    </message>
    <message>
        <source>Glas und Stahl</source>
        <translation>Glass and steel</translation>
    </message>
    <message>
        <source>Klare Linien</source>
        <translation>Clean lines</translation>
    </message>
    <message>
        <source>Altstadt</source>
        <translation>Old town</translation>
    </message>
    <message>
        <source>Nachtstadt</source>
        <translation>City at night</translation>
    </message>
    <message>
        <source>Warme Haut</source>
        <translation>Warm skin</translation>
    </message>
    <message>
        <source>Weiche Haut</source>
        <translation>Soft skin</translation>
    </message>
    <message>
        <source>Portrait Schwarzweiß</source>
        <translation>Black and white portrait</translation>
    </message>
    <message>
        <source>High Key</source>
        <translation>High key</translation>
    </message>
    <message>
        <source>Low Key</source>
        <translation>Low key</translation>
    </message>
    <message>
        <source>Sepia Klassik</source>
        <translation>Classic sepia</translation>
    </message>
    <message>
        <source>Filmkorn</source>
        <translation>Film grain</translation>
    </message>
    <message>
        <source>Kreuzentwicklung</source>
        <translation>Cross processing</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Zweiton</source>
        <translation>Duotone</translation>
    </message>
    <message>
        <source>Lochkamera</source>
        <translation>Pinhole camera</translation>
    </message>
</context>
<context>
    <name>PPPresetCategory</name>
    <message>
        <source>SearchTag leer</source>
        <translation>Uncategorised</translation>
    </message>
    <message>
        <source>SearchTag Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>user</source>
        <translation>User</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>surreal</source>
        <translation>Surreal</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>architecture</source>
        <translation>Architecture</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>artistic</source>
        <translation>Artistic</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Weich</source>
        <translation>Soft</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Farbig</source>
        <translation>Colourful</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>Kühl</source>
        <translation>Cool</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>Black and white</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>VERSION_NAME VANTROPE</source>
        <translation>Vantrope</translation>
    </message>
    <message>
        <source>VERSION_NAME_NEUTRAL VANTROPE</source>
        <translation>Vantrope</translation>
    </message>
</context>
<context>
    <name>ProgressWindowTitle</name>
    <message>
        <source>Tonemapping</source>
        <translation>Tone mapping</translation>
    </message>
    <message>
        <source>Undo-Daten bereinigen</source>
        <translation>Cleaning up undo data</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Initialisiere System</source>
        <translation>Initialising system</translation>
    </message>
</context>
<context>
    <name>WindowsRegistryHelper</name>
    <message>
        <source>Vantrope Marlix Projektdatei</source>
        <translation>Vantrope Marlix project file</translation>
    </message>
    <message>
        <source>Error in setting Registry values</source>
        <translation>Error setting the file association</translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation>The file association for &apos;%1&apos; could not be written.</translation>
    </message>
</context>
</TS>
