<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>CCliArguments</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unerwartetes Argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 braucht %2 (siehe vantrope-cli %1 --help)</source>
        <translation>%1 braucht %2 (siehe vantrope-cli %1 --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lässt sich nicht benennen: %2</source>
        <translation>&apos;%1&apos; lässt sich nicht benennen: %2</translation>
    </message>
    <message>
        <source>Option --%1 fehlt</source>
        <translation>Option --%1 fehlt</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</source>
        <translation>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (%3)</source>
        <translation>ungültiger Wert für --%1: &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</source>
        <translation>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</source>
        <translation>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</translation>
    </message>
</context>
<context>
    <name>CClipDecoder</name>
    <message>
        <source>Die Datei %1 enthält kein lesbares Video.</source>
        <translation>Die Datei %1 enthält kein lesbares Video.</translation>
    </message>
    <message>
        <source>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</source>
        <translation>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für den Videodecoder.</source>
        <translation>Nicht genug Speicher für den Videodecoder.</translation>
    </message>
    <message>
        <source>Das Videoformat von %1 kann nicht dekodiert werden.</source>
        <translation>Das Videoformat von %1 kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Kein Video geöffnet.</source>
        <translation>Kein Video geöffnet.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden.</source>
        <translation>Das Bild konnte nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</source>
        <translation>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</translation>
    </message>
</context>
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation>Videobearbeitung</translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation>Soll die Videobearbeitung wirklich abgebrochen werden?</translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten. Code: %1</translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>In den Zielordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation>Der Datenträger des Zielordners ist voll.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation>Das gewählte Videoformat führt zu einer großen Videodatei. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation>Videodatei wird verarbeitet</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation>Videodatei wird verarbeitet (Ton)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation>Videodatei wird verarbeitet (Umwandlung)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation>Videodatei wird verarbeitet (Abschluss)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation>Videodatei wird verarbeitet (Bild)</translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation>Die Datei %1 ist kein Preset.</translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</translation>
    </message>
</context>
<context>
    <name>CPresetCombiner</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Voreinstellungen kombinieren</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Vergeben Sie einen Namen:</translation>
    </message>
</context>
<context>
    <name>CPresetLibrary</name>
    <message>
        <source>Critical error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>No post-processing presets found! Please reinstall...</source>
        <translation>Keine Voreinstellungen für die Bearbeitung gefunden! Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Importierte Presets:</source>
        <translation>Importierte Voreinstellungen:</translation>
    </message>
    <message>
        <source>Bereits vorhandene Presets:</source>
        <translation>Bereits vorhandene Voreinstellungen:</translation>
    </message>
    <message>
        <source>Inkompatible Presets:</source>
        <translation>Inkompatible Voreinstellungen:</translation>
    </message>
    <message>
        <source>Fehlerhafte Presets:</source>
        <translation>Fehlerhafte Voreinstellungen:</translation>
    </message>
    <message>
        <source>Zu Addons gehörende Presets:</source>
        <translation>Zu Add-ons gehörende Voreinstellungen:</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Voreinstellungen importieren</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
    <message>
        <source>Preset Import Messagetitle</source>
        <translation>Import von Voreinstellungen</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Voreinstellung exportieren</translation>
    </message>
    <message>
        <source>MyPreset</source>
        <translation>Meine Voreinstellung</translation>
    </message>
    <message>
        <source>Voreinstellung kopieren</source>
        <translation>Voreinstellung kopieren</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Vergeben Sie einen Namen:</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Voreinstellung umbenennen</source>
        <translation>Voreinstellung umbenennen</translation>
    </message>
    <message>
        <source>Vergeben sie einen neuen Namen:</source>
        <translation>Vergeben Sie einen neuen Namen:</translation>
    </message>
    <message>
        <source>Voreinstellung löschen?</source>
        <translation>Voreinstellung löschen?</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</source>
        <translation>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Voreinstellung zurücksetzen</source>
        <translation>Voreinstellung zurücksetzen</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</source>
        <translation>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</translation>
    </message>
</context>
<context>
    <name>CPresetsDockModel</name>
    <message>
        <source>Alle</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Natürlich</source>
        <translation>Natürlich</translation>
    </message>
    <message>
        <source>Surreal</source>
        <translation>Surreal</translation>
    </message>
    <message>
        <source>Landschaft</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>Architektur</source>
        <translation>Architektur</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Porträt</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Künstlerisch</translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation>Wellenform (Luma)</translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation>RGB-Parade</translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation>Vektorskop</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation>Welche Messanzeige hier erscheint</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation>Verstärkung </translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation>Histogrammhöhen logarithmisch statt linear</translation>
    </message>
</context>
<context>
    <name>CVideoDockWidget</name>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>Das Quellvideo im Standardprogramm abspielen</source>
        <translation>Das Quellvideo im Standardprogramm abspielen</translation>
    </message>
    <message>
        <source>Das gespeicherte Video im Standardprogramm abspielen</source>
        <translation>Das gespeicherte Video im Standardprogramm abspielen</translation>
    </message>
    <message>
        <source>Den Ton des Quellvideos übernehmen</source>
        <translation>Den Ton des Quellvideos übernehmen</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Die Metadaten des Quellvideos übernehmen</source>
        <translation>Die Metadaten des Quellvideos übernehmen</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>Das Video waagerecht spiegeln</source>
        <translation>Das Video waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Das Video senkrecht spiegeln</source>
        <translation>Das Video senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Kippen</source>
        <translation>Kippen</translation>
    </message>
    <message>
        <source>Videoformat der gespeicherten Datei</source>
        <translation>Videoformat der gespeicherten Datei</translation>
    </message>
    <message>
        <source>Qualität der gespeicherten Datei</source>
        <translation>Qualität der gespeicherten Datei</translation>
    </message>
    <message>
        <source>Kompressionsartefakte der Quelle mindern</source>
        <translation>Kompressionsartefakte der Quelle mindern</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Das ganze Video mit der aktuellen Bearbeitung speichern</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Video speichern</translation>
    </message>
    <message>
        <source>Klicken oder ziehen wählt das Bild, das bearbeitet wird</source>
        <translation>Klicken oder ziehen wählt das Bild, das bearbeitet wird</translation>
    </message>
    <message>
        <source>Mehr Vorschaubilder in der Zeitleiste zeigen</source>
        <translation>Mehr Vorschaubilder in der Zeitleiste zeigen</translation>
    </message>
    <message>
        <source>Zum Anfang (Pos1)</source>
        <translation>Zum Anfang (Pos1)</translation>
    </message>
    <message>
        <source>Eine Sekunde zurück (Umschalt+Links)</source>
        <translation>Eine Sekunde zurück (Umschalt+Links)</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Links)</source>
        <translation>Ein Bild zurück (Links)</translation>
    </message>
    <message>
        <source>Zur Mitte</source>
        <translation>Zur Mitte</translation>
    </message>
    <message>
        <source>Ein Bild vor (Rechts)</source>
        <translation>Ein Bild vor (Rechts)</translation>
    </message>
    <message>
        <source>Eine Sekunde vor (Umschalt+Rechts)</source>
        <translation>Eine Sekunde vor (Umschalt+Rechts)</translation>
    </message>
    <message>
        <source>Zum Ende (Ende)</source>
        <translation>Zum Ende (Ende)</translation>
    </message>
    <message>
        <source>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</source>
        <translation>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</translation>
    </message>
    <message>
        <source>Wiedergabe anhalten (Leertaste, Esc)</source>
        <translation>Wiedergabe anhalten (Leertaste, Esc)</translation>
    </message>
    <message>
        <source>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</source>
        <translation>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</translation>
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
        <translation>Unkomprimiert (AVI)</translation>
    </message>
    <message>
        <source>Unkomprimiert (AVI)</source>
        <translation>Unkomprimiert (AVI)</translation>
    </message>
    <message>
        <source>Video Quality Best</source>
        <translation>Beste Qualität</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Beste Qualität</translation>
    </message>
    <message>
        <source>Video Quality Better</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Video Quality Normal</source>
        <translation>Normale Qualität</translation>
    </message>
    <message>
        <source>Normale Qualität</source>
        <translation>Normale Qualität</translation>
    </message>
    <message>
        <source>Video Quality Low</source>
        <translation>Geringe Qualität</translation>
    </message>
    <message>
        <source>Geringe Qualität</source>
        <translation>Geringe Qualität</translation>
    </message>
    <message>
        <source>Video Quality Lowest</source>
        <translation>Geringste Qualität</translation>
    </message>
    <message>
        <source>Geringste Qualität</source>
        <translation>Geringste Qualität</translation>
    </message>
    <message>
        <source>Video Artefact Unchanged</source>
        <translation>Keine Artefaktminderung</translation>
    </message>
    <message>
        <source>Keine Artefaktminderung</source>
        <translation>Keine Artefaktminderung</translation>
    </message>
    <message>
        <source>Video Artefact Slight</source>
        <translation>Leichte Artefaktminderung</translation>
    </message>
    <message>
        <source>Leichte Artefaktminderung</source>
        <translation>Leichte Artefaktminderung</translation>
    </message>
    <message>
        <source>Video Artefact Strong</source>
        <translation>Starke Artefaktminderung</translation>
    </message>
    <message>
        <source>Starke Artefaktminderung</source>
        <translation>Starke Artefaktminderung</translation>
    </message>
    <message>
        <source>Video Artefact Intensive</source>
        <translation>Intensive Artefaktminderung</translation>
    </message>
    <message>
        <source>Intensive Artefaktminderung</source>
        <translation>Intensive Artefaktminderung</translation>
    </message>
    <message>
        <source>Video Artefact Maximal</source>
        <translation>Maximale Artefaktminderung</translation>
    </message>
    <message>
        <source>Maximale Artefaktminderung</source>
        <translation>Maximale Artefaktminderung</translation>
    </message>
    <message>
        <source>Auflösung: %1 x %2 px</source>
        <translation>Auflösung: %1 x %2 px</translation>
    </message>
    <message>
        <source>Länge: %1  (%2 fps)</source>
        <translation>Länge: %1  (%2 fps)</translation>
    </message>
    <message>
        <source>Länge: %1</source>
        <translation>Länge: %1</translation>
    </message>
    <message>
        <source>%1  (Bild %2)</source>
        <translation>%1  (Bild %2)</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Nicht genug Speicher für das Bild.</translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation>Video speichern</translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation>Mein Video</translation>
    </message>
</context>
<context>
    <name>CliBench</name>
    <message>
        <source>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</source>
        <translation>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</translation>
    </message>
    <message>
        <source>kein Benchmark genannt (siehe bench --list)</source>
        <translation>kein Benchmark genannt (siehe bench --list)</translation>
    </message>
    <message>
        <source>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</source>
        <translation>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</translation>
    </message>
    <message>
        <source>%1 ist nicht im Katalog</source>
        <translation>%1 ist nicht im Katalog</translation>
    </message>
    <message>
        <source>ungültiges --bpp (1..16)</source>
        <translation>ungültiges --bpp (1..16)</translation>
    </message>
    <message>
        <source>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</source>
        <translation>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</translation>
    </message>
    <message>
        <source>ungültiges --reuse (0 oder 1)</source>
        <translation>ungültiges --reuse (0 oder 1)</translation>
    </message>
    <message>
        <source>das Arbeitsbild kann nicht angelegt werden</source>
        <translation>das Arbeitsbild kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>ein Preset mit %1 Operatoren kann nicht geschrieben werden</source>
        <translation>ein Preset mit %1 Operatoren kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>keine Verbesserungsoperatoren im Katalog</source>
        <translation>keine Verbesserungsoperatoren im Katalog</translation>
    </message>
    <message>
        <source>ungültiger --radius (min oder max)</source>
        <translation>ungültiger --radius (min oder max)</translation>
    </message>
    <message>
        <source>unbekannter --operator &apos;%1&apos;</source>
        <translation>unbekannter --operator &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ungültige --lut-size (2..64)</source>
        <translation>ungültige --lut-size (2..64)</translation>
    </message>
    <message>
        <source>--lut %1 kann nicht gelesen werden</source>
        <translation>--lut %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>aus --frame %2 lassen sich keine %1 Bytes lesen</source>
        <translation>aus --frame %2 lassen sich keine %1 Bytes lesen</translation>
    </message>
    <message>
        <source>ungültiges --interp (trilinear, tetrahedral)</source>
        <translation>ungültiges --interp (trilinear, tetrahedral)</translation>
    </message>
    <message>
        <source>ungültige Größe für --scope (WxH, je %1 bis %2)</source>
        <translation>ungültige Größe für --scope (WxH, je %1 bis %2)</translation>
    </message>
    <message>
        <source>--kind muss waveform, parade, vectorscope oder histogram sein</source>
        <translation>--kind muss waveform, parade, vectorscope oder histogram sein</translation>
    </message>
    <message>
        <source>der Katalog hat kein %1</source>
        <translation>der Katalog hat kein %1</translation>
    </message>
    <message>
        <source>%1 hat keinen Satz %2</source>
        <translation>%1 hat keinen Satz %2</translation>
    </message>
    <message>
        <source>--lut-size muss 2 bis 64 sein</source>
        <translation>--lut-size muss 2 bis 64 sein</translation>
    </message>
    <message>
        <source>die Vorschau konnte das Bild nicht bearbeiten</source>
        <translation>die Vorschau konnte das Bild nicht bearbeiten</translation>
    </message>
    <message>
        <source>keine Presets neben dem Programm</source>
        <translation>keine Presets neben dem Programm</translation>
    </message>
    <message>
        <source>--all nimmt 0 oder 1</source>
        <translation>--all nimmt 0 oder 1</translation>
    </message>
    <message>
        <source>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</source>
        <translation>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</translation>
    </message>
    <message>
        <source>braucht --clip DATEI</source>
        <translation>braucht --clip DATEI</translation>
    </message>
    <message>
        <source>read-pipe braucht --clip DATEI</source>
        <translation>read-pipe braucht --clip DATEI</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden</source>
        <translation>&apos;%1&apos; kann nicht untersucht werden</translation>
    </message>
</context>
<context>
    <name>CliClip</name>
    <message>
        <source>Export abgebrochen; nichts wurde geschrieben</source>
        <translation>Export abgebrochen; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</source>
        <translation>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</source>
        <translation>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</source>
        <translation>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</source>
        <translation>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</translation>
    </message>
    <message>
        <source>kein temporärer Ordner: %1</source>
        <translation>kein temporärer Ordner: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</source>
        <translation>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</source>
        <translation>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</source>
        <translation>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream</source>
        <translation>&apos;%1&apos; enthält keinen Videostream</translation>
    </message>
    <message>
        <source>%1 hat nicht rechtzeitig geantwortet und wurde beendet</source>
        <translation>%1 hat nicht rechtzeitig geantwortet und wurde beendet</translation>
    </message>
</context>
<context>
    <name>CliFrame</name>
    <message>
        <source>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</source>
        <translation>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht dekodiert werden: %2</source>
        <translation>&apos;%1&apos; kann nicht dekodiert werden: %2</translation>
    </message>
    <message>
        <source>kein Bild %1 in &apos;%2&apos;: %3</source>
        <translation>kein Bild %1 in &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</source>
        <translation>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>entweder --at oder --frame angeben</source>
        <translation>entweder --at oder --frame angeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</source>
        <translation>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</source>
        <translation>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</translation>
    </message>
</context>
<context>
    <name>CliGrade</name>
    <message>
        <source>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</source>
        <translation>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</translation>
    </message>
    <message>
        <source>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</source>
        <translation>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</translation>
    </message>
    <message>
        <source>--set braucht ein --operator davor</source>
        <translation>--set braucht ein --operator davor</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</source>
        <translation>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</source>
        <translation>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</source>
        <translation>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</translation>
    </message>
    <message>
        <source>--%1 braucht --film-type</source>
        <translation>--%1 braucht --film-type</translation>
    </message>
    <message>
        <source>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</source>
        <translation>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</source>
        <translation>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</translation>
    </message>
    <message>
        <source>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</source>
        <translation>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>Bild &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</source>
        <translation>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>grade braucht EIN AUS (siehe vantrope-cli grade --help)</source>
        <translation>grade braucht EIN AUS (siehe vantrope-cli grade --help)</translation>
    </message>
    <message>
        <source>die Korrektur kann nicht gebacken werden: nicht genug Speicher</source>
        <translation>die Korrektur kann nicht gebacken werden: nicht genug Speicher</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>[Optionen]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1</source>
        <translation>Aufruf: vantrope-cli %1</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>der Benchmark (siehe --list)</source>
        <translation>der Benchmark (siehe --list)</translation>
    </message>
    <message>
        <source>listet die Benchmarks</source>
        <translation>listet die Benchmarks</translation>
    </message>
    <message>
        <source>die Bildgröße (Vorgabe 1920x1080)</source>
        <translation>die Bildgröße (Vorgabe 1920x1080)</translation>
    </message>
    <message>
        <source>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</source>
        <translation>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</translation>
    </message>
    <message>
        <source>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</source>
        <translation>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</translation>
    </message>
    <message>
        <source>LUT-Punkte je Achse</source>
        <translation>LUT-Punkte je Achse</translation>
    </message>
    <message>
        <source>DATEI.cube</source>
        <translation>DATEI.cube</translation>
    </message>
    <message>
        <source>eine LUT statt einer erfundenen</source>
        <translation>eine LUT statt einer erfundenen</translation>
    </message>
    <message>
        <source>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</source>
        <translation>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>der zu lesende Clip</source>
        <translation>der zu lesende Clip</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT</source>
        <translation>der Ebenenmodus der LUT</translation>
    </message>
    <message>
        <source>misst die Referenz-Zeilenfunktion</source>
        <translation>misst die Referenz-Zeilenfunktion</translation>
    </message>
    <message>
        <source>das Nachschlagen der LUT zwischen ihren Punkten</source>
        <translation>das Nachschlagen der LUT zwischen ihren Punkten</translation>
    </message>
    <message>
        <source>die Tabellen der Engine zwischen Durchläufen behalten</source>
        <translation>die Tabellen der Engine zwischen Durchläufen behalten</translation>
    </message>
    <message>
        <source>kopierte Bytes je Pixel</source>
        <translation>kopierte Bytes je Pixel</translation>
    </message>
    <message>
        <source>PIXEL</source>
        <translation>PIXEL</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau</source>
        <translation>die lange Seite der Vorschau</translation>
    </message>
    <message>
        <source>die Zeitmesszeilen der Engine</source>
        <translation>die Zeitmesszeilen der Engine</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes</source>
        <translation>die Größe des Scope-Bildes</translation>
    </message>
    <message>
        <source>nur dieses Scope</source>
        <translation>nur dieses Scope</translation>
    </message>
    <message>
        <source>nach dem Scrubben gemessene Schritte zum nächsten Bild</source>
        <translation>nach dem Scrubben gemessene Schritte zum nächsten Bild</translation>
    </message>
    <message>
        <source>Sekunden Wiedergabe</source>
        <translation>Sekunden Wiedergabe</translation>
    </message>
    <message>
        <source>jeder Operator der Familie</source>
        <translation>jeder Operator der Familie</translation>
    </message>
    <message>
        <source>nur dieser Operator, mit den Vorgaben des Katalogs</source>
        <translation>nur dieser Operator, mit den Vorgaben des Katalogs</translation>
    </message>
    <message>
        <source>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</source>
        <translation>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</translation>
    </message>
    <message>
        <source>Operatorgruppen im Preset, das preset-load liest</source>
        <translation>Operatorgruppen im Preset, das preset-load liest</translation>
    </message>
    <message>
        <source>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</source>
        <translation>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</translation>
    </message>
    <message>
        <source>der Clip</source>
        <translation>der Clip</translation>
    </message>
    <message>
        <source>die Position des Bildes in Millisekunden</source>
        <translation>die Position des Bildes in Millisekunden</translation>
    </message>
    <message>
        <source>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</source>
        <translation>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung nennt das Format</source>
        <translation>das zu schreibende Bild; seine Endung nennt das Format</translation>
    </message>
    <message>
        <source>das Bild auf diese Größe skaliert</source>
        <translation>das Bild auf diese Größe skaliert</translation>
    </message>
    <message>
        <source>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</source>
        <translation>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</source>
        <translation>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</source>
        <translation>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</translation>
    </message>
    <message>
        <source>NAME|DATEI.ini</source>
        <translation>NAME|DATEI.ini</translation>
    </message>
    <message>
        <source>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</source>
        <translation>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</translation>
    </message>
    <message>
        <source>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</source>
        <translation>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</translation>
    </message>
    <message>
        <source>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</source>
        <translation>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</translation>
    </message>
    <message>
        <source>DATEI.cml</source>
        <translation>DATEI.cml</translation>
    </message>
    <message>
        <source>Farbebenen des Farbfensters, vor der Kette angewandt</source>
        <translation>Farbebenen des Farbfensters, vor der Kette angewandt</translation>
    </message>
    <message>
        <source>DATEI.vantropeProject</source>
        <translation>DATEI.vantropeProject</translation>
    </message>
    <message>
        <source>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</source>
        <translation>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</translation>
    </message>
    <message>
        <source>ein Filmtyp aus filmtypes_vantrope.xml</source>
        <translation>ein Filmtyp aus filmtypes_vantrope.xml</translation>
    </message>
    <message>
        <source>seine Stärke von 0 bis 1 (Vorgabe 1)</source>
        <translation>seine Stärke von 0 bis 1 (Vorgabe 1)</translation>
    </message>
    <message>
        <source>seine Körnung von 0 bis 1 (Vorgabe 0)</source>
        <translation>seine Körnung von 0 bis 1 (Vorgabe 0)</translation>
    </message>
    <message>
        <source>vor oder nach der Kette (Vorgabe post)</source>
        <translation>vor oder nach der Kette (Vorgabe post)</translation>
    </message>
    <message>
        <source>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</source>
        <translation>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</translation>
    </message>
    <message>
        <source>die Qualität des Encoders (Vorgabe normal)</source>
        <translation>die Qualität des Encoders (Vorgabe normal)</translation>
    </message>
    <message>
        <source>Artefaktminderung</source>
        <translation>Artefaktminderung</translation>
    </message>
    <message>
        <source>lässt die Tonspuren weg</source>
        <translation>lässt die Tonspuren weg</translation>
    </message>
    <message>
        <source>lässt die Metadaten der Quelle weg</source>
        <translation>lässt die Metadaten der Quelle weg</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von links nach rechts</source>
        <translation>spiegelt jedes Bild von links nach rechts</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von oben nach unten</source>
        <translation>spiegelt jedes Bild von oben nach unten</translation>
    </message>
    <message>
        <source>BILDER:MODUS</source>
        <translation>BILDER:MODUS</translation>
    </message>
    <message>
        <source>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</source>
        <translation>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</translation>
    </message>
    <message>
        <source>unbearbeitet und bearbeitet nebeneinander</source>
        <translation>unbearbeitet und bearbeitet nebeneinander</translation>
    </message>
    <message>
        <source>die Bildgröße der Ausgabe</source>
        <translation>die Bildgröße der Ausgabe</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64</source>
        <translation>Punkte je Achse, 2 bis 64</translation>
    </message>
    <message>
        <source>die zu schreibende Cube-Datei</source>
        <translation>die zu schreibende Cube-Datei</translation>
    </message>
    <message>
        <source>der Titel der LUT (Vorgabe: der Grundname der Datei)</source>
        <translation>der Titel der LUT (Vorgabe: der Grundname der Datei)</translation>
    </message>
    <message>
        <source>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</source>
        <translation>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</translation>
    </message>
    <message>
        <source>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</source>
        <translation>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</translation>
    </message>
    <message>
        <source>der Titel der LUT</source>
        <translation>der Titel der LUT</translation>
    </message>
    <message>
        <source>QUELLE</source>
        <translation>QUELLE</translation>
    </message>
    <message>
        <source>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</source>
        <translation>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</translation>
    </message>
    <message>
        <source>ZIEL.cube</source>
        <translation>ZIEL.cube</translation>
    </message>
    <message>
        <source>das zu bearbeitende Standbild</source>
        <translation>das zu bearbeitende Standbild</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung wählt das Format</source>
        <translation>das zu schreibende Bild; seine Endung wählt das Format</translation>
    </message>
    <message>
        <source>das Referenzbild</source>
        <translation>das Referenzbild</translation>
    </message>
    <message>
        <source>Punkte je Achse (Vorgabe 17)</source>
        <translation>Punkte je Achse (Vorgabe 17)</translation>
    </message>
    <message>
        <source>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</source>
        <translation>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</translation>
    </message>
    <message>
        <source>FREMD</source>
        <translation>FREMD</translation>
    </message>
    <message>
        <source>eine LUT-Datei in jedem Format, das der Import liest</source>
        <translation>eine LUT-Datei in jedem Format, das der Import liest</translation>
    </message>
    <message>
        <source>EIGENE.cube</source>
        <translation>EIGENE.cube</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</source>
        <translation>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</translation>
    </message>
    <message>
        <source>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</source>
        <translation>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</translation>
    </message>
    <message>
        <source>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</source>
        <translation>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</translation>
    </message>
    <message>
        <source>löscht den Eintrag dieses Namens</source>
        <translation>löscht den Eintrag dieses Namens</translation>
    </message>
    <message>
        <source>ein Bild</source>
        <translation>ein Bild</translation>
    </message>
    <message>
        <source>das Bild, mit dem es verglichen wird</source>
        <translation>das Bild, mit dem es verglichen wird</translation>
    </message>
    <message>
        <source>das zu ändernde Bild</source>
        <translation>das zu ändernde Bild</translation>
    </message>
    <message>
        <source>das Bild, dessen Histogramme es übernimmt</source>
        <translation>das Bild, dessen Histogramme es übernimmt</translation>
    </message>
    <message>
        <source>das zu schreibende Bild</source>
        <translation>das zu schreibende Bild</translation>
    </message>
    <message>
        <source>schreibt eine Identitäts-LUT</source>
        <translation>schreibt eine Identitäts-LUT</translation>
    </message>
    <message>
        <source>backt Reglerstellungen in eine Cube-Datei</source>
        <translation>backt Reglerstellungen in eine Cube-Datei</translation>
    </message>
    <message>
        <source>wendet eine LUT auf ein Standbild an</source>
        <translation>wendet eine LUT auf ein Standbild an</translation>
    </message>
    <message>
        <source>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</source>
        <translation>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</translation>
    </message>
    <message>
        <source>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</source>
        <translation>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</translation>
    </message>
    <message>
        <source>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</source>
        <translation>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</translation>
    </message>
    <message>
        <source>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</source>
        <translation>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</translation>
    </message>
    <message>
        <source>einfache Histogrammangleichung je Kanal von EIN an REF</source>
        <translation>einfache Histogrammangleichung je Kanal von EIN an REF</translation>
    </message>
    <message>
        <source>jeder Katalogeintrag: Kernel, Typ, Anzeigename</source>
        <translation>jeder Katalogeintrag: Kernel, Typ, Anzeigename</translation>
    </message>
    <message>
        <source>das zu bearbeitende Bild (ein Standbild)</source>
        <translation>das zu bearbeitende Bild (ein Standbild)</translation>
    </message>
    <message>
        <source>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</source>
        <translation>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</translation>
    </message>
    <message>
        <source>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</source>
        <translation>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</translation>
    </message>
    <message>
        <source>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</source>
        <translation>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</translation>
    </message>
    <message>
        <source>der zu untersuchende Clip</source>
        <translation>der zu untersuchende Clip</translation>
    </message>
    <message>
        <source>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</source>
        <translation>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</translation>
    </message>
    <message>
        <source>STANDBILD</source>
        <translation>STANDBILD</translation>
    </message>
    <message>
        <source>das Standbild, das das Projekt bearbeitet</source>
        <translation>das Standbild, das das Projekt bearbeitet</translation>
    </message>
    <message>
        <source>der Clip, den das Projekt bearbeitet</source>
        <translation>der Clip, den das Projekt bearbeitet</translation>
    </message>
    <message>
        <source>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</source>
        <translation>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</translation>
    </message>
    <message>
        <source>eine Projektdatei</source>
        <translation>eine Projektdatei</translation>
    </message>
    <message>
        <source>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</source>
        <translation>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</translation>
    </message>
    <message>
        <source>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</source>
        <translation>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</translation>
    </message>
    <message>
        <source>ein Standbild oder ein Clip</source>
        <translation>ein Standbild oder ein Clip</translation>
    </message>
    <message>
        <source>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</source>
        <translation>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</translation>
    </message>
    <message>
        <source>welches Scope</source>
        <translation>welches Scope</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes (Vorgabe 640x360)</source>
        <translation>die Größe des Scope-Bildes (Vorgabe 640x360)</translation>
    </message>
    <message>
        <source>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</source>
        <translation>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</translation>
    </message>
    <message>
        <source>hellt die Spuren auf, 0.1 bis 10</source>
        <translation>hellt die Spuren auf, 0.1 bis 10</translation>
    </message>
    <message>
        <source>ein Histogramm mit logarithmischer Höhe</source>
        <translation>ein Histogramm mit logarithmischer Höhe</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</source>
        <translation>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</translation>
    </message>
    <message>
        <source>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</source>
        <translation>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</translation>
    </message>
    <message>
        <source>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</source>
        <translation>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>NAME=WERT</translation>
    </message>
    <message>
        <source>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</source>
        <translation>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</source>
        <translation>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</translation>
    </message>
    <message>
        <source>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</source>
        <translation>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</translation>
    </message>
    <message>
        <source>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</source>
        <translation>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</source>
        <translation>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos; (siehe --help)</source>
        <translation>unbekannter Befehl &apos;%1&apos; (siehe --help)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</source>
        <translation>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</translation>
    </message>
    <message>
        <source>%1 braucht einen dieser Unterbefehle: %2</source>
        <translation>%1 braucht einen dieser Unterbefehle: %2</translation>
    </message>
</context>
<context>
    <name>CliLut</name>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>Bild &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</translation>
    </message>
    <message>
        <source>library nimmt entweder --add oder --remove</source>
        <translation>library nimmt entweder --add oder --remove</translation>
    </message>
    <message>
        <source>--add DATEI und --name NAME gehören zusammen</source>
        <translation>--add DATEI und --name NAME gehören zusammen</translation>
    </message>
    <message>
        <source>ungültiger Name &apos;%1&apos;: %2</source>
        <translation>ungültiger Name &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</source>
        <translation>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</translation>
    </message>
    <message>
        <source>kein Bibliothekseintrag &apos;%1&apos; in %2</source>
        <translation>kein Bibliothekseintrag &apos;%1&apos; in %2</translation>
    </message>
</context>
<context>
    <name>CliLutOptions</name>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</source>
        <translation>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</translation>
    </message>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>LUT &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</source>
        <translation>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</translation>
    </message>
    <message>
        <source>--lut-param, --lut-mode und --interp brauchen --lut</source>
        <translation>--lut-param, --lut-mode und --interp brauchen --lut</translation>
    </message>
    <message>
        <source>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</source>
        <translation>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</translation>
    </message>
</context>
<context>
    <name>CliOperators</name>
    <message>
        <source>der Operatorkatalog konnte nicht gelesen werden</source>
        <translation>der Operatorkatalog konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CliPresets</name>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Bilder %1/%2</source>
        <translation>Bilder %1/%2</translation>
    </message>
    <message>
        <source>Bilder %1</source>
        <translation>Bilder %1</translation>
    </message>
    <message>
        <source>Rest %1</source>
        <translation>Rest %1</translation>
    </message>
</context>
<context>
    <name>CliProject</name>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</source>
        <translation>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</source>
        <translation>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</translation>
    </message>
    <message>
        <source>project save braucht entweder --image STANDBILD oder --clip CLIP</source>
        <translation>project save braucht entweder --image STANDBILD oder --clip CLIP</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>Bild &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</source>
        <translation>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</source>
        <translation>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</translation>
    </message>
    <message>
        <source>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</source>
        <translation>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</translation>
    </message>
    <message>
        <source>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</source>
        <translation>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</translation>
    </message>
    <message>
        <source>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</source>
        <translation>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</translation>
    </message>
</context>
<context>
    <name>CliScope</name>
    <message>
        <source>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</source>
        <translation>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</translation>
    </message>
    <message>
        <source>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</source>
        <translation>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</translation>
    </message>
    <message>
        <source>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</source>
        <translation>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</source>
        <translation>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</source>
        <translation>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</source>
        <translation>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</source>
        <translation>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation>Layer löschen</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation>Soll dieser Layer wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation>Layer kopieren</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation>Quellfarbe kopieren</translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation>Soll die Quellfarbe wirklich ins Ziel kopiert werden?</translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation>Farbeinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation>Die Datei %1 ist keine Layer-Datei der Version 1.</translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation>Layer speichern</translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation>Meine Layer</translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation>Layer laden</translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation>Sollen bestehende Layer wirklich überschrieben werden?</translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation>Layer einladen</translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation>Layer (*.%1)</translation>
    </message>
</context>
<context>
    <name>HDRApplication</name>
    <message>
        <source>Betriebssystem</source>
        <translation>Betriebssystem</translation>
    </message>
</context>
<context>
    <name>HDRColorModuleWindow</name>
    <message>
        <source>Farbmodul</source>
        <translation>Farbmodul</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Runter</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation>Quellfarbe aus dem Bild wählen</translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation>Farbton von</translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation>Farbton bis</translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation>Sättigung von</translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation>Sättigung bis</translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation>Mindesthelligkeit</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Weichheit</translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation>Zielfarbe aus dem Bild wählen</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation>Sättigungskontrast</translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation>Helligkeitskontrast</translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation>Quellfarbe ins Ziel</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation>Maske anzeigen</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation>Wählbare Farben</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Layer %1</translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation>Kein Bild geladen</translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation>Keine Maske</translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation>Automatisch gespeichertes Projekt</translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation>Video laden</translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation>Eine Videodatei öffnen</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation>Ein einzelnes Bild öffnen</translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation>Ergebnisbild speichern</translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation>Das bearbeitete Bild als Datei speichern</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Video speichern</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Das ganze Video mit der aktuellen Bearbeitung speichern</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation>Farbmodul</translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation>Farbebenen bearbeiten</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation>Bitte nur eine Video-Datei einladen.</translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation>Add-on</translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation>Add-ons werden von dieser Version nicht unterstützt.</translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation>Bitte laden Sie nur Videodateien ein.</translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation>Das geladene Bild oder Videobild mit seiner Größe</translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation>Belichtungsreihe</translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation>HDR-Histogramm</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation>Das unbearbeitete Bild zeigen</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation>Links das unbearbeitete, rechts das bearbeitete Bild</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation>Vorschau des bearbeiteten Bildes</translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Projekt laden</translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation>Videodatei öffnen</translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation>Die Datei enthält kein lesbares Video.</translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation>Aus dem Video konnte kein Bild gelesen werden.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Nicht genug Speicher für das Bild.</translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation>Das Video %1 konnte nicht geladen werden.
%2</translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation>Video geladen: %1</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation>Das Bild %1 konnte nicht geladen werden.
%2</translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation>Die Austauschdatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation>RAW-Entwicklung</translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation>Mein Bild</translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation>Vorschaumodus! Neu berechnen?</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation>Speichern wird vorbereitet.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation>Das Bild konnte nicht gespeichert werden:
%1
%2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation>Video gespeichert: %1</translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation>Die Videobearbeitung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation>Das Video konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation>Bearbeitung wird berechnet</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Projekte</source>
        <translation>Zuletzt verwendete Projekte</translation>
    </message>
    <message>
        <source>Beispielprojekte</source>
        <translation>Beispielprojekte</translation>
    </message>
    <message>
        <source>Beispielprojekt %1</source>
        <translation>Beispielprojekt %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Undo-Punkt speichern</source>
        <translation>Undo-Punkt speichern</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Keine Projekte</source>
        <translation>Keine Projekte</translation>
    </message>
    <message>
        <source>MyProject</source>
        <translation>Mein Projekt</translation>
    </message>
    <message>
        <source>Vantrope-Marlix Projektdatei</source>
        <translation>Vantrope-Marlix Projektdatei</translation>
    </message>
    <message>
        <source>Projekt überschreiben nicht nöglich</source>
        <translation>Projekt kann nicht überschrieben werden</translation>
    </message>
    <message>
        <source>Beispielprojekte können nicht überschrieben werden.</source>
        <translation>Beispielprojekte können nicht überschrieben werden.</translation>
    </message>
    <message>
        <source>Dateifehler: %1 konnte nicht erstellt werden</source>
        <translation>Dateifehler: %1 konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Projektdateien unvollständig.</source>
        <translation>Projektdateien unvollständig.</translation>
    </message>
    <message>
        <source>Projektdateien sind nicht kompatibel.</source>
        <translation>Projektdateien sind nicht kompatibel.</translation>
    </message>
    <message>
        <source>Projekt nicht gespeichert. Speichern?</source>
        <translation>Projekt nicht gespeichert. Speichern?</translation>
    </message>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Videoeinstellungen</translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation>Vor verändernden Aktionen nachfragen</translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation>Fortschrittsfenster anzeigen</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation>Zuletzt verwendeter Ordner</translation>
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
        <translation>Gleich gewichtet</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation>Fester Standardordner</translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation>Luminanzgewichtung</translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation>Lange Seite der Vorschau</translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation>Die neue Sprache wird beim nächsten Programmstart verwendet.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English GB</source>
        <translation>Englisch (GB)</translation>
    </message>
    <message>
        <source>English US</source>
        <translation>Englisch (US)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Undo-Punkte mit dem Projekt speichern</source>
        <translation>Undo-Punkte mit dem Projekt speichern</translation>
    </message>
</context>
<context>
    <name>HDRPostProcessingDockWidget</name>
    <message>
        <source>LUT einstellbar</source>
        <translation>LUT einstellbar</translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation>Der Name &quot;%1&quot; ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation>LUT zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation>Name der LUT:</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation>LUT-Stil löschen</translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation>Wollen Sie den ausgewählten LUT-Stil löschen?</translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation>LUT-Datei einladen</translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation>LUT-Datei</translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation>Mein LUT-Stil</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>LUT speichern</translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation>Bild einladen</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation>Meine LUT</translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation>kein LUT vorhanden</translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation>Es sind keine LUT Stile gespeichert.</translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation>LUT-Browser</translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation>LUT neu erstellen</translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation>Wollen Sie einen neuen leeren LUT-Stil erstellen und Ihre aktuellen Einstellungen verwerfen?</translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation>Neue LUT</translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation>Schärfen und Entrauschen</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Künstlerisch</translation>
    </message>
    <message>
        <source>Masken</source>
        <translation>Masken</translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>LUT balance Areas</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>LUT protect Areas</source>
        <translation>Schutz</translation>
    </message>
    <message>
        <source>Expertenmodus</source>
        <translation>Expertenmodus</translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation>Operatoren</translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation>Filmtyp</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation>Ebenenmethode der LUT</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Erzeuge Vorschaubilder: </translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation>Dieser Operator hat keine Einstellungen.</translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation>Operator aus der Liste wählen oder hinzufügen.</translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation>Standardwert</translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation>Maske entfernen</translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation>Begrenzt die Wirkung auf Formen in der Vorschau</translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation>Maske - Luminanz</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>dunkel</translation>
    </message>
    <message>
        <source>hell</source>
        <translation>hell</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Weichheit</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>hart</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>weich</translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation>Wie diese Maske mit den vorherigen Masken verknüpft wird</translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation>Maske - Sättigung</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>bunt</translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation>Maske - Farbton</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>eng</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>weit</translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation>Maske - Lichter</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation>Maske - Schatten</translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation>Maske - Mitteltöne</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>schmal</translation>
    </message>
    <message>
        <source>breit</source>
        <translation>breit</translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation>Maske Entrauschen Artefakte (HD)</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fein</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>grob</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>schwach</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>stark</translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation>Farbglättung</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation>Maskierung</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>Entrauschen</translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation>Helligkeit Kontrast Gamma</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation>dunkler</translation>
    </message>
    <message>
        <source>heller</source>
        <translation>heller</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>weniger</source>
        <translation>weniger</translation>
    </message>
    <message>
        <source>mehr</source>
        <translation>mehr</translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation>Gammakorrektur</translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation>manueller Schwarz-/Weißpunkt</translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation>Schwarzpunkt</translation>
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
        <translation>Weißpunkt</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation>Vignettierung</translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation>aufhellen</translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation>abdunkeln</translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation>Innenradius</translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation>Außenradius</translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation>Mittelpunkt</translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation>Gradationskurve</translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation>Körnung hinzufügen</translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation>Korngröße</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>Lokaler Kontrast</translation>
    </message>
    <message>
        <source>glätten</source>
        <translation>glätten</translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation>verstärken</translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation>Farbtöne belichten</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation>Farbkanal Gamma</translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation>Gamma Rotanteil</translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation>Gamma Grünanteil</translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation>Gamma Blauanteil</translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation>Farbleuchtkraft</translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation>Farbton hinzumischen</translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>kalt</source>
        <translation>kalt</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>warm</translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation>Cyan-Rot</translation>
    </message>
    <message>
        <source>Magenta-Grün</source>
        <translation>Magenta-Grün</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Gelb-Blau</source>
        <translation>Gelb-Blau</translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation>Sepia-Tönung</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Aura</source>
        <translation>Aura</translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation>Leuchten</translation>
    </message>
    <message>
        <source>scharf</source>
        <translation>scharf</translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation>LUT nicht ladbar</translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation>Die LUT-Datei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation>Geladene LUT-Datei: %1</translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation>Gefundene Größe: %1</translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation>Erlaubt sind Größen von 2 bis %1.</translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation>Aktive Operatoren</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation>Operator entfernen</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation>Körnung</translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation>vor den Operatoren</translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation>nach den Operatoren</translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation>kein Filmtyp</translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation>Form %1 (%2)</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation>Formen in der Vorschau verschieben und aufziehen</translation>
    </message>
    <message>
        <source>Form +</source>
        <translation>Form +</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation>Form hinzufügen, in der die Wirkung gilt</translation>
    </message>
    <message>
        <source>Form −</source>
        <translation>Form −</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation>Form hinzufügen, in der die Wirkung abgeschwächt wird</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>Härte</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>additiv</source>
        <translation>additiv</translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation>subtraktiv</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation>Ebenenmodus</translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation>LUT aktiv</translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation>LUT auf das Bild anwenden</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation>Neue leere LUT erstellen</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation>LUT entfernen</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation>Alle Ebenenmethoden als Vorschaubilder zeigen</translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation>Werte dieser Gruppe zurücksetzen</translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation>LUT: %1 (%2 Punkte je Achse)</translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation>Keine LUT geladen</translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation>Alle Operatoren</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation>Den gewählten Operator an die Kette anhängen</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation>Position in der Vorschau wählen</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation>Linie in der Vorschau ziehen</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation>Farbe aus der Vorschau aufnehmen</translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation>Lichter schützen</translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation>Schatten schützen</translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation>Sättigung schützen</translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation>Hauttöne schützen</translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation>Himmel schützen</translation>
    </message>
    <message>
        <source>Belichtung einstellen</source>
        <translation>Belichtung einstellen</translation>
    </message>
    <message>
        <source>Farbnegativ Porträt warm</source>
        <translation>Farbnegativ Porträt warm</translation>
    </message>
    <message>
        <source>Farbnegativ Alltag</source>
        <translation>Farbnegativ Alltag</translation>
    </message>
    <message>
        <source>Diafilm kühl</source>
        <translation>Diafilm kühl</translation>
    </message>
    <message>
        <source>Diafilm brillant</source>
        <translation>Diafilm brillant</translation>
    </message>
    <message>
        <source>Verblasster Abzug</source>
        <translation>Verblasster Abzug</translation>
    </message>
    <message>
        <source>Sepia-Abzug</source>
        <translation>Sepia-Abzug</translation>
    </message>
    <message>
        <source>Sofortbild</source>
        <translation>Sofortbild</translation>
    </message>
    <message>
        <source>Schwarzweiß kontrastreich</source>
        <translation>Schwarzweiß kontrastreich</translation>
    </message>
    <message>
        <source>Schwarzweiß weich</source>
        <translation>Schwarzweiß weich</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarot</translation>
    </message>
    <message>
        <source>Cross-Entwicklung</source>
        <translation>Cross-Entwicklung</translation>
    </message>
    <message>
        <source>Bleichbad-Überbrückung</source>
        <translation>Bleichbad-Überbrückung</translation>
    </message>
    <message>
        <source>Kino Blaugrün-Orange</source>
        <translation>Kino Blaugrün-Orange</translation>
    </message>
    <message>
        <source>Herbstlicht</source>
        <translation>Herbstlicht</translation>
    </message>
    <message>
        <source>Nachtblau</source>
        <translation>Nachtblau</translation>
    </message>
    <message>
        <source>Lomo</source>
        <translation>Lo-Fi</translation>
    </message>
    <message>
        <source>Farbton und Stärke: Punkt auf der Scheibe ziehen</source>
        <translation>Farbton und Stärke: Punkt auf der Scheibe ziehen</translation>
    </message>
    <message>
        <source>Licht/Schatten färben</source>
        <translation>Licht/Schatten färben</translation>
    </message>
    <message>
        <source>Schatten (Lift)</source>
        <translation>Schatten (Lift)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</source>
        <translation>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</translation>
    </message>
    <message>
        <source>Mitteltöne (Gamma)</source>
        <translation>Mitteltöne (Gamma)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</source>
        <translation>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</translation>
    </message>
    <message>
        <source>Lichter (Gain)</source>
        <translation>Lichter (Gain)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</source>
        <translation>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</translation>
    </message>
    <message>
        <source>Farbkanal Gradation</source>
        <translation>Farbkanal Gradation</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle</source>
        <translation>Gradationskurve für alle drei Farbkanäle</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals</source>
        <translation>Gradationskurve des Rotkanals</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals</source>
        <translation>Gradationskurve des Grünkanals</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals</source>
        <translation>Gradationskurve des Blaukanals</translation>
    </message>
    <message>
        <source>Farbkanal Gradation (logarithm.)</source>
        <translation>Farbkanal Gradation (logarithmisch)</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</source>
        <translation>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals über logarithmischen Tonwerten</source>
        <translation>Gradationskurve des Rotkanals über logarithmischen Tonwerten</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals über logarithmischen Tonwerten</source>
        <translation>Gradationskurve des Grünkanals über logarithmischen Tonwerten</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals über logarithmischen Tonwerten</source>
        <translation>Gradationskurve des Blaukanals über logarithmischen Tonwerten</translation>
    </message>
    <message>
        <source>Farbton korrigieren</source>
        <translation>Farbton korrigieren</translation>
    </message>
    <message>
        <source>Farbton nach Farbton</source>
        <translation>Farbton nach Farbton</translation>
    </message>
    <message>
        <source>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</source>
        <translation>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</translation>
    </message>
    <message>
        <source>Sättigung nach Farbton</source>
        <translation>Sättigung nach Farbton</translation>
    </message>
    <message>
        <source>Sättigung je Farbton: unten grau, oben doppelt so kräftig</source>
        <translation>Sättigung je Farbton: unten grau, oben doppelt so kräftig</translation>
    </message>
    <message>
        <source>Helligkeit nach Farbton</source>
        <translation>Helligkeit nach Farbton</translation>
    </message>
    <message>
        <source>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</source>
        <translation>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</translation>
    </message>
    <message>
        <source>manueller Weißabgleich</source>
        <translation>manueller Weißabgleich</translation>
    </message>
    <message>
        <source>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</source>
        <translation>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</translation>
    </message>
    <message>
        <source>automatischer lokaler Weißabgleich</source>
        <translation>automatischer lokaler Weißabgleich</translation>
    </message>
    <message>
        <source>Größe der Umgebung, in der ein Farbstich gemessen wird</source>
        <translation>Größe der Umgebung, in der ein Farbstich gemessen wird</translation>
    </message>
    <message>
        <source>Wie weit die örtlichen Farbstiche entfernt werden</source>
        <translation>Wie weit die örtlichen Farbstiche entfernt werden</translation>
    </message>
    <message>
        <source>Farbdynamik</source>
        <translation>Farbdynamik</translation>
    </message>
    <message>
        <source>blasser</source>
        <translation>blasser</translation>
    </message>
    <message>
        <source>kräftiger</source>
        <translation>kräftiger</translation>
    </message>
    <message>
        <source>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</source>
        <translation>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</translation>
    </message>
    <message>
        <source>Farbdynamik (Smart)</source>
        <translation>Farbdynamik (Smart)</translation>
    </message>
    <message>
        <source>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</source>
        <translation>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</translation>
    </message>
    <message>
        <source>Hauttöne schützen</source>
        <translation>Hauttöne schützen</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>wenig</translation>
    </message>
    <message>
        <source>viel</source>
        <translation>viel</translation>
    </message>
    <message>
        <source>Lichter schützen</source>
        <translation>Lichter schützen</translation>
    </message>
    <message>
        <source>Farbtöne anpassen</source>
        <translation>Farbtöne anpassen</translation>
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
        <translation>Farbton Sättigung Belichtung</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Farbwert kalibrieren</source>
        <translation>Farbwert kalibrieren</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Istwert</translation>
    </message>
    <message>
        <source>Mit der Pipette die Farbe wählen, die korrigiert werden soll</source>
        <translation>Mit der Pipette die Farbe wählen, die korrigiert werden soll</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Die Farbe, die der Istwert bekommen soll</source>
        <translation>Die Farbe, die der Istwert bekommen soll</translation>
    </message>
    <message>
        <source>Reichweite</source>
        <translation>Reichweite</translation>
    </message>
    <message>
        <source>nur ähnliche Farben</source>
        <translation>nur ähnliche Farben</translation>
    </message>
    <message>
        <source>ganzes Bild</source>
        <translation>ganzes Bild</translation>
    </message>
    <message>
        <source>Normalisieren (RGB)</source>
        <translation>Normalisieren (RGB)</translation>
    </message>
    <message>
        <source>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</source>
        <translation>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</translation>
    </message>
    <message>
        <source>Beschnitt</source>
        <translation>Beschnitt</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</source>
        <translation>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</translation>
    </message>
    <message>
        <source>manueller RGB-Punkt</source>
        <translation>manueller RGB-Punkt</translation>
    </message>
    <message>
        <source>Schwarzpunkt Rot</source>
        <translation>Schwarzpunkt Rot</translation>
    </message>
    <message>
        <source>Schwarzpunkt Grün</source>
        <translation>Schwarzpunkt Grün</translation>
    </message>
    <message>
        <source>Schwarzpunkt Blau</source>
        <translation>Schwarzpunkt Blau</translation>
    </message>
    <message>
        <source>Weißpunkt Rot</source>
        <translation>Weißpunkt Rot</translation>
    </message>
    <message>
        <source>Weißpunkt Grün</source>
        <translation>Weißpunkt Grün</translation>
    </message>
    <message>
        <source>Weißpunkt Blau</source>
        <translation>Weißpunkt Blau</translation>
    </message>
    <message>
        <source>RGB Transformation (autom.)</source>
        <translation>RGB-Transformation (automatisch)</translation>
    </message>
    <message>
        <source>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</source>
        <translation>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</translation>
    </message>
    <message>
        <source>RGB Transformation</source>
        <translation>RGB-Transformation</translation>
    </message>
    <message>
        <source>Steigung Rot</source>
        <translation>Steigung Rot</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>Steigung Grün</source>
        <translation>Steigung Grün</translation>
    </message>
    <message>
        <source>Steigung Blau</source>
        <translation>Steigung Blau</translation>
    </message>
    <message>
        <source>Versatz Rot</source>
        <translation>Versatz Rot</translation>
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
        <translation>Versatz Grün</translation>
    </message>
    <message>
        <source>Versatz Blau</source>
        <translation>Versatz Blau</translation>
    </message>
    <message>
        <source>Exponent Rot</source>
        <translation>Exponent Rot</translation>
    </message>
    <message>
        <source>Exponent Grün</source>
        <translation>Exponent Grün</translation>
    </message>
    <message>
        <source>Exponent Blau</source>
        <translation>Exponent Blau</translation>
    </message>
    <message>
        <source>Farbkanal Sigmoid</source>
        <translation>Farbkanal Sigmoid</translation>
    </message>
    <message>
        <source>Kontrast Rot</source>
        <translation>Kontrast Rot</translation>
    </message>
    <message>
        <source>flacher</source>
        <translation>flacher</translation>
    </message>
    <message>
        <source>steiler</source>
        <translation>steiler</translation>
    </message>
    <message>
        <source>Kontrast Grün</source>
        <translation>Kontrast Grün</translation>
    </message>
    <message>
        <source>Kontrast Blau</source>
        <translation>Kontrast Blau</translation>
    </message>
    <message>
        <source>Chrominanz ausgleichen</source>
        <translation>Chrominanz ausgleichen</translation>
    </message>
    <message>
        <source>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</source>
        <translation>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</translation>
    </message>
    <message>
        <source>gewogene Farbkanäle</source>
        <translation>Gewichtete Farbkanäle</translation>
    </message>
    <message>
        <source>Helligkeit erhalten</source>
        <translation>Helligkeit erhalten</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>ganz</source>
        <translation>ganz</translation>
    </message>
    <message>
        <source>Farbkanäle mischen</source>
        <translation>Farbkanäle mischen</translation>
    </message>
    <message>
        <source>Rot aus Rot</source>
        <translation>Rot aus Rot</translation>
    </message>
    <message>
        <source>Rot aus Grün</source>
        <translation>Rot aus Grün</translation>
    </message>
    <message>
        <source>Rot aus Blau</source>
        <translation>Rot aus Blau</translation>
    </message>
    <message>
        <source>Grün aus Rot</source>
        <translation>Grün aus Rot</translation>
    </message>
    <message>
        <source>Grün aus Grün</source>
        <translation>Grün aus Grün</translation>
    </message>
    <message>
        <source>Grün aus Blau</source>
        <translation>Grün aus Blau</translation>
    </message>
    <message>
        <source>Blau aus Rot</source>
        <translation>Blau aus Rot</translation>
    </message>
    <message>
        <source>Blau aus Grün</source>
        <translation>Blau aus Grün</translation>
    </message>
    <message>
        <source>Blau aus Blau</source>
        <translation>Blau aus Blau</translation>
    </message>
    <message>
        <source>Farbfilter</source>
        <translation>Farbfilter</translation>
    </message>
    <message>
        <source>Filterfarbe</source>
        <translation>Filterfarbe</translation>
    </message>
    <message>
        <source>Farbe des Filters vor dem Objektiv</source>
        <translation>Farbe des Filters vor dem Objektiv</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</source>
        <translation>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</translation>
    </message>
    <message>
        <source>Himmel schützen</source>
        <translation>Himmel schützen</translation>
    </message>
    <message>
        <source>graue Tinte</source>
        <translation>graue Tinte</translation>
    </message>
    <message>
        <source>Tinte</source>
        <translation>Tinte</translation>
    </message>
    <message>
        <source>Die Farbe, die graue und blasse Bereiche annehmen</source>
        <translation>Die Farbe, die graue und blasse Bereiche annehmen</translation>
    </message>
    <message>
        <source>Sättigungsgrenze</source>
        <translation>Sättigungsgrenze</translation>
    </message>
    <message>
        <source>nur Grau</source>
        <translation>nur Grau</translation>
    </message>
    <message>
        <source>auch Farben</source>
        <translation>auch Farben</translation>
    </message>
    <message>
        <source>Pastellfarben</source>
        <translation>Pastellfarben</translation>
    </message>
    <message>
        <source>Aufhellung</source>
        <translation>Aufhellung</translation>
    </message>
    <message>
        <source>C64 Farben</source>
        <translation>8-Bit-Farben</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Rastert Verläufe aus benachbarten Farben der Palette</source>
        <translation>Rastert Verläufe aus benachbarten Farben der Palette</translation>
    </message>
    <message>
        <source>Rote Augen</source>
        <translation>Rote Augen</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>nur tiefrot</source>
        <translation>nur tiefrot</translation>
    </message>
    <message>
        <source>auch rötlich</source>
        <translation>auch rötlich</translation>
    </message>
    <message>
        <source>Mit der Geometrie auf die Augen begrenzen</source>
        <translation>Mit der Geometrie auf die Augen begrenzen</translation>
    </message>
    <message>
        <source>Tageszeit</source>
        <translation>Tageszeit</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>12 Uhr lässt das Bild unverändert</source>
        <translation>12 Uhr lässt das Bild unverändert</translation>
    </message>
    <message>
        <source>Jahreszeit</source>
        <translation>Jahreszeit</translation>
    </message>
    <message>
        <source>Frühling</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</source>
        <translation>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</translation>
    </message>
    <message>
        <source>Fotostil: Low-Key</source>
        <translation>Fotostil: Low-Key</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>tief</translation>
    </message>
    <message>
        <source>Fotostil: High-Key</source>
        <translation>Fotostil: High-Key</translation>
    </message>
    <message>
        <source>Fotostil: Cross-Entwicklung</source>
        <translation>Fotostil: Cross-Entwicklung</translation>
    </message>
    <message>
        <source>Fotostil: Indian Summer</source>
        <translation>Fotostil: Indian Summer</translation>
    </message>
    <message>
        <source>Fotostil: Infrarot</source>
        <translation>Fotostil: Infrarot</translation>
    </message>
    <message>
        <source>Fotostil: Lith-Print</source>
        <translation>Fotostil: Lith-Print</translation>
    </message>
    <message>
        <source>Tönung</source>
        <translation>Tönung</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>Fotostil: Buttercream</source>
        <translation>Fotostil: Buttercream</translation>
    </message>
    <message>
        <source>Fotostil: Holga</source>
        <translation>Fotostil: Spielzeugkamera</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignette</translation>
    </message>
    <message>
        <source>Fotostil: Orton</source>
        <translation>Fotostil: weiches Leuchten</translation>
    </message>
    <message>
        <source>gering</source>
        <translation>gering</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>Fotostil: Lomo</source>
        <translation>Fotostil: Lo-Fi</translation>
    </message>
    <message>
        <source>Fotostil: Dragan</source>
        <translation>Fotostil: dramatisches Porträt</translation>
    </message>
    <message>
        <source>Originalbild einblenden</source>
        <translation>Originalbild einblenden</translation>
    </message>
    <message>
        <source>Mischt das unbearbeitete Bild wieder ein</source>
        <translation>Mischt das unbearbeitete Bild wieder ein</translation>
    </message>
    <message>
        <source>Foto-Reflektor</source>
        <translation>Foto-Reflektor</translation>
    </message>
    <message>
        <source>Hellt die Schatten mit dem Licht eines Reflektors auf</source>
        <translation>Hellt die Schatten mit dem Licht eines Reflektors auf</translation>
    </message>
    <message>
        <source>Reflektor</source>
        <translation>Reflektor</translation>
    </message>
    <message>
        <source>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</source>
        <translation>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</source>
        <translation>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</translation>
    </message>
    <message>
        <source>Color Contrast</source>
        <translation>Farbkontrast</translation>
    </message>
    <message>
        <source>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</source>
        <translation>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</translation>
    </message>
    <message>
        <source>Polfilter</source>
        <translation>Polfilter</translation>
    </message>
    <message>
        <source>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</source>
        <translation>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</translation>
    </message>
    <message>
        <source>Chromatische Korrektur</source>
        <translation>Chromatische Korrektur</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>kleiner</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>größer</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</translation>
    </message>
    <message>
        <source>chromatische Aberrationen korrigieren</source>
        <translation>chromatische Aberrationen korrigieren</translation>
    </message>
    <message>
        <source>Entfernt violette und grüne Farbsäume an harten Kanten</source>
        <translation>Entfernt violette und grüne Farbsäume an harten Kanten</translation>
    </message>
    <message>
        <source>Motive (Halloween)</source>
        <translation>Motive (Halloween)</translation>
    </message>
    <message>
        <source>Motiv</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>1 Kürbis, 2 Geist, 3 Fledermaus, 4 Spinnennetz, 5 Mond</source>
        <translation>1 Kürbis, 2 Geist, 3 Fledermaus, 4 Spinnennetz, 5 Mond</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>durchsichtig</source>
        <translation>durchsichtig</translation>
    </message>
    <message>
        <source>deckend</source>
        <translation>deckend</translation>
    </message>
    <message>
        <source>Flaggen</source>
        <translation>Flaggen</translation>
    </message>
    <message>
        <source>Flagge</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <source>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</source>
        <translation>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</translation>
    </message>
    <message>
        <source>Motive (Fußball)</source>
        <translation>Motive (Fußball)</translation>
    </message>
    <message>
        <source>1 Ball, 2 Tor, 3 Pokal</source>
        <translation>1 Ball, 2 Tor, 3 Pokal</translation>
    </message>
    <message>
        <source>Mask Entrauschen Luminance (HD)</source>
        <translation>Maske Entrauschen Luminanz (HD)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</source>
        <translation>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die geglättet wird</source>
        <translation>Größe der Umgebung, über die geglättet wird</translation>
    </message>
    <message>
        <source>Detailschwelle</source>
        <translation>Detailschwelle</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</source>
        <translation>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</translation>
    </message>
    <message>
        <source>Wirkung abhängig von der Helligkeit des Bildpunkts</source>
        <translation>Wirkung abhängig von der Helligkeit des Bildpunkts</translation>
    </message>
    <message>
        <source>Mask Schärfen Luminance (HD)</source>
        <translation>Maske Schärfen Luminanz (HD)</translation>
    </message>
    <message>
        <source>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</source>
        <translation>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</translation>
    </message>
    <message>
        <source>Größe der Details, die geschärft werden</source>
        <translation>Größe der Details, die geschärft werden</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</source>
        <translation>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>Überschwingen</translation>
    </message>
    <message>
        <source>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</source>
        <translation>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</translation>
    </message>
    <message>
        <source>adaptive Bildschärfe</source>
        <translation>Adaptive Bildschärfe</translation>
    </message>
    <message>
        <source>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</source>
        <translation>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren</source>
        <translation>Verwacklungen reduzieren</translation>
    </message>
    <message>
        <source>Wie weit die Verwacklung herausgerechnet wird</source>
        <translation>Wie weit die Verwacklung herausgerechnet wird</translation>
    </message>
    <message>
        <source>Unschärferadius</source>
        <translation>Unschärferadius</translation>
    </message>
    <message>
        <source>Wie weit das Bild verwackelt ist</source>
        <translation>Wie weit das Bild verwackelt ist</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Iterationen</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>wenige</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>viele</translation>
    </message>
    <message>
        <source>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</source>
        <translation>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren (Farbe)</source>
        <translation>Verwacklungen reduzieren (Farbe)</translation>
    </message>
    <message>
        <source>Entrauschen Farbwolken</source>
        <translation>Entrauschen Farbwolken</translation>
    </message>
    <message>
        <source>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</source>
        <translation>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</translation>
    </message>
    <message>
        <source>Wie weit die Farbwolken entfernt werden</source>
        <translation>Wie weit die Farbwolken entfernt werden</translation>
    </message>
    <message>
        <source>kräftig</source>
        <translation>kräftig</translation>
    </message>
    <message>
        <source>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</source>
        <translation>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (UHD)</source>
        <translation>Entrauschen Luminanz (UHD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</source>
        <translation>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (U2HD)</source>
        <translation>Entrauschen Luminanz (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen (Gap Fill)</source>
        <translation>Entrauschen (Lücken füllen)</translation>
    </message>
    <message>
        <source>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</source>
        <translation>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</source>
        <translation>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</translation>
    </message>
    <message>
        <source>Details restaurieren</source>
        <translation>Details restaurieren</translation>
    </message>
    <message>
        <source>Detailgröße</source>
        <translation>Detailgröße</translation>
    </message>
    <message>
        <source>Größe der Details, die aus dem Originalbild zurückgeholt werden</source>
        <translation>Größe der Details, die aus dem Originalbild zurückgeholt werden</translation>
    </message>
    <message>
        <source>Wie viel der verlorenen Details zurückkehrt</source>
        <translation>Wie viel der verlorenen Details zurückkehrt</translation>
    </message>
    <message>
        <source>Rauschschwelle</source>
        <translation>Rauschschwelle</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</source>
        <translation>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</translation>
    </message>
    <message>
        <source>Dither (Floyd Steinberg)</source>
        <translation>Dithering (Fehlerverteilung)</translation>
    </message>
    <message>
        <source>Bittiefe</source>
        <translation>Bittiefe</translation>
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
        <translation>Stufen pro Farbkanal nach der Reduktion</translation>
    </message>
    <message>
        <source>Fehlerverteilung</source>
        <translation>Fehlerverteilung</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>voll</translation>
    </message>
    <message>
        <source>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</source>
        <translation>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</translation>
    </message>
    <message>
        <source>Entrauschen (Farbe)</source>
        <translation>Entrauschen (Farbe)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die die Farbe geglättet wird</source>
        <translation>Größe der Umgebung, über die die Farbe geglättet wird</translation>
    </message>
    <message>
        <source>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</source>
        <translation>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</translation>
    </message>
    <message>
        <source>Entrauschen (Flächen glätten)</source>
        <translation>Entrauschen (Flächen glätten)</translation>
    </message>
    <message>
        <source>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</source>
        <translation>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</translation>
    </message>
    <message>
        <source>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</source>
        <translation>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</translation>
    </message>
    <message>
        <source>Entrauschen (Banding)</source>
        <translation>Entrauschen (Banding)</translation>
    </message>
    <message>
        <source>Breite der Streifen, die zu einem glatten Verlauf werden</source>
        <translation>Breite der Streifen, die zu einem glatten Verlauf werden</translation>
    </message>
    <message>
        <source>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</source>
        <translation>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</translation>
    </message>
    <message>
        <source>Kantenverstärker</source>
        <translation>Kantenverstärker</translation>
    </message>
    <message>
        <source>Größe der Kanten, die verstärkt werden</source>
        <translation>Größe der Kanten, die verstärkt werden</translation>
    </message>
    <message>
        <source>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</source>
        <translation>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</translation>
    </message>
    <message>
        <source>Farbton Kantenverstärker</source>
        <translation>Farbton Kantenverstärker</translation>
    </message>
    <message>
        <source>Wie stark der Farbkontrast an Farbkanten verstärkt wird</source>
        <translation>Wie stark der Farbkontrast an Farbkanten verstärkt wird</translation>
    </message>
    <message>
        <source>Entrauschen (soften)</source>
        <translation>Entrauschen (weich)</translation>
    </message>
    <message>
        <source>Länge, über die entlang der Kanten gemittelt wird</source>
        <translation>Länge, über die entlang der Kanten gemittelt wird</translation>
    </message>
    <message>
        <source>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</source>
        <translation>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</translation>
    </message>
    <message>
        <source>Schärfen HD Gradient</source>
        <translation>Schärfen HD (Gradient)</translation>
    </message>
    <message>
        <source>Breite des Schärfens quer zur Kante</source>
        <translation>Breite des Schärfens quer zur Kante</translation>
    </message>
    <message>
        <source>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</source>
        <translation>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</translation>
    </message>
    <message>
        <source>Schärfen Chrominance (HD)</source>
        <translation>Schärfen Chrominanz (HD)</translation>
    </message>
    <message>
        <source>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</source>
        <translation>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</translation>
    </message>
    <message>
        <source>Größe der Farbdetails, die geschärft werden</source>
        <translation>Größe der Farbdetails, die geschärft werden</translation>
    </message>
    <message>
        <source>Schärfen Luminance (HD)</source>
        <translation>Schärfen Luminanz (HD)</translation>
    </message>
    <message>
        <source>Wie stark die Helligkeit geschärft wird</source>
        <translation>Wie stark die Helligkeit geschärft wird</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</source>
        <translation>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</translation>
    </message>
    <message>
        <source>Schärfen Luminance (UHD)</source>
        <translation>Schärfen Luminanz (UHD)</translation>
    </message>
    <message>
        <source>Stärke fein</source>
        <translation>Stärke fein</translation>
    </message>
    <message>
        <source>Schärfung der feinsten Details</source>
        <translation>Schärfung der feinsten Details</translation>
    </message>
    <message>
        <source>Stärke mittel</source>
        <translation>Stärke mittel</translation>
    </message>
    <message>
        <source>Schärfung der Details doppelter Größe</source>
        <translation>Schärfung der Details doppelter Größe</translation>
    </message>
    <message>
        <source>Größe der feinsten Details</source>
        <translation>Größe der feinsten Details</translation>
    </message>
    <message>
        <source>Schärfen Luminance (U2HD)</source>
        <translation>Schärfen Luminanz (U2HD)</translation>
    </message>
    <message>
        <source>Stärke grob</source>
        <translation>Stärke grob</translation>
    </message>
    <message>
        <source>Schärfung der Details vierfacher Größe</source>
        <translation>Schärfung der Details vierfacher Größe</translation>
    </message>
    <message>
        <source>Entrauschen (Median)</source>
        <translation>Entrauschen (Median)</translation>
    </message>
    <message>
        <source>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</source>
        <translation>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</translation>
    </message>
    <message>
        <source>Entrauschen (Varianz)</source>
        <translation>Entrauschen (Varianz)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, deren Streuung gemessen wird</source>
        <translation>Größe der Umgebung, deren Streuung gemessen wird</translation>
    </message>
    <message>
        <source>Rauschpegel</source>
        <translation>Rauschpegel</translation>
    </message>
    <message>
        <source>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</source>
        <translation>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</translation>
    </message>
    <message>
        <source>Himmel entrauschen</source>
        <translation>Himmel entrauschen</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die der Himmel geglättet wird</source>
        <translation>Größe der Umgebung, über die der Himmel geglättet wird</translation>
    </message>
    <message>
        <source>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</source>
        <translation>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</translation>
    </message>
    <message>
        <source>Entrauschen (Min-Max)</source>
        <translation>Entrauschen (Min-Max)</translation>
    </message>
    <message>
        <source>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</source>
        <translation>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</source>
        <translation>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</translation>
    </message>
    <message>
        <source>Entrauschen (Iterativ)</source>
        <translation>Entrauschen (Iterativ)</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</source>
        <translation>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</source>
        <translation>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (HD)</source>
        <translation>Entrauschen Chrominanz (HD)</translation>
    </message>
    <message>
        <source>Größe der feinsten Farbflecken, die geglättet werden</source>
        <translation>Größe der feinsten Farbflecken, die geglättet werden</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (UHD)</source>
        <translation>Entrauschen Chrominanz (UHD)</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (U2HD)</source>
        <translation>Entrauschen Chrominanz (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD)</source>
        <translation>Entrauschen Luminanz (HD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</source>
        <translation>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD iter)</source>
        <translation>Entrauschen Luminanz (HD, iterativ)</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</source>
        <translation>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</translation>
    </message>
    <message>
        <source>Größe der Umgebung eines Durchgangs</source>
        <translation>Größe der Umgebung eines Durchgangs</translation>
    </message>
    <message>
        <source>Artefakte reduzieren</source>
        <translation>Artefakte reduzieren</translation>
    </message>
    <message>
        <source>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</source>
        <translation>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</translation>
    </message>
    <message>
        <source>Blockgröße</source>
        <translation>Blockgröße</translation>
    </message>
    <message>
        <source>Rastergröße der Kompressionsblöcke im Originalbild</source>
        <translation>Rastergröße der Kompressionsblöcke im Originalbild</translation>
    </message>
    <message>
        <source>Bewegungsunschärfe reduzieren</source>
        <translation>Bewegungsunschärfe reduzieren</translation>
    </message>
    <message>
        <source>Wie weit die Bewegungsunschärfe herausgerechnet wird</source>
        <translation>Wie weit die Bewegungsunschärfe herausgerechnet wird</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>kurz</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>lang</translation>
    </message>
    <message>
        <source>Länge der Bewegungsspur im Bild</source>
        <translation>Länge der Bewegungsspur im Bild</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</source>
        <translation>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosion</translation>
    </message>
    <message>
        <source>Wie weit dunkle Bereiche in helle hineinwachsen</source>
        <translation>Wie weit dunkle Bereiche in helle hineinwachsen</translation>
    </message>
    <message>
        <source>Dilatation</source>
        <translation>Dilatation</translation>
    </message>
    <message>
        <source>Wie weit helle Bereiche in dunkle hineinwachsen</source>
        <translation>Wie weit helle Bereiche in dunkle hineinwachsen</translation>
    </message>
    <message>
        <source>Doppler</source>
        <translation>Doppler</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Versatz des Doppelbildes</source>
        <translation>Versatz des Doppelbildes</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</source>
        <translation>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</translation>
    </message>
    <message>
        <source>Deckkraft des Doppelbildes</source>
        <translation>Deckkraft des Doppelbildes</translation>
    </message>
    <message>
        <source>Normalisieren</source>
        <translation>Normalisieren</translation>
    </message>
    <message>
        <source>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</source>
        <translation>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</translation>
    </message>
    <message>
        <source>Zielhelligkeit</source>
        <translation>Zielhelligkeit</translation>
    </message>
    <message>
        <source>Helligkeit, auf die der Median des Bildes gebracht wird</source>
        <translation>Helligkeit, auf die der Median des Bildes gebracht wird</translation>
    </message>
    <message>
        <source>Local Contrast (Mask)</source>
        <translation>Lokaler Kontrast (Maske)</translation>
    </message>
    <message>
        <source>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</source>
        <translation>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</translation>
    </message>
    <message>
        <source>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</source>
        <translation>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</translation>
    </message>
    <message>
        <source>Kantenschutz</source>
        <translation>Kantenschutz</translation>
    </message>
    <message>
        <source>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</source>
        <translation>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</translation>
    </message>
    <message>
        <source>Stärke der Wirkung abhängig von der Helligkeit</source>
        <translation>Stärke der Wirkung abhängig von der Helligkeit</translation>
    </message>
    <message>
        <source>Luminanz Kontrast</source>
        <translation>Luminanzkontrast</translation>
    </message>
    <message>
        <source>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</source>
        <translation>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>Drehpunkt</translation>
    </message>
    <message>
        <source>Helligkeit, die unverändert bleibt</source>
        <translation>Helligkeit, die unverändert bleibt</translation>
    </message>
    <message>
        <source>Helligkeit ebnen</source>
        <translation>Helligkeit ebnen</translation>
    </message>
    <message>
        <source>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</source>
        <translation>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</translation>
    </message>
    <message>
        <source>Größe der Flächen, über die die Helligkeit ausgeglichen wird</source>
        <translation>Größe der Flächen, über die die Helligkeit ausgeglichen wird</translation>
    </message>
    <message>
        <source>_Highlight Recover</source>
        <translation>Lichter zurückholen</translation>
    </message>
    <message>
        <source>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</source>
        <translation>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</translation>
    </message>
    <message>
        <source>Einsatzpunkt</source>
        <translation>Einsatzpunkt</translation>
    </message>
    <message>
        <source>früh</source>
        <translation>früh</translation>
    </message>
    <message>
        <source>spät</source>
        <translation>spät</translation>
    </message>
    <message>
        <source>Helligkeit, ab der die Lichter zusammengedrückt werden</source>
        <translation>Helligkeit, ab der die Lichter zusammengedrückt werden</translation>
    </message>
    <message>
        <source>Nebel reduzieren</source>
        <translation>Nebel reduzieren</translation>
    </message>
    <message>
        <source>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</source>
        <translation>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</translation>
    </message>
    <message>
        <source>Spitzlichter wiederherstellen</source>
        <translation>Spitzlichter wiederherstellen</translation>
    </message>
    <message>
        <source>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</source>
        <translation>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</translation>
    </message>
    <message>
        <source>Helligkeit der Umgebung, ab der abgedunkelt wird</source>
        <translation>Helligkeit der Umgebung, ab der abgedunkelt wird</translation>
    </message>
    <message>
        <source>Weißkorrektur</source>
        <translation>Weißkorrektur</translation>
    </message>
    <message>
        <source>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</source>
        <translation>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</translation>
    </message>
    <message>
        <source>Helligkeit, ab der korrigiert wird</source>
        <translation>Helligkeit, ab der korrigiert wird</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>Helligkeitsverlauf</translation>
    </message>
    <message>
        <source>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</source>
        <translation>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Richtung des Verlaufs; 90° verläuft von oben nach unten</source>
        <translation>Richtung des Verlaufs; 90° verläuft von oben nach unten</translation>
    </message>
    <message>
        <source>Übergang</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Breite des Übergangs über die Linie</source>
        <translation>Breite des Übergangs über die Linie</translation>
    </message>
    <message>
        <source>Linienmitte</source>
        <translation>Linienmitte</translation>
    </message>
    <message>
        <source>Punkt, durch den die Übergangslinie läuft</source>
        <translation>Punkt, durch den die Übergangslinie läuft</translation>
    </message>
    <message>
        <source>Weiche Details</source>
        <translation>Weiche Details</translation>
    </message>
    <message>
        <source>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</source>
        <translation>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</translation>
    </message>
    <message>
        <source>Größe der Strukturen, die geglättet werden</source>
        <translation>Größe der Strukturen, die geglättet werden</translation>
    </message>
    <message>
        <source>Weiche Kontur</source>
        <translation>Weiche Kontur</translation>
    </message>
    <message>
        <source>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</source>
        <translation>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</translation>
    </message>
    <message>
        <source>Breite des weichen Randes</source>
        <translation>Breite des weichen Randes</translation>
    </message>
    <message>
        <source>Randlicht-Verteilung</source>
        <translation>Randlicht-Verteilung</translation>
    </message>
    <message>
        <source>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</source>
        <translation>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</translation>
    </message>
    <message>
        <source>Dynamische Helligkeit</source>
        <translation>Dynamische Helligkeit</translation>
    </message>
    <message>
        <source>erweitern</source>
        <translation>erweitern</translation>
    </message>
    <message>
        <source>verdichten</source>
        <translation>verdichten</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</source>
        <translation>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</translation>
    </message>
    <message>
        <source>automatischer Schwarz/Weißpunkt</source>
        <translation>Automatischer Schwarz-/Weißpunkt</translation>
    </message>
    <message>
        <source>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</source>
        <translation>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</translation>
    </message>
    <message>
        <source>gewogener Schwarz/Weißpunkt</source>
        <translation>Gewichteter Schwarz-/Weißpunkt</translation>
    </message>
    <message>
        <source>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</source>
        <translation>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</source>
        <translation>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</translation>
    </message>
    <message>
        <source>Histogramm Abgleich</source>
        <translation>Histogrammausgleich</translation>
    </message>
    <message>
        <source>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</source>
        <translation>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</translation>
    </message>
    <message>
        <source>Kontrastbegrenzung</source>
        <translation>Kontrastbegrenzung</translation>
    </message>
    <message>
        <source>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</source>
        <translation>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</translation>
    </message>
    <message>
        <source>Licht/Schatten anpassen</source>
        <translation>Licht/Schatten anpassen</translation>
    </message>
    <message>
        <source>Lichter</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Belichtung der hellen Töne</source>
        <translation>Belichtung der hellen Töne</translation>
    </message>
    <message>
        <source>Belichtung der dunklen Töne</source>
        <translation>Belichtung der dunklen Töne</translation>
    </message>
    <message>
        <source>Tonbreite</source>
        <translation>Tonbreite</translation>
    </message>
    <message>
        <source>Wie weit Lichter und Schatten in die Mitteltöne reichen</source>
        <translation>Wie weit Lichter und Schatten in die Mitteltöne reichen</translation>
    </message>
    <message>
        <source>Lichttuner</source>
        <translation>Lichttuner</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</source>
        <translation>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</translation>
    </message>
    <message>
        <source>Percentile justieren</source>
        <translation>Perzentile justieren</translation>
    </message>
    <message>
        <source>Dunkles Perzentil</source>
        <translation>Dunkles Perzentil</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der schwarz wird</source>
        <translation>Anteil der Pixel jedes Farbkanals, der schwarz wird</translation>
    </message>
    <message>
        <source>Helles Perzentil</source>
        <translation>Helles Perzentil</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der weiß wird</source>
        <translation>Anteil der Pixel jedes Farbkanals, der weiß wird</translation>
    </message>
    <message>
        <source>Gradationskurve (logarithm.)</source>
        <translation>Gradationskurve (logarithmisch)</translation>
    </message>
    <message>
        <source>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</source>
        <translation>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</translation>
    </message>
    <message>
        <source>Tonwerte justieren</source>
        <translation>Tonwerte justieren</translation>
    </message>
    <message>
        <source>Schwarzwert</source>
        <translation>Schwarzwert</translation>
    </message>
    <message>
        <source>Helligkeit, die schwarz wird</source>
        <translation>Helligkeit, die schwarz wird</translation>
    </message>
    <message>
        <source>Weißwert</source>
        <translation>Weißwert</translation>
    </message>
    <message>
        <source>Helligkeit, die weiß wird</source>
        <translation>Helligkeit, die weiß wird</translation>
    </message>
    <message>
        <source>Mitteltöne</source>
        <translation>Mitteltöne</translation>
    </message>
    <message>
        <source>Gamma der Mitteltöne</source>
        <translation>Gamma der Mitteltöne</translation>
    </message>
    <message>
        <source>Ausgabe Schwarz</source>
        <translation>Ausgabe Schwarz</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Schwarz gesetzt wird</source>
        <translation>Helligkeit, auf die Schwarz gesetzt wird</translation>
    </message>
    <message>
        <source>Ausgabe Weiß</source>
        <translation>Ausgabe Weiß</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Weiß gesetzt wird</source>
        <translation>Helligkeit, auf die Weiß gesetzt wird</translation>
    </message>
    <message>
        <source>Graustufenumwandlung</source>
        <translation>Graustufenumwandlung</translation>
    </message>
    <message>
        <source>Rotanteil</source>
        <translation>Rotanteil</translation>
    </message>
    <message>
        <source>Anteil des roten Kanals am Grau</source>
        <translation>Anteil des roten Kanals am Grau</translation>
    </message>
    <message>
        <source>Grünanteil</source>
        <translation>Grünanteil</translation>
    </message>
    <message>
        <source>Anteil des grünen Kanals am Grau</source>
        <translation>Anteil des grünen Kanals am Grau</translation>
    </message>
    <message>
        <source>Blauanteil</source>
        <translation>Blauanteil</translation>
    </message>
    <message>
        <source>Anteil des blauen Kanals am Grau</source>
        <translation>Anteil des blauen Kanals am Grau</translation>
    </message>
    <message>
        <source>Fraktales_Korn</source>
        <translation>Fraktales Korn</translation>
    </message>
    <message>
        <source>Stärke des Korns</source>
        <translation>Stärke des Korns</translation>
    </message>
    <message>
        <source>Größe der Körner im Bild in voller Auflösung</source>
        <translation>Größe der Körner im Bild in voller Auflösung</translation>
    </message>
    <message>
        <source>Rauheit</source>
        <translation>Rauheit</translation>
    </message>
    <message>
        <source>rau</source>
        <translation>rau</translation>
    </message>
    <message>
        <source>Anteil der feineren Kornstufen</source>
        <translation>Anteil der feineren Kornstufen</translation>
    </message>
    <message>
        <source>Kornbewegung</source>
        <translation>Kornbewegung</translation>
    </message>
    <message>
        <source>eingefroren</source>
        <translation>eingefroren</translation>
    </message>
    <message>
        <source>jedes Bild neu</source>
        <translation>jedes Bild neu</translation>
    </message>
    <message>
        <source>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</source>
        <translation>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</translation>
    </message>
    <message>
        <source>Analoges_Korn</source>
        <translation>Analoges Korn</translation>
    </message>
    <message>
        <source>Farbkorn</source>
        <translation>Farbkorn</translation>
    </message>
    <message>
        <source>einfarbig</source>
        <translation>einfarbig</translation>
    </message>
    <message>
        <source>farbig</source>
        <translation>farbig</translation>
    </message>
    <message>
        <source>Anteil des Korns, der in jedem Farbkanal eigen ist</source>
        <translation>Anteil des Korns, der in jedem Farbkanal eigen ist</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSV)</source>
        <translation>Fraktales Korn (HSV)</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSL)</source>
        <translation>Fraktales Korn (HSL)</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSV)</source>
        <translation>Analoges Korn (HSV)</translation>
    </message>
    <message>
        <source>Sättigungskorn</source>
        <translation>Sättigungskorn</translation>
    </message>
    <message>
        <source>Korn auch in der Sättigung; der Farbton bleibt erhalten</source>
        <translation>Korn auch in der Sättigung; der Farbton bleibt erhalten</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSL)</source>
        <translation>Analoges Korn (HSL)</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Bleach Bypass</translation>
    </message>
    <message>
        <source>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</source>
        <translation>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</translation>
    </message>
    <message>
        <source>Veiling Glare</source>
        <translation>Schleierblendung</translation>
    </message>
    <message>
        <source>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</source>
        <translation>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</translation>
    </message>
    <message>
        <source>Local Contour</source>
        <translation>Lokale Kontur</translation>
    </message>
    <message>
        <source>Verstärkung der Konturen</source>
        <translation>Verstärkung der Konturen</translation>
    </message>
    <message>
        <source>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</source>
        <translation>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</translation>
    </message>
    <message>
        <source>Struktur (Tonung)</source>
        <translation>Struktur (Tonung)</translation>
    </message>
    <message>
        <source>Wie stark die Struktur über dem Bild liegt</source>
        <translation>Wie stark die Struktur über dem Bild liegt</translation>
    </message>
    <message>
        <source>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</source>
        <translation>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</translation>
    </message>
    <message>
        <source>Muster</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Wählt eine von tausend Varianten der Struktur</source>
        <translation>Wählt eine von tausend Varianten der Struktur</translation>
    </message>
    <message>
        <source>Farbe der Struktur</source>
        <translation>Farbe der Struktur</translation>
    </message>
    <message>
        <source>Struktur (Staub)</source>
        <translation>Struktur (Staub)</translation>
    </message>
    <message>
        <source>Struktur (Licht)</source>
        <translation>Struktur (Licht)</translation>
    </message>
    <message>
        <source>Struktur (Doppelbelichtung)</source>
        <translation>Struktur (Doppelbelichtung)</translation>
    </message>
    <message>
        <source>Struktur (Projektion)</source>
        <translation>Struktur (Projektion)</translation>
    </message>
    <message>
        <source>Struktur (Vignette)</source>
        <translation>Struktur (Vignette)</translation>
    </message>
    <message>
        <source>Struktur (Stoffe)</source>
        <translation>Struktur (Stoffe)</translation>
    </message>
    <message>
        <source>Struktur (Risse)</source>
        <translation>Struktur (Risse)</translation>
    </message>
    <message>
        <source>Struktur (Stein)</source>
        <translation>Struktur (Stein)</translation>
    </message>
    <message>
        <source>Struktur (Papier)</source>
        <translation>Struktur (Papier)</translation>
    </message>
    <message>
        <source>Struktur (Metalle)</source>
        <translation>Struktur (Metalle)</translation>
    </message>
    <message>
        <source>Struktur (Puzzle)</source>
        <translation>Struktur (Puzzle)</translation>
    </message>
    <message>
        <source>Schwarz-Weiß</source>
        <translation>Schwarz-Weiß</translation>
    </message>
    <message>
        <source>Lokaler Kontrast</source>
        <translation>Lokaler Kontrast</translation>
    </message>
    <message>
        <source>Lokaler Kontrast des Graubilds</source>
        <translation>Lokaler Kontrast des Graubilds</translation>
    </message>
    <message>
        <source>Rotfilter</source>
        <translation>Rotfilter</translation>
    </message>
    <message>
        <source>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</source>
        <translation>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</translation>
    </message>
    <message>
        <source>Grünfilter</source>
        <translation>Grünfilter</translation>
    </message>
    <message>
        <source>Wie hell grüne Töne im Grau werden</source>
        <translation>Wie hell grüne Töne im Grau werden</translation>
    </message>
    <message>
        <source>Blaufilter</source>
        <translation>Blaufilter</translation>
    </message>
    <message>
        <source>Wie hell blaue Töne im Grau werden</source>
        <translation>Wie hell blaue Töne im Grau werden</translation>
    </message>
    <message>
        <source>Zentrum belichten</source>
        <translation>Zentrum belichten</translation>
    </message>
    <message>
        <source>Belichtung des Zentrums in Blendenstufen</source>
        <translation>Belichtung des Zentrums in Blendenstufen</translation>
    </message>
    <message>
        <source>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</source>
        <translation>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</translation>
    </message>
    <message>
        <source>Breite des Übergangs nach außen</source>
        <translation>Breite des Übergangs nach außen</translation>
    </message>
    <message>
        <source>Mitte des belichteten Bereichs</source>
        <translation>Mitte des belichteten Bereichs</translation>
    </message>
    <message>
        <source>Weicher Kontrast</source>
        <translation>Weicher Kontrast</translation>
    </message>
    <message>
        <source>weicher</source>
        <translation>weicher</translation>
    </message>
    <message>
        <source>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</source>
        <translation>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Helligkeit, um die die Kurve dreht</source>
        <translation>Helligkeit, um die die Kurve dreht</translation>
    </message>
    <message>
        <source>Halftone</source>
        <translation>Rasterdruck</translation>
    </message>
    <message>
        <source>Rasterweite</source>
        <translation>Rasterweite</translation>
    </message>
    <message>
        <source>Abstand der Rasterpunkte im Bild in voller Auflösung</source>
        <translation>Abstand der Rasterpunkte im Bild in voller Auflösung</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Winkel des Rasters</source>
        <translation>Winkel des Rasters</translation>
    </message>
    <message>
        <source>Wie stark das Raster über dem Bild liegt</source>
        <translation>Wie stark das Raster über dem Bild liegt</translation>
    </message>
    <message>
        <source>Farbraster</source>
        <translation>Farbraster</translation>
    </message>
    <message>
        <source>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</source>
        <translation>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</translation>
    </message>
    <message>
        <source>Struktur (Wellen)</source>
        <translation>Struktur (Wellen)</translation>
    </message>
    <message>
        <source>Struktur (Leinen)</source>
        <translation>Struktur (Leinen)</translation>
    </message>
    <message>
        <source>Alterung</source>
        <translation>Alterung</translation>
    </message>
    <message>
        <source>Gesamtwirkung der Alterung</source>
        <translation>Gesamtwirkung der Alterung</translation>
    </message>
    <message>
        <source>Vergilbung</source>
        <translation>Vergilbung</translation>
    </message>
    <message>
        <source>Gelbstich, vor allem in den Lichtern</source>
        <translation>Gelbstich, vor allem in den Lichtern</translation>
    </message>
    <message>
        <source>Verblassen</source>
        <translation>Verblassen</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>kein</translation>
    </message>
    <message>
        <source>Angehobene Schwarztöne und stumpfe Lichter</source>
        <translation>Angehobene Schwarztöne und stumpfe Lichter</translation>
    </message>
    <message>
        <source>Flecken</source>
        <translation>Flecken</translation>
    </message>
    <message>
        <source>Braune Flecken und Staubpunkte</source>
        <translation>Braune Flecken und Staubpunkte</translation>
    </message>
    <message>
        <source>Iter Tonemapping Kontrast</source>
        <translation>Iteratives Tonemapping Kontrast</translation>
    </message>
    <message>
        <source>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</source>
        <translation>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>Kompression</translation>
    </message>
    <message>
        <source>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</source>
        <translation>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</translation>
    </message>
    <message>
        <source>erhalten</source>
        <translation>erhalten</translation>
    </message>
    <message>
        <source>Iter Tonemapping Brillanz</source>
        <translation>Iteratives Tonemapping Brillanz</translation>
    </message>
    <message>
        <source>Brillanz</source>
        <translation>Brillanz</translation>
    </message>
    <message>
        <source>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</source>
        <translation>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</translation>
    </message>
    <message>
        <source>Maske - Details</source>
        <translation>Maske - Details</translation>
    </message>
    <message>
        <source>feine Details</source>
        <translation>feine Details</translation>
    </message>
    <message>
        <source>grobe Kanten</source>
        <translation>grobe Kanten</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</source>
        <translation>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</translation>
    </message>
    <message>
        <source>Maske - NonDetails</source>
        <translation>Maske - Flächen ohne Details</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Rot</source>
        <translation>Maske - Farbanteil Rot</translation>
    </message>
    <message>
        <source>rein</source>
        <translation>rein</translation>
    </message>
    <message>
        <source>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Grün</source>
        <translation>Maske - Farbanteil Grün</translation>
    </message>
    <message>
        <source>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Blau</source>
        <translation>Maske - Farbanteil Blau</translation>
    </message>
    <message>
        <source>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</translation>
    </message>
    <message>
        <source>Maske - MinMax</source>
        <translation>Maske - Min/Max</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</source>
        <translation>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</source>
        <translation>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</translation>
    </message>
    <message>
        <source>Maske - Gradation</source>
        <translation>Maske - Gradation</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Auswahlstärke über der Helligkeit.</source>
        <translation>Auswahlstärke über der Helligkeit.</translation>
    </message>
    <message>
        <source>Maske - Verlauf</source>
        <translation>Maske - Verlauf</translation>
    </message>
    <message>
        <source>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</source>
        <translation>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</translation>
    </message>
    <message>
        <source>Maske - Vignette</source>
        <translation>Maske - Vignette</translation>
    </message>
    <message>
        <source>Zentrum</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</source>
        <translation>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne</source>
        <translation>Maske - Hauttöne</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf.</source>
        <translation>Wie weit der Farbton vom Hautton abweichen darf.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne schützen</source>
        <translation>Maske - Hauttöne schützen</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</source>
        <translation>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</translation>
    </message>
    <message>
        <source>Maske - Himmelsfarben</source>
        <translation>Maske - Himmelsfarben</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Himmelblau abweichen darf.</source>
        <translation>Wie weit der Farbton vom Himmelblau abweichen darf.</translation>
    </message>
    <message>
        <source>Maske - organisches Grün</source>
        <translation>Maske - organisches Grün</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</source>
        <translation>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</translation>
    </message>
    <message>
        <source>horizontale Weichzeichnung</source>
        <translation>horizontale Weichzeichnung</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</source>
        <translation>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</translation>
    </message>
    <message>
        <source>vertikale Weichzeichnung</source>
        <translation>vertikale Weichzeichnung</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</source>
        <translation>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</translation>
    </message>
    <message>
        <source>gerichtete Weichzeichnung</source>
        <translation>gerichtete Weichzeichnung</translation>
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
        <translation>Richtung der Weichzeichnung; 0° waagrecht, 90° senkrecht.</translation>
    </message>
    <message>
        <source>Verflüssigen</source>
        <translation>Verflüssigen</translation>
    </message>
    <message>
        <source>Größte Verschiebung der Bildpunkte.</source>
        <translation>Größte Verschiebung der Bildpunkte.</translation>
    </message>
    <message>
        <source>Strukturgröße</source>
        <translation>Strukturgröße</translation>
    </message>
    <message>
        <source>Kirlian Weichzeichnung</source>
        <translation>Korona-Weichzeichnung</translation>
    </message>
    <message>
        <source>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</source>
        <translation>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</translation>
    </message>
    <message>
        <source>Kirlian Leuchten</source>
        <translation>Korona-Leuchten</translation>
    </message>
    <message>
        <source>Breite der Korona um die Kanten.</source>
        <translation>Breite der Korona um die Kanten.</translation>
    </message>
    <message>
        <source>Leuchtkraft</source>
        <translation>Leuchtkraft</translation>
    </message>
    <message>
        <source>Neon Leuchten</source>
        <translation>Neon Leuchten</translation>
    </message>
    <message>
        <source>Leuchtradius</source>
        <translation>Leuchtradius</translation>
    </message>
    <message>
        <source>Breite des Leuchtens um die Kanten.</source>
        <translation>Breite des Leuchtens um die Kanten.</translation>
    </message>
    <message>
        <source>Hintergrund abdunkeln</source>
        <translation>Hintergrund abdunkeln</translation>
    </message>
    <message>
        <source>Bildleuchten</source>
        <translation>Bildleuchten</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Bildbereiche leuchten.</source>
        <translation>Helligkeit, ab der Bildbereiche leuchten.</translation>
    </message>
    <message>
        <source>kantenerhaltende Weichzeichnung</source>
        <translation>kantenerhaltende Weichzeichnung</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</source>
        <translation>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</translation>
    </message>
    <message>
        <source>Gauss-Weichzeichnung</source>
        <translation>Gaußsche Weichzeichnung</translation>
    </message>
    <message>
        <source>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</source>
        <translation>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</translation>
    </message>
    <message>
        <source>Farbkanal Weichzeichnung</source>
        <translation>Farbkanal Weichzeichnung</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Rotkanal.</source>
        <translation>Anteil des Radius für den Rotkanal.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Grünkanal.</source>
        <translation>Anteil des Radius für den Grünkanal.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Blaukanal.</source>
        <translation>Anteil des Radius für den Blaukanal.</translation>
    </message>
    <message>
        <source>Farbton Weichzeichnung</source>
        <translation>Farbton Weichzeichnung</translation>
    </message>
    <message>
        <source>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</source>
        <translation>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</translation>
    </message>
    <message>
        <source>Kreis-Weichzeichnung</source>
        <translation>Kreis-Weichzeichnung</translation>
    </message>
    <message>
        <source>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</source>
        <translation>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</translation>
    </message>
    <message>
        <source>Fokus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Unschärfe</source>
        <translation>Unschärfe</translation>
    </message>
    <message>
        <source>Schärfebereich</source>
        <translation>Schärfebereich</translation>
    </message>
    <message>
        <source>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</source>
        <translation>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</translation>
    </message>
    <message>
        <source>Bokeh</source>
        <translation>Bokeh</translation>
    </message>
    <message>
        <source>Radius der Unschärfescheibe.</source>
        <translation>Radius der Unschärfescheibe.</translation>
    </message>
    <message>
        <source>Lichter betonen</source>
        <translation>Lichter betonen</translation>
    </message>
    <message>
        <source>Helle Lichter werden zu hellen Scheiben.</source>
        <translation>Helle Lichter werden zu hellen Scheiben.</translation>
    </message>
    <message>
        <source>Licht-Bokeh</source>
        <translation>Licht-Bokeh</translation>
    </message>
    <message>
        <source>Radius der Lichtscheiben.</source>
        <translation>Radius der Lichtscheiben.</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Lichter Scheiben bilden.</source>
        <translation>Helligkeit, ab der Lichter Scheiben bilden.</translation>
    </message>
    <message>
        <source>Warp</source>
        <translation>Verformen</translation>
    </message>
    <message>
        <source>Verschiebung</source>
        <translation>Verschiebung</translation>
    </message>
    <message>
        <source>Einflussradius</source>
        <translation>Einflussradius</translation>
    </message>
    <message>
        <source>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</source>
        <translation>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0° nach rechts, 90° nach unten.</source>
        <translation>0° nach rechts, 90° nach unten.</translation>
    </message>
    <message>
        <source>Intensives Leuchten</source>
        <translation>Intensives Leuchten</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 kann nicht geöffnet werden.</source>
        <translation>Die LUT-Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</source>
        <translation>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</source>
        <translation>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</source>
        <translation>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist keine Datei.</source>
        <translation>Die LUT-Datei %1 ist keine Datei.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist größer als %2 MB.</source>
        <translation>Die LUT-Datei %1 ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>Die LUT-Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>LUT importieren</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten je Achse übernommen.</source>
        <translation>%1 von %2 Punkten je Achse übernommen.</translation>
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
        <translation>B</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Farbe</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Weichzeichnen</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Künstlerisch</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Masken</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>Maske anzeigen: zeigt die Auswahl nach dem gewählten Operator als Graubild</source>
        <translation>Maske anzeigen: zeigt die Auswahl nach dem gewählten Operator als Graubild</translation>
    </message>
    <message>
        <source>Tetraedrisch interpolieren</source>
        <translation>Tetraedrisch interpolieren</translation>
    </message>
    <message>
        <source>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</source>
        <translation>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</translation>
    </message>
    <message>
        <source>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</source>
        <translation>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Bearbeitung als LUT speichern</translation>
    </message>
    <message>
        <source>Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</source>
        <translation>Die LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</translation>
    </message>
    <message>
        <source>Der LUT wurde nicht geschrieben: %1</source>
        <translation>Die LUT wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Mittelwert, Ausreißer betont</source>
        <translation>Mittelwert, Ausreißer betont</translation>
    </message>
    <message>
        <source>Mittelwert, Mehrheit betont</source>
        <translation>Mittelwert, Mehrheit betont</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Streuung</translation>
    </message>
    <message>
        <source>Bewegungskarte</source>
        <translation>Bewegungskarte</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Mitte zwischen Minimum und Maximum</source>
        <translation>Mitte zwischen Minimum und Maximum</translation>
    </message>
    <message>
        <source>Verblassende Spur</source>
        <translation>Verblassende Spur</translation>
    </message>
    <message>
        <source>Spitzheit der Verteilung</source>
        <translation>Spitzheit der Verteilung</translation>
    </message>
    <message>
        <source>Beim Videoexport</source>
        <translation>Beim Videoexport</translation>
    </message>
    <message>
        <source>Überblendete Bilder</source>
        <translation>Überblendete Bilder</translation>
    </message>
    <message>
        <source>Überblendung</source>
        <translation>Überblendung</translation>
    </message>
    <message>
        <source>Vorher/Nachher</source>
        <translation>Vorher/Nachher</translation>
    </message>
    <message>
        <source>Hälfte</source>
        <translation>Hälfte</translation>
    </message>
    <message>
        <source>Mitte nebeneinander</source>
        <translation>Mitte nebeneinander</translation>
    </message>
</context>
<context>
    <name>HDRPresetCombineWindow</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Voreinstellungen kombinieren</translation>
    </message>
    <message>
        <source>Kombinieren ausführen</source>
        <translation>Kombinieren ausführen</translation>
    </message>
    <message>
        <source>Voreinstellung A</source>
        <translation>Voreinstellung A</translation>
    </message>
    <message>
        <source>Voreinstellung B</source>
        <translation>Voreinstellung B</translation>
    </message>
</context>
<context>
    <name>HDRPresetGroupBox</name>
    <message>
        <source>Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.</source>
        <translation>Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.</translation>
    </message>
    <message>
        <source>Klicken, um die Voreinstellung anzuwenden</source>
        <translation>Klicken, um die Voreinstellung anzuwenden</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Kopiert die Voreinstellung als eigene Voreinstellung</source>
        <translation>Kopiert die Voreinstellung als eigene Voreinstellung</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Lädt die Voreinstellung wieder aus ihrer Datei</source>
        <translation>Lädt die Voreinstellung wieder aus ihrer Datei</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Speichert die aktuelle Bearbeitung in diese Voreinstellung</source>
        <translation>Speichert die aktuelle Bearbeitung in diese Voreinstellung</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Gibt der Voreinstellung einen neuen Namen</source>
        <translation>Gibt der Voreinstellung einen neuen Namen</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Löscht die Voreinstellung</source>
        <translation>Löscht die Voreinstellung</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach oben</source>
        <translation>Schiebt die Voreinstellung eine Stelle nach oben</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach unten</source>
        <translation>Schiebt die Voreinstellung eine Stelle nach unten</translation>
    </message>
    <message>
        <source>Fehlende Effekte</source>
        <translation>Fehlende Effekte</translation>
    </message>
</context>
<context>
    <name>HDRPresetsDockWidget</name>
    <message>
        <source>Voreinstellungen</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Zeigt nur Voreinstellungen mit diesem Stichwort</source>
        <translation>Zeigt nur Voreinstellungen mit diesem Stichwort</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Voreinstellungen importieren</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Voreinstellung exportieren</translation>
    </message>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Voreinstellungen kombinieren</translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation>wird ermittelt</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Verstrichene Zeit: </translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation>Geschätzte Restzeit: </translation>
    </message>
    <message numerus="yes">
        <source>%n Tage</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Stunden</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minuten</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sekunden</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HDRScopesDockWidget</name>
    <message>
        <source>Scopes</source>
        <translation>Messanzeigen</translation>
    </message>
</context>
<context>
    <name>HDRTimelineDockWidget</name>
    <message>
        <source>Timeline Window</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt einladen</source>
        <translation>Diesen Undo-Punkt einladen</translation>
    </message>
    <message>
        <source>tooltip Timeline-Notiz editieren</source>
        <translation>Notiz zu diesem Punkt bearbeiten</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt löschen</source>
        <translation>Diesen Undo-Punkt löschen</translation>
    </message>
    <message>
        <source>Notiz eintragen</source>
        <translation>Notiz eintragen</translation>
    </message>
    <message>
        <source>Geben Sie eine Notiz ein:</source>
        <translation>Geben Sie eine Notiz ein:</translation>
    </message>
    <message>
        <source>Soll dieser Undo-Punkt wirklich gelöscht werden?</source>
        <translation>Soll dieser Undo-Punkt wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Undo-Eintrag</source>
        <translation>Rückgängig-Eintrag</translation>
    </message>
    <message>
        <source>Undo-Einträge</source>
        <translation>Rückgängig-Einträge</translation>
    </message>
    <message>
        <source>verfügbar</source>
        <translation>verfügbar</translation>
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
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation>Geometrisches Mittel</translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation>Verstärken</translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation>Negation</translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation>Negativ multiplizieren</translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation>Ausschluss</translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation>Reflektieren</translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation>Weiches Licht</translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation>Ineinanderkopieren</translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation>Farbig abwedeln</translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation>Farbig nachbelichten</translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation>Linear nachbelichten</translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation>Lineares Licht</translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation>Strahlendes Licht</translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation>Lichtpunkt</translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation>Harte Mischung</translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation>Glühen</translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation>Hitze</translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation>Annäherung</translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation>Kubische Summe</translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation>Quadratisches Mittel</translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation>Kontrast abschwächen</translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation>Kontrast verstärken</translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation>Hartes Licht (Luminanz)</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation>Aufhellen (weich)</translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation>Mitteltöne</translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation>Graue Töne</translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation>Bunte Töne</translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation>Rotkanal</translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation>Grünkanal</translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation>Blaukanal</translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation>Grün- und Blaukanal</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation>Rot- und Blaukanal</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation>Rot- und Grünkanal</translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation>Tiefe Schatten</translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation>Helle Lichter</translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation>Addieren (begrenzt)</translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation>Addieren (Schatten)</translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation>Differenz hinzufügen</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation>HSV Farbton</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation>HSV Sättigung</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation>HSV Farbe</translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation>HSV Helligkeit</translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation>HSV Mittel</translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation>HSV Abdunkeln</translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation>HSV Aufhellen</translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation>HSV Entsättigen</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation>HSV Sättigen</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation>HSL Farbton</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation>HSL Sättigung</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation>HSL Farbe</translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation>HSL Helligkeit</translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation>HSL Mittel</translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation>HSL Abdunkeln</translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation>HSL Aufhellen</translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation>HSL Entsättigen</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation>HSL Sättigen</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation>Gespeicherte LUT-Stile: einen wählen, um ihn anzuwenden</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation>LUT-Bibliothek</translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation>Die aktuelle LUT in die Bibliothek aufnehmen</translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation>Die gewählte LUT aus der Bibliothek löschen</translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation>LUT laden</translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation>Eine LUT aus einer Cube-Datei laden</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>LUT speichern</translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation>Die aktuelle LUT als Cube-Datei speichern</translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation>LUT aus dem vorigen Bild des Ordners erstellen</translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation>LUT aus Bild</translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation>LUT aus dem nächsten Bild des Ordners erstellen</translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation>Typ 1</translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation>Methode 1: übernimmt die Tonwertverteilung jedes Farbkanals</translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation>Typ 2</translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation>Methode 2: übernimmt Tonwerte und Farbtöne</translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation>LUT mit 17 Punkten je Achse</translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation>LUT mit 25 Punkten je Achse</translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation>LUT mit 32 Punkten je Achse</translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation>LUT mit 64 Punkten je Achse</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Erzeuge Vorschaubilder: </translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>LUT importieren</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Bearbeitung als LUT speichern</translation>
    </message>
    <message>
        <source>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</source>
        <translation>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</translation>
    </message>
</context>
<context>
    <name>PPPreset</name>
    <message>
        <source>Klarer Tag</source>
        <translation>Klarer Tag</translation>
    </message>
    <message>
        <source>Sanftes Licht</source>
        <translation>Sanftes Licht</translation>
    </message>
    <message>
        <source>Warmer Abend</source>
        <translation>Warmer Abend</translation>
    </message>
    <message>
        <source>Frische Farben</source>
        <translation>Frische Farben</translation>
    </message>
    <message>
        <source>Natürlicher Kontrast</source>
        <translation>Natürlicher Kontrast</translation>
    </message>
    <message>
        <source>Helle Mitten</source>
        <translation>Helle Mitten</translation>
    </message>
    <message>
        <source>Negativtraum</source>
        <translation>Negativtraum</translation>
    </message>
    <message>
        <source>Traumleuchten</source>
        <translation>Traumleuchten</translation>
    </message>
    <message>
        <source>Fremde Welt</source>
        <translation>Fremde Welt</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarot</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Blaue Umkehr</source>
        <translation>Blaue Umkehr</translation>
    </message>
    <message>
        <source>Blauer Himmel</source>
        <translation>Blauer Himmel</translation>
    </message>
    <message>
        <source>Sattes Grün</source>
        <translation>Sattes Grün</translation>
    </message>
    <message>
        <source>Herbstwald</source>
        <translation>Herbstwald</translation>
    </message>
    <message>
        <source>Nebelmorgen</source>
        <translation>Nebelmorgen</translation>
    </message>
    <message>
        <source>Dramatischer Himmel</source>
        <translation>Dramatischer Himmel</translation>
    </message>
    <message>
        <source>Wüstensonne</source>
        <translation>Wüstensonne</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Glas und Stahl</source>
        <translation>Glas und Stahl</translation>
    </message>
    <message>
        <source>Klare Linien</source>
        <translation>Klare Linien</translation>
    </message>
    <message>
        <source>Altstadt</source>
        <translation>Altstadt</translation>
    </message>
    <message>
        <source>Nachtstadt</source>
        <translation>Nachtstadt</translation>
    </message>
    <message>
        <source>Warme Haut</source>
        <translation>Warme Haut</translation>
    </message>
    <message>
        <source>Weiche Haut</source>
        <translation>Weiche Haut</translation>
    </message>
    <message>
        <source>Portrait Schwarzweiß</source>
        <translation>Porträt Schwarzweiß</translation>
    </message>
    <message>
        <source>High Key</source>
        <translation>High Key</translation>
    </message>
    <message>
        <source>Low Key</source>
        <translation>Low Key</translation>
    </message>
    <message>
        <source>Sepia Klassik</source>
        <translation>Sepia klassisch</translation>
    </message>
    <message>
        <source>Filmkorn</source>
        <translation>Filmkorn</translation>
    </message>
    <message>
        <source>Kreuzentwicklung</source>
        <translation>Kreuzentwicklung</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Pastell</translation>
    </message>
    <message>
        <source>Zweiton</source>
        <translation>Zweiton</translation>
    </message>
    <message>
        <source>Lochkamera</source>
        <translation>Lochkamera</translation>
    </message>
</context>
<context>
    <name>PPPresetCategory</name>
    <message>
        <source>SearchTag leer</source>
        <translation>Ohne Kategorie</translation>
    </message>
    <message>
        <source>SearchTag Benutzer</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>user</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Natürlich</translation>
    </message>
    <message>
        <source>surreal</source>
        <translation>Surreal</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>architecture</source>
        <translation>Architektur</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Porträt</translation>
    </message>
    <message>
        <source>artistic</source>
        <translation>Künstlerisch</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Weich</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Farbig</source>
        <translation>Farbig</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Kühl</source>
        <translation>Kühl</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>Schwarzweiß</translation>
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
        <translation>Tonemapping</translation>
    </message>
    <message>
        <source>Undo-Daten bereinigen</source>
        <translation>Undo-Daten bereinigen</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Initialisiere System</source>
        <translation>Initialisiere System</translation>
    </message>
</context>
<context>
    <name>WindowsRegistryHelper</name>
    <message>
        <source>Vantrope Marlix Projektdatei</source>
        <translation>Vantrope Marlix Projektdatei</translation>
    </message>
    <message>
        <source>Error in setting Registry values</source>
        <translation>Fehler beim Eintragen der Dateizuordnung</translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation>Die Dateizuordnung für &apos;%1&apos; konnte nicht eingetragen werden.</translation>
    </message>
</context>
</TS>
