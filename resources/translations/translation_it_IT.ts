<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="de_DE">
<context>
    <name>CCliArguments</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>l&apos;opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>unerwartetes Argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 braucht %2 (siehe vantrope-cli %1 --help)</source>
        <translation>%1 richiede %2 (vedi vantrope-cli %1 --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lässt sich nicht benennen: %2</source>
        <translation>impossibile indicare &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Option --%1 fehlt</source>
        <translation>manca l&apos;opzione --%1</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>valore non valido per --%1: &apos;%2&apos; (atteso un numero da 0 a 1)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</source>
        <translation>valore non valido per --%1: &apos;%2&apos; (atteso un numero intero da %3 a %4)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (%3)</source>
        <translation>valore non valido per --%1: &apos;%2&apos; (%3)</translation>
    </message>
    <message>
        <source>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</source>
        <translation>posizione non valida &apos;%1&apos; (millisecondi, 0 o più)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</source>
        <translation>dimensione non valida &apos;%1&apos; (attesa WxH, da %2 a %3 ciascuna)</translation>
    </message>
</context>
<context>
    <name>CClipDecoder</name>
    <message>
        <source>Die Datei %1 enthält kein lesbares Video.</source>
        <translation>Il file %1 non contiene alcun video leggibile.</translation>
    </message>
    <message>
        <source>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</source>
        <translation>Il video ha dimensioni del fotogramma non supportate (%1 × %2).</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für den Videodecoder.</source>
        <translation>Memoria insufficiente per il decodificatore video.</translation>
    </message>
    <message>
        <source>Das Videoformat von %1 kann nicht dekodiert werden.</source>
        <translation>Il formato video di %1 non può essere decodificato.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>Kein Video geöffnet.</source>
        <translation>Nessun video aperto.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden.</source>
        <translation>Impossibile convertire il fotogramma.</translation>
    </message>
    <message>
        <source>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</source>
        <translation>Impossibile leggere un fotogramma alla posizione %1: il file è danneggiato o incompleto.</translation>
    </message>
</context>
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation>Elaborazione video</translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation>Interrompere davvero l&apos;elaborazione del video?</translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation>Si è verificato un errore imprevisto. Codice: %1</translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation>Il programma %1 non ha risposto in tempo ed è stato terminato.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>Impossibile scrivere nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation>Il disco della cartella di destinazione è pieno.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Errore imprevisto</translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation>Il formato video scelto produrrà un file molto grande. Continuare comunque?</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation>Elaborazione del file video</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation>Elaborazione del file video (audio)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation>Elaborazione del file video (conversione)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation>Elaborazione del file video (finalizzazione)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation>Elaborazione del file video (video)</translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation>Con %2 byte il file %1 è troppo grande per un preset (al massimo %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation>Il file %1 contiene %2 operatori; un preset ne ha al massimo %3.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation>Il file %1 non è un preset.</translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation>Nel file %1 manca la voce Kernel del gruppo %2.</translation>
    </message>
</context>
<context>
    <name>CPresetCombiner</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combina preset</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Inserisci un nome:</translation>
    </message>
</context>
<context>
    <name>CPresetLibrary</name>
    <message>
        <source>Critical error</source>
        <translation>Errore critico</translation>
    </message>
    <message>
        <source>No post-processing presets found! Please reinstall...</source>
        <translation>Nessun preset di correzione trovato! Reinstallare il programma.</translation>
    </message>
    <message>
        <source>Importierte Presets:</source>
        <translation>Preset importati:</translation>
    </message>
    <message>
        <source>Bereits vorhandene Presets:</source>
        <translation>Preset già presenti:</translation>
    </message>
    <message>
        <source>Inkompatible Presets:</source>
        <translation>Preset incompatibili:</translation>
    </message>
    <message>
        <source>Fehlerhafte Presets:</source>
        <translation>Preset difettosi:</translation>
    </message>
    <message>
        <source>Zu Addons gehörende Presets:</source>
        <translation>Preset appartenenti a componenti aggiuntivi:</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Importa preset</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
    <message>
        <source>Preset Import Messagetitle</source>
        <translation>Importazione preset</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Esporta preset</translation>
    </message>
    <message>
        <source>MyPreset</source>
        <translation>Il mio preset</translation>
    </message>
    <message>
        <source>Voreinstellung kopieren</source>
        <translation>Copia preset</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Inserisci un nome:</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Voreinstellung umbenennen</source>
        <translation>Rinomina preset</translation>
    </message>
    <message>
        <source>Vergeben sie einen neuen Namen:</source>
        <translation>Inserisci un nuovo nome:</translation>
    </message>
    <message>
        <source>Voreinstellung löschen?</source>
        <translation>Eliminare il preset?</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</source>
        <translation>Eliminare davvero il preset &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Voreinstellung zurücksetzen</source>
        <translation>Ripristina preset</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</source>
        <translation>Ripristinare davvero il preset &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>CPresetsDockModel</name>
    <message>
        <source>Alle</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Natürlich</source>
        <translation>Naturale</translation>
    </message>
    <message>
        <source>Surreal</source>
        <translation>Surreale</translation>
    </message>
    <message>
        <source>Landschaft</source>
        <translation>Paesaggio</translation>
    </message>
    <message>
        <source>Architektur</source>
        <translation>Architettura</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Ritratto</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Artistico</translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation>Forma d&apos;onda (luma)</translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation>Parata RGB</translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation>Vettorscopio</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Istogramma</translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation>Quale strumento di misura appare qui</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation>Guadagno </translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation>Luminosità delle tracce: valori più alti mostrano chiaramente anche i valori rari</translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation>Logaritmico</translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation>Altezze dell&apos;istogramma in scala logaritmica anziché lineare</translation>
    </message>
</context>
<context>
    <name>CVideoDockWidget</name>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Impostazioni video</translation>
    </message>
    <message>
        <source>Das Quellvideo im Standardprogramm abspielen</source>
        <translation>Riproduci il video sorgente nel lettore predefinito</translation>
    </message>
    <message>
        <source>Das gespeicherte Video im Standardprogramm abspielen</source>
        <translation>Riproduci il video salvato nel lettore predefinito</translation>
    </message>
    <message>
        <source>Den Ton des Quellvideos übernehmen</source>
        <translation>Mantieni l&apos;audio del video sorgente</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Die Metadaten des Quellvideos übernehmen</source>
        <translation>Mantieni i metadati del video sorgente</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <translation>Metadati</translation>
    </message>
    <message>
        <source>Das Video waagerecht spiegeln</source>
        <translation>Rifletti il video orizzontalmente</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Rifletti</translation>
    </message>
    <message>
        <source>Das Video senkrecht spiegeln</source>
        <translation>Capovolgi il video verticalmente</translation>
    </message>
    <message>
        <source>Kippen</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>Videoformat der gespeicherten Datei</source>
        <translation>Formato video del file salvato</translation>
    </message>
    <message>
        <source>Qualität der gespeicherten Datei</source>
        <translation>Qualità del file salvato</translation>
    </message>
    <message>
        <source>Kompressionsartefakte der Quelle mindern</source>
        <translation>Riduci gli artefatti di compressione della sorgente</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Salva l&apos;intero video con la correzione attuale</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Salva video</translation>
    </message>
    <message>
        <source>Klicken oder ziehen wählt das Bild, das bearbeitet wird</source>
        <translation>Fai clic o trascina per scegliere il fotogramma da modificare</translation>
    </message>
    <message>
        <source>Mehr Vorschaubilder in der Zeitleiste zeigen</source>
        <translation>Mostra più miniature nella timeline</translation>
    </message>
    <message>
        <source>Zum Anfang (Pos1)</source>
        <translation>All&apos;inizio (Home)</translation>
    </message>
    <message>
        <source>Eine Sekunde zurück (Umschalt+Links)</source>
        <translation>Un secondo indietro (Maiusc+Sinistra)</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Links)</source>
        <translation>Un fotogramma indietro (Sinistra)</translation>
    </message>
    <message>
        <source>Zur Mitte</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Ein Bild vor (Rechts)</source>
        <translation>Un fotogramma avanti (Destra)</translation>
    </message>
    <message>
        <source>Eine Sekunde vor (Umschalt+Rechts)</source>
        <translation>Un secondo avanti (Maiusc+Destra)</translation>
    </message>
    <message>
        <source>Zum Ende (Ende)</source>
        <translation>Alla fine (Fine)</translation>
    </message>
    <message>
        <source>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</source>
        <translation>Tempo (ore:minuti:secondi:fotogrammi) e numero del fotogramma mostrato</translation>
    </message>
    <message>
        <source>Wiedergabe anhalten (Leertaste, Esc)</source>
        <translation>Ferma la riproduzione (Spazio, Esc)</translation>
    </message>
    <message>
        <source>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</source>
        <translation>Riproduci il video modificato nell&apos;anteprima (Spazio)</translation>
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
        <translation>Non compresso (AVI)</translation>
    </message>
    <message>
        <source>Unkomprimiert (AVI)</source>
        <translation>Non compresso (AVI)</translation>
    </message>
    <message>
        <source>Video Quality Best</source>
        <translation>Qualità massima</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Qualità massima</translation>
    </message>
    <message>
        <source>Video Quality Better</source>
        <translation>Alta qualità</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>Alta qualità</translation>
    </message>
    <message>
        <source>Video Quality Normal</source>
        <translation>Qualità normale</translation>
    </message>
    <message>
        <source>Normale Qualität</source>
        <translation>Qualità normale</translation>
    </message>
    <message>
        <source>Video Quality Low</source>
        <translation>Bassa qualità</translation>
    </message>
    <message>
        <source>Geringe Qualität</source>
        <translation>Bassa qualità</translation>
    </message>
    <message>
        <source>Video Quality Lowest</source>
        <translation>Qualità minima</translation>
    </message>
    <message>
        <source>Geringste Qualität</source>
        <translation>Qualità minima</translation>
    </message>
    <message>
        <source>Video Artefact Unchanged</source>
        <translation>Nessuna riduzione degli artefatti</translation>
    </message>
    <message>
        <source>Keine Artefaktminderung</source>
        <translation>Nessuna riduzione degli artefatti</translation>
    </message>
    <message>
        <source>Video Artefact Slight</source>
        <translation>Lieve riduzione degli artefatti</translation>
    </message>
    <message>
        <source>Leichte Artefaktminderung</source>
        <translation>Lieve riduzione degli artefatti</translation>
    </message>
    <message>
        <source>Video Artefact Strong</source>
        <translation>Forte riduzione degli artefatti</translation>
    </message>
    <message>
        <source>Starke Artefaktminderung</source>
        <translation>Forte riduzione degli artefatti</translation>
    </message>
    <message>
        <source>Video Artefact Intensive</source>
        <translation>Riduzione intensiva degli artefatti</translation>
    </message>
    <message>
        <source>Intensive Artefaktminderung</source>
        <translation>Riduzione intensiva degli artefatti</translation>
    </message>
    <message>
        <source>Video Artefact Maximal</source>
        <translation>Riduzione massima degli artefatti</translation>
    </message>
    <message>
        <source>Maximale Artefaktminderung</source>
        <translation>Riduzione massima degli artefatti</translation>
    </message>
    <message>
        <source>Auflösung: %1 x %2 px</source>
        <translation>Risoluzione: %1 x %2 px</translation>
    </message>
    <message>
        <source>Länge: %1  (%2 fps)</source>
        <translation>Durata: %1  (%2 fps)</translation>
    </message>
    <message>
        <source>Länge: %1</source>
        <translation>Durata: %1</translation>
    </message>
    <message>
        <source>%1  (Bild %2)</source>
        <translation>%1  (fotogramma %2)</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Memoria insufficiente per l&apos;immagine.</translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation>Salva video</translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation>Il mio video</translation>
    </message>
</context>
<context>
    <name>CliBench</name>
    <message>
        <source>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</source>
        <translation>dimensione non valida &apos;%1&apos; (al massimo 200.000.000 pixel)</translation>
    </message>
    <message>
        <source>kein Benchmark genannt (siehe bench --list)</source>
        <translation>nessun benchmark indicato (vedi bench --list)</translation>
    </message>
    <message>
        <source>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</source>
        <translation>benchmark sconosciuto &apos;%1&apos; (vedi bench --list)</translation>
    </message>
    <message>
        <source>%1 ist nicht im Katalog</source>
        <translation>%1 non è nel catalogo</translation>
    </message>
    <message>
        <source>ungültiges --bpp (1..16)</source>
        <translation>--bpp non valido (1..16)</translation>
    </message>
    <message>
        <source>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</source>
        <translation>impossibile leggere %1 byte di rgb48le da &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ungültiges --reuse (0 oder 1)</source>
        <translation>--reuse non valido (0 o 1)</translation>
    </message>
    <message>
        <source>das Arbeitsbild kann nicht angelegt werden</source>
        <translation>impossibile allocare l&apos;immagine di lavoro</translation>
    </message>
    <message>
        <source>ein Preset mit %1 Operatoren kann nicht geschrieben werden</source>
        <translation>impossibile scrivere un preset di %1 operatori</translation>
    </message>
    <message>
        <source>keine Verbesserungsoperatoren im Katalog</source>
        <translation>nessun operatore di miglioramento nel catalogo</translation>
    </message>
    <message>
        <source>ungültiger --radius (min oder max)</source>
        <translation>--radius non valido (min o max)</translation>
    </message>
    <message>
        <source>unbekannter --operator &apos;%1&apos;</source>
        <translation>--operator sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ungültige --lut-size (2..64)</source>
        <translation>--lut-size non valido (2..64)</translation>
    </message>
    <message>
        <source>--lut %1 kann nicht gelesen werden</source>
        <translation>impossibile leggere --lut %1</translation>
    </message>
    <message>
        <source>aus --frame %2 lassen sich keine %1 Bytes lesen</source>
        <translation>impossibile leggere %1 byte da --frame %2</translation>
    </message>
    <message>
        <source>ungültiges --interp (trilinear, tetrahedral)</source>
        <translation>--interp non valido (trilinear, tetrahedral)</translation>
    </message>
    <message>
        <source>ungültige Größe für --scope (WxH, je %1 bis %2)</source>
        <translation>dimensione --scope non valida (WxH, da %1 a %2 ciascuna)</translation>
    </message>
    <message>
        <source>--kind muss waveform, parade, vectorscope oder histogram sein</source>
        <translation>--kind deve essere waveform, parade, vectorscope o histogram</translation>
    </message>
    <message>
        <source>der Katalog hat kein %1</source>
        <translation>il catalogo non ha %1</translation>
    </message>
    <message>
        <source>%1 hat keinen Satz %2</source>
        <translation>%1 non ha il set %2</translation>
    </message>
    <message>
        <source>--lut-size muss 2 bis 64 sein</source>
        <translation>--lut-size deve essere da 2 a 64</translation>
    </message>
    <message>
        <source>die Vorschau konnte das Bild nicht bearbeiten</source>
        <translation>l&apos;anteprima non ha potuto correggere il fotogramma</translation>
    </message>
    <message>
        <source>keine Presets neben dem Programm</source>
        <translation>nessun preset accanto al programma</translation>
    </message>
    <message>
        <source>--all nimmt 0 oder 1</source>
        <translation>--all accetta 0 o 1</translation>
    </message>
    <message>
        <source>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</source>
        <translation>al catalogo manca la sfocatura gaussiana o la maschera della pelle</translation>
    </message>
    <message>
        <source>braucht --clip DATEI</source>
        <translation>richiede --clip FILE</translation>
    </message>
    <message>
        <source>read-pipe braucht --clip DATEI</source>
        <translation>read-pipe richiede --clip FILE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden</source>
        <translation>impossibile analizzare &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CliClip</name>
    <message>
        <source>Export abgebrochen; nichts wurde geschrieben</source>
        <translation>esportazione interrotta; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</source>
        <translation>impossibile scrivere &apos;%1&apos;: la cartella non esiste</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</source>
        <translation>impossibile scrivere &apos;%1&apos;: è la clip di ingresso</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</source>
        <translation>%1 non trovato o non eseguibile in %2 (installare ffmpeg, o far puntare VANTROPE_FFMPEG_DIR a una cartella che lo contiene)</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</source>
        <translation>impossibile leggere la clip &apos;%1&apos;: file inesistente</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</source>
        <translation>impossibile leggere la clip &apos;%1&apos;: non è un file normale</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</source>
        <translation>impossibile leggere la clip &apos;%1&apos;: permesso negato</translation>
    </message>
    <message>
        <source>kein temporärer Ordner: %1</source>
        <translation>nessuna cartella temporanea: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</source>
        <translation>&apos;%1&apos; è vuoto (0 byte), non è una clip video</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</source>
        <translation>impossibile analizzare &apos;%1&apos;: non è un file multimediale che ffprobe comprende (danneggiato, troncato o di altro tipo)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</source>
        <translation>&apos;%1&apos; non contiene flussi video, solo %2 flussi audio</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream</source>
        <translation>&apos;%1&apos; non contiene flussi video</translation>
    </message>
    <message>
        <source>%1 hat nicht rechtzeitig geantwortet und wurde beendet</source>
        <translation>%1 non ha risposto in tempo ed è stato fermato</translation>
    </message>
</context>
<context>
    <name>CliFrame</name>
    <message>
        <source>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</source>
        <translation>&apos;%1&apos;: --frame scrive file .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm o .tif32</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht dekodiert werden: %2</source>
        <translation>impossibile decodificare &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>kein Bild %1 in &apos;%2&apos;: %3</source>
        <translation>nessun fotogramma %1 in &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</source>
        <translation>&apos;%1&apos; non ha il fotogramma %2 (l&apos;ultimo è il fotogramma %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>entweder --at oder --frame angeben</source>
        <translation>indicare --at oppure --frame</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</source>
        <translation>&apos;%1&apos; non ha un&apos;estensione che indichi un formato immagine</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</source>
        <translation>impossibile estrarre un fotogramma a %1 ms da &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>CliGrade</name>
    <message>
        <source>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</source>
        <translation>il preset &apos;%1&apos; usa operatori che questa versione non ha: %2</translation>
    </message>
    <message>
        <source>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</source>
        <translation>operatore sconosciuto &apos;%1&apos; (vedi vantrope-cli operators)</translation>
    </message>
    <message>
        <source>--set braucht ein --operator davor</source>
        <translation>--set richiede un --operator prima</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</source>
        <translation>--set non valido &apos;%1&apos; (INDEX=V0,V1,... con INDEX un set di %2, da 0 a %3)</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</source>
        <translation>--set non valido &apos;%1&apos;: &apos;%2&apos; non è un numero</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</source>
        <translation>--set non valido &apos;%1&apos;: il set %2 di %3 contiene %4 valori</translation>
    </message>
    <message>
        <source>--%1 braucht --film-type</source>
        <translation>--%1 richiede --film-type</translation>
    </message>
    <message>
        <source>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</source>
        <translation>tipo di pellicola sconosciuto &apos;%1&apos; (noti: %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</source>
        <translation>valore non valido per --blend: &apos;%1&apos; (FOTOGRAMMI:MODO, fotogrammi 1, 2, 3 o 5, modo da 1 a 11)</translation>
    </message>
    <message>
        <source>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</source>
        <translation>--%1 è per le clip (un&apos;uscita che termina in .mp4 o .avi)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>impossibile scrivere &apos;%1&apos;: estensione immagine sconosciuta</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossibile leggere l&apos;immagine &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</source>
        <translation>impossibile correggere &apos;%1&apos;: memoria insufficiente</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere l&apos;immagine &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>grade braucht EIN AUS (siehe vantrope-cli grade --help)</source>
        <translation>grade richiede INGRESSO USCITA (vedi vantrope-cli grade --help)</translation>
    </message>
    <message>
        <source>die Korrektur kann nicht gebacken werden: nicht genug Speicher</source>
        <translation>impossibile applicare la correzione: memoria insufficiente</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>[Optionen]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1</source>
        <translation>Uso: vantrope-cli %1</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Argomenti:</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>questa guida</translation>
    </message>
    <message>
        <source>der Benchmark (siehe --list)</source>
        <translation>il benchmark (vedi --list)</translation>
    </message>
    <message>
        <source>listet die Benchmarks</source>
        <translation>elenca i benchmark</translation>
    </message>
    <message>
        <source>die Bildgröße (Vorgabe 1920x1080)</source>
        <translation>la dimensione del fotogramma (predefinito 1920x1080)</translation>
    </message>
    <message>
        <source>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</source>
        <translation>esecuzioni cronometrate dopo due di riscaldamento (predefinito 20)</translation>
    </message>
    <message>
        <source>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</source>
        <translation>thread di lavoro, da 1 a 64 (predefinito: quelli della macchina)</translation>
    </message>
    <message>
        <source>LUT-Punkte je Achse</source>
        <translation>punti LUT per asse</translation>
    </message>
    <message>
        <source>DATEI.cube</source>
        <translation>FILE.cube</translation>
    </message>
    <message>
        <source>eine LUT statt einer erfundenen</source>
        <translation>una LUT al posto di una inventata</translation>
    </message>
    <message>
        <source>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</source>
        <translation>un fotogramma in RGB a 16 bit compatto al posto di uno inventato</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>der zu lesende Clip</source>
        <translation>la clip da leggere</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT</source>
        <translation>il metodo di fusione della LUT</translation>
    </message>
    <message>
        <source>misst die Referenz-Zeilenfunktion</source>
        <translation>cronometra la funzione di riga di riferimento</translation>
    </message>
    <message>
        <source>das Nachschlagen der LUT zwischen ihren Punkten</source>
        <translation>la lettura della LUT tra i suoi punti</translation>
    </message>
    <message>
        <source>die Tabellen der Engine zwischen Durchläufen behalten</source>
        <translation>mantenere le tabelle del motore tra le esecuzioni</translation>
    </message>
    <message>
        <source>kopierte Bytes je Pixel</source>
        <translation>byte copiati per pixel</translation>
    </message>
    <message>
        <source>PIXEL</source>
        <translation>PIXEL</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau</source>
        <translation>il lato lungo dell&apos;anteprima</translation>
    </message>
    <message>
        <source>die Zeitmesszeilen der Engine</source>
        <translation>le righe di cronometraggio del motore</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes</source>
        <translation>la dimensione dell&apos;immagine dello strumento</translation>
    </message>
    <message>
        <source>nur dieses Scope</source>
        <translation>solo questo strumento</translation>
    </message>
    <message>
        <source>nach dem Scrubben gemessene Schritte zum nächsten Bild</source>
        <translation>passi al fotogramma successivo cronometrati dopo lo scorrimento</translation>
    </message>
    <message>
        <source>Sekunden Wiedergabe</source>
        <translation>secondi di riproduzione</translation>
    </message>
    <message>
        <source>jeder Operator der Familie</source>
        <translation>ogni operatore della famiglia</translation>
    </message>
    <message>
        <source>nur dieser Operator, mit den Vorgaben des Katalogs</source>
        <translation>solo questo operatore, con i valori predefiniti del catalogo</translation>
    </message>
    <message>
        <source>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</source>
        <translation>gli operatori locali al raggio minimo o massimo</translation>
    </message>
    <message>
        <source>Operatorgruppen im Preset, das preset-load liest</source>
        <translation>gruppi di operatori nel preset letto da preset-load</translation>
    </message>
    <message>
        <source>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</source>
        <translation>esegue un benchmark indicato dopo il riscaldamento e stampa la sua riga dei tempi</translation>
    </message>
    <message>
        <source>der Clip</source>
        <translation>la clip</translation>
    </message>
    <message>
        <source>die Position des Bildes in Millisekunden</source>
        <translation>la posizione del fotogramma in millisecondi</translation>
    </message>
    <message>
        <source>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</source>
        <translation>il fotogramma N (contando da 0), decodificato nel programma; scritto in un formato di immagine fissa</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung nennt das Format</source>
        <translation>l&apos;immagine da scrivere; l&apos;estensione indica il formato</translation>
    </message>
    <message>
        <source>das Bild auf diese Größe skaliert</source>
        <translation>il fotogramma scalato a questa dimensione</translation>
    </message>
    <message>
        <source>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</source>
        <translation>un fotogramma di una clip come file immagine, estratto come fa il pannello video</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>INGRESSO</translation>
    </message>
    <message>
        <source>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</source>
        <translation>un&apos;immagine fissa, o una clip se USCITA lo è (con --project: l&apos;uscita)</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>USCITA</translation>
    </message>
    <message>
        <source>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</source>
        <translation>l&apos;immagine da scrivere (l&apos;estensione sceglie il formato), o una clip che termina in .mp4 o .avi</translation>
    </message>
    <message>
        <source>NAME|DATEI.ini</source>
        <translation>NOME|FILE.ini</translation>
    </message>
    <message>
        <source>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</source>
        <translation>la catena di operatori di un preset: il nome visualizzato o il nome file di un preset fornito o dell&apos;utente, oppure un file preset (vedi presets)</translation>
    </message>
    <message>
        <source>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</source>
        <translation>aggiunge un operatore con i valori predefiniti del catalogo (ripetibile, in ordine; vedi operators)</translation>
    </message>
    <message>
        <source>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</source>
        <translation>sostituisce i primi valori di un set del --operator precedente (ripetibile)</translation>
    </message>
    <message>
        <source>DATEI.cml</source>
        <translation>FILE.cml</translation>
    </message>
    <message>
        <source>Farbebenen des Farbfensters, vor der Kette angewandt</source>
        <translation>livelli colore della finestra colore, applicati prima della catena</translation>
    </message>
    <message>
        <source>DATEI.vantropeProject</source>
        <translation>FILE.vantropeProject</translation>
    </message>
    <message>
        <source>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</source>
        <translation>corregge l&apos;immagine fissa o la clip del progetto con la sua correzione salvata (allora solo USCITA)</translation>
    </message>
    <message>
        <source>ein Filmtyp aus filmtypes_vantrope.xml</source>
        <translation>un tipo di pellicola di filmtypes_vantrope.xml</translation>
    </message>
    <message>
        <source>seine Stärke von 0 bis 1 (Vorgabe 1)</source>
        <translation>la sua intensità da 0 a 1 (predefinito 1)</translation>
    </message>
    <message>
        <source>seine Körnung von 0 bis 1 (Vorgabe 0)</source>
        <translation>la sua grana da 0 a 1 (predefinito 0)</translation>
    </message>
    <message>
        <source>vor oder nach der Kette (Vorgabe post)</source>
        <translation>prima o dopo la catena (predefinito post)</translation>
    </message>
    <message>
        <source>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</source>
        <translation>0: H.264 in .mp4; 1: RGBA non compresso in .avi</translation>
    </message>
    <message>
        <source>die Qualität des Encoders (Vorgabe normal)</source>
        <translation>la qualità dell&apos;encoder (predefinito normal)</translation>
    </message>
    <message>
        <source>Artefaktminderung</source>
        <translation>riduzione degli artefatti</translation>
    </message>
    <message>
        <source>lässt die Tonspuren weg</source>
        <translation>omette le tracce audio</translation>
    </message>
    <message>
        <source>lässt die Metadaten der Quelle weg</source>
        <translation>omette i metadati della sorgente</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von links nach rechts</source>
        <translation>riflette ogni fotogramma da sinistra a destra</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von oben nach unten</source>
        <translation>riflette ogni fotogramma dall&apos;alto in basso</translation>
    </message>
    <message>
        <source>BILDER:MODUS</source>
        <translation>FOTOGRAMMI:MODO</translation>
    </message>
    <message>
        <source>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</source>
        <translation>fusione di fotogrammi su 1, 2, 3 o 5 fotogrammi, modo da 1 a 11</translation>
    </message>
    <message>
        <source>unbearbeitet und bearbeitet nebeneinander</source>
        <translation>non corretto e corretto affiancati</translation>
    </message>
    <message>
        <source>die Bildgröße der Ausgabe</source>
        <translation>la dimensione del fotogramma esportato</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64</source>
        <translation>punti per asse, da 2 a 64</translation>
    </message>
    <message>
        <source>die zu schreibende Cube-Datei</source>
        <translation>il file cube da scrivere</translation>
    </message>
    <message>
        <source>der Titel der LUT (Vorgabe: der Grundname der Datei)</source>
        <translation>il titolo della LUT (predefinito: il nome base del file)</translation>
    </message>
    <message>
        <source>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</source>
        <translation>corregge un&apos;immagine fissa a dimensione piena, o esporta un&apos;intera clip con la stessa correzione (uscita 0 completato, 2 non riuscito, 3 interrotto)</translation>
    </message>
    <message>
        <source>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</source>
        <translation>applica la parte colore di una correzione (livelli, operatori colore, tipo di pellicola, LUT) in un file cube; gli operatori che guardano i vicini o le posizioni sono omessi e nominati</translation>
    </message>
    <message>
        <source>der Titel der LUT</source>
        <translation>il titolo della LUT</translation>
    </message>
    <message>
        <source>QUELLE</source>
        <translation>SORGENTE</translation>
    </message>
    <message>
        <source>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</source>
        <translation>il file LUT di partenza (un file cube o qualsiasi file letto da lut import)</translation>
    </message>
    <message>
        <source>ZIEL.cube</source>
        <translation>DEST.cube</translation>
    </message>
    <message>
        <source>das zu bearbeitende Standbild</source>
        <translation>l&apos;immagine fissa da correggere</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung wählt das Format</source>
        <translation>l&apos;immagine da scrivere; l&apos;estensione sceglie il formato</translation>
    </message>
    <message>
        <source>das Referenzbild</source>
        <translation>l&apos;immagine di riferimento</translation>
    </message>
    <message>
        <source>Punkte je Achse (Vorgabe 17)</source>
        <translation>punti per asse (predefinito 17)</translation>
    </message>
    <message>
        <source>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</source>
        <translation>1: curve tonali per canale; 2: porta inoltre verso il grigio le tinte che il riferimento contiene appena (predefinito)</translation>
    </message>
    <message>
        <source>FREMD</source>
        <translation>ESTERNO</translation>
    </message>
    <message>
        <source>eine LUT-Datei in jedem Format, das der Import liest</source>
        <translation>un file LUT in qualsiasi formato letto dall&apos;importazione</translation>
    </message>
    <message>
        <source>EIGENE.cube</source>
        <translation>NOSTRO.cube</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</source>
        <translation>punti per asse, da 2 a 64 (predefinito: la dimensione 3D del file fino a 64, 33 se non ne ha)</translation>
    </message>
    <message>
        <source>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</source>
        <translation>scrive il file LUT (un file cube o qualsiasi file letto da lut import), applicato con i cursori predefiniti, nella libreria con il nome --name</translation>
    </message>
    <message>
        <source>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</source>
        <translation>il nome della voce (senza &apos;/&apos;, né &apos;.&apos; né &apos;..&apos;, non vuoto)</translation>
    </message>
    <message>
        <source>löscht den Eintrag dieses Namens</source>
        <translation>elimina la voce con quel nome</translation>
    </message>
    <message>
        <source>ein Bild</source>
        <translation>un&apos;immagine</translation>
    </message>
    <message>
        <source>das Bild, mit dem es verglichen wird</source>
        <translation>l&apos;immagine con cui confrontarla</translation>
    </message>
    <message>
        <source>das zu ändernde Bild</source>
        <translation>l&apos;immagine da modificare</translation>
    </message>
    <message>
        <source>das Bild, dessen Histogramme es übernimmt</source>
        <translation>l&apos;immagine di cui prende gli istogrammi</translation>
    </message>
    <message>
        <source>das zu schreibende Bild</source>
        <translation>l&apos;immagine da scrivere</translation>
    </message>
    <message>
        <source>schreibt eine Identitäts-LUT</source>
        <translation>scrive una LUT identità</translation>
    </message>
    <message>
        <source>backt Reglerstellungen in eine Cube-Datei</source>
        <translation>applica le posizioni dei cursori in un file cube</translation>
    </message>
    <message>
        <source>wendet eine LUT auf ein Standbild an</source>
        <translation>applica una LUT a un&apos;immagine fissa</translation>
    </message>
    <message>
        <source>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</source>
        <translation>ricava una LUT da un&apos;immagine di riferimento (scalata a 1000 x 1000 come nel pannello LUT)</translation>
    </message>
    <message>
        <source>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</source>
        <translation>campiona un file LUT di un altro programma (.cube con dominio o shaper, .3dl, .csp, .spi3d, .clf, ...) in un file cube</translation>
    </message>
    <message>
        <source>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</source>
        <translation>modifica la libreria LUT in ~/ProjectData/Lut/, poi ne elenca le voci nell&apos;ordine del pannello</translation>
    </message>
    <message>
        <source>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</source>
        <translation>distanza earth mover tra gli istogrammi di due immagini per canale, in livelli a 8 bit</translation>
    </message>
    <message>
        <source>einfache Histogrammangleichung je Kanal von EIN an REF</source>
        <translation>semplice corrispondenza degli istogrammi per canale di INGRESSO su REF</translation>
    </message>
    <message>
        <source>jeder Katalogeintrag: Kernel, Typ, Anzeigename</source>
        <translation>ogni voce del catalogo: kernel, tipo, nome visualizzato</translation>
    </message>
    <message>
        <source>das zu bearbeitende Bild (ein Standbild)</source>
        <translation>l&apos;immagine da correggere (un&apos;immagine fissa)</translation>
    </message>
    <message>
        <source>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</source>
        <translation>il provino da scrivere (l&apos;estensione sceglie il formato)</translation>
    </message>
    <message>
        <source>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</source>
        <translation>ogni preset mostrato dal pannello dei preset: file, categoria, nome visualizzato, ok o broken</translation>
    </message>
    <message>
        <source>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</source>
        <translation>un&apos;immagine corretta con ogni preset, come griglia di miniature con etichetta</translation>
    </message>
    <message>
        <source>der zu untersuchende Clip</source>
        <translation>la clip da analizzare</translation>
    </message>
    <message>
        <source>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</source>
        <translation>le caratteristiche della clip, un &quot;key: value&quot; per riga</translation>
    </message>
    <message>
        <source>STANDBILD</source>
        <translation>IMMAGINE</translation>
    </message>
    <message>
        <source>das Standbild, das das Projekt bearbeitet</source>
        <translation>l&apos;immagine fissa che il progetto corregge</translation>
    </message>
    <message>
        <source>der Clip, den das Projekt bearbeitet</source>
        <translation>la clip che il progetto corregge</translation>
    </message>
    <message>
        <source>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</source>
        <translation>il progetto da scrivere (&quot;.vantropeProject&quot; viene aggiunto se non termina così; la cartella dati va accanto)</translation>
    </message>
    <message>
        <source>eine Projektdatei</source>
        <translation>un file di progetto</translation>
    </message>
    <message>
        <source>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</source>
        <translation>scrive un progetto di un&apos;immagine fissa o di una clip con la correzione delle opzioni, come lo salva la finestra</translation>
    </message>
    <message>
        <source>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</source>
        <translation>mostra le chiavi principali di un progetto e il contenuto dei suoi componenti</translation>
    </message>
    <message>
        <source>ein Standbild oder ein Clip</source>
        <translation>un&apos;immagine fissa o una clip</translation>
    </message>
    <message>
        <source>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</source>
        <translation>l&apos;immagine dello strumento (.png, .tiff, …; 16 bit la contengono esattamente)</translation>
    </message>
    <message>
        <source>welches Scope</source>
        <translation>quale strumento</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes (Vorgabe 640x360)</source>
        <translation>la dimensione dell&apos;immagine dello strumento (predefinito 640x360)</translation>
    </message>
    <message>
        <source>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</source>
        <translation>il fotogramma di una clip in questa posizione (predefinito: il primo fotogramma)</translation>
    </message>
    <message>
        <source>hellt die Spuren auf, 0.1 bis 10</source>
        <translation>schiarisce le tracce, da 0.1 a 10</translation>
    </message>
    <message>
        <source>ein Histogramm mit logarithmischer Höhe</source>
        <translation>un istogramma ad altezza logaritmica</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</source>
        <translation>il lato lungo dell&apos;anteprima in pixel (predefinito come nella finestra)</translation>
    </message>
    <message>
        <source>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</source>
        <translation>l&apos;immagine che il pannello &quot;Strumenti di misura&quot; mostra per un&apos;immagine fissa o un fotogramma di clip</translation>
    </message>
    <message>
        <source>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</source>
        <translation>una LUT 3D (un file cube o qualsiasi file letto da lut import), applicata per ultima</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>NOME=VALORE</translation>
    </message>
    <message>
        <source>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</source>
        <translation>un cursore della LUT da 0 a 1 (ripetibile): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</source>
        <translation>il metodo di fusione della LUT (0-47, 50-58, 60-68; 0 normale)</translation>
    </message>
    <message>
        <source>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</source>
        <translation>come la LUT viene letta tra i suoi punti (predefinito trilinear)</translation>
    </message>
    <message>
        <source>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</source>
        <translation>Vantrope %1 — correzione colore di clip video e LUT 3D (riga di comando)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</source>
        <translation>Uso: vantrope-cli COMANDO [opzioni] ARGOMENTI
     vantrope-cli COMANDO --help | --help | --version</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos; (siehe --help)</source>
        <translation>comando sconosciuto &apos;%1&apos; (vedi --help)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</source>
        <translation>Uso: vantrope-cli %1 SOTTOCOMANDO [opzioni] ARGOMENTI</translation>
    </message>
    <message>
        <source>%1 braucht einen dieser Unterbefehle: %2</source>
        <translation>%1 richiede uno di questi sottocomandi: %2</translation>
    </message>
</context>
<context>
    <name>CliLut</name>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossibile leggere l&apos;immagine &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere l&apos;immagine &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>impossibile scrivere &apos;%1&apos;: estensione immagine sconosciuta</translation>
    </message>
    <message>
        <source>library nimmt entweder --add oder --remove</source>
        <translation>library accetta --add oppure --remove</translation>
    </message>
    <message>
        <source>--add DATEI und --name NAME gehören zusammen</source>
        <translation>--add FILE e --name NOME vanno insieme</translation>
    </message>
    <message>
        <source>ungültiger Name &apos;%1&apos;: %2</source>
        <translation>nome non valido &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</source>
        <translation>impossibile aggiungere &apos;%1&apos; a %2: %3</translation>
    </message>
    <message>
        <source>kein Bibliothekseintrag &apos;%1&apos; in %2</source>
        <translation>nessuna voce di libreria &apos;%1&apos; in %2</translation>
    </message>
</context>
<context>
    <name>CliLutOptions</name>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</source>
        <translation>impossibile leggere la LUT &apos;%1&apos;: non è un file</translation>
    </message>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossibile leggere la LUT &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</source>
        <translation>parametro LUT non valido &apos;%1&apos; (atteso NOME=VALORE con NOME tra %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>valore non valido in &apos;%1&apos; (atteso un numero da 0 a 1)</translation>
    </message>
    <message>
        <source>--lut-param, --lut-mode und --interp brauchen --lut</source>
        <translation>--lut-param, --lut-mode e --interp richiedono --lut</translation>
    </message>
    <message>
        <source>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</source>
        <translation>metodo di fusione non valido &apos;%1&apos; (0-47, 50-58, 60-68)</translation>
    </message>
</context>
<context>
    <name>CliOperators</name>
    <message>
        <source>der Operatorkatalog konnte nicht gelesen werden</source>
        <translation>impossibile leggere il catalogo degli operatori</translation>
    </message>
</context>
<context>
    <name>CliPresets</name>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossibile leggere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>impossibile creare il provino di &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Bilder %1/%2</source>
        <translation>fotogrammi %1/%2</translation>
    </message>
    <message>
        <source>Bilder %1</source>
        <translation>fotogrammi %1</translation>
    </message>
    <message>
        <source>Rest %1</source>
        <translation>rimanente %1</translation>
    </message>
</context>
<context>
    <name>CliProject</name>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</source>
        <translation>impossibile leggere il progetto &apos;%1&apos;: manca il file del progetto o la sua cartella dati</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</source>
        <translation>impossibile leggere il progetto &apos;%1&apos;: scritto da una versione più recente</translation>
    </message>
    <message>
        <source>project save braucht entweder --image STANDBILD oder --clip CLIP</source>
        <translation>project save richiede --image IMMAGINE oppure --clip CLIP</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</source>
        <translation>impossibile scrivere &apos;%1&apos;: i progetti di esempio non vengono sovrascritti</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossibile leggere l&apos;immagine &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</source>
        <translation>impossibile scrivere il progetto &apos;%1&apos;: non è stato possibile scrivere %2</translation>
    </message>
    <message>
        <source>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</source>
        <translation>grade --project accetta solo USCITA: il progetto indica la sua immagine fissa o la sua clip</translation>
    </message>
    <message>
        <source>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</source>
        <translation>--%1 non si può combinare con --project: il progetto contiene la correzione</translation>
    </message>
    <message>
        <source>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</source>
        <translation>il progetto contiene una clip: l&apos;uscita deve terminare in .mp4 o .avi</translation>
    </message>
    <message>
        <source>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</source>
        <translation>il progetto &apos;%1&apos; non contiene né immagine né clip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</source>
        <translation>impossibile scrivere &apos;%1&apos;: il progetto contiene un&apos;immagine fissa</translation>
    </message>
</context>
<context>
    <name>CliScope</name>
    <message>
        <source>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</source>
        <translation>strumento sconosciuto &apos;%1&apos; (waveform, parade, vectorscope, histogram)</translation>
    </message>
    <message>
        <source>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</source>
        <translation>guadagno non valido &apos;%1&apos; (da %2 a %3)</translation>
    </message>
    <message>
        <source>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</source>
        <translation>dimensione dell&apos;anteprima non valida &apos;%1&apos; (lato lungo, da %2 a %3 pixel)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</source>
        <translation>&apos;%1&apos; non termina con l&apos;estensione di un formato immagine (.png, .tiff, …)</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</source>
        <translation>impossibile leggere un fotogramma a %1 ms da &apos;%2&apos;</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</source>
        <translation>impossibile leggere un fotogramma a %1 ms da &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossibile leggere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>impossibile creare l&apos;anteprima di &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</source>
        <translation>uso: scope INGRESSO USCITA --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation>Elimina livello</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation>Eliminare davvero questo livello?</translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation>Copia livello</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation>Sostituire davvero questo livello con i dati copiati?</translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation>Copia colore sorgente</translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation>Copiare davvero il colore sorgente nella destinazione?</translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation>Ripristina impostazioni colore</translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation>Ripristinare davvero le impostazioni del colore?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation>Con %2 byte il file %1 è troppo grande per un file di livelli (al massimo %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation>Il file %1 non è un file di livelli della versione 1.</translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation>Salva livelli</translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation>I miei livelli</translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation>Carica livelli</translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation>Sovrascrivere davvero i livelli esistenti?</translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation>Carica livelli</translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation>Livelli (*.%1)</translation>
    </message>
</context>
<context>
    <name>HDRApplication</name>
    <message>
        <source>Betriebssystem</source>
        <translation>Sistema operativo</translation>
    </message>
</context>
<context>
    <name>HDRColorModuleWindow</name>
    <message>
        <source>Farbmodul</source>
        <translation>Modulo colore</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Runter</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation>Preleva il colore sorgente dall&apos;immagine</translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation>Tonalità da</translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation>Tonalità a</translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation>Saturazione da</translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation>Saturazione a</translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation>Luminosità minima</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Morbidezza</translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation>Inverti selezione</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation>Preleva il colore di destinazione dall&apos;immagine</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation>Contrasto di saturazione</translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation>Contrasto di luminosità</translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation>Colore sorgente nella destinazione</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation>Mostra maschera</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation>Colori selezionabili</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation>Nessuna immagine caricata</translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation>Nessuna maschera</translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation>Progetto salvato automaticamente</translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation>È stato trovato un progetto salvato automaticamente. Caricarlo?</translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation>Carica video</translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation>Apri un file video</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Carica immagine</translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation>Apri una singola immagine</translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation>Salva immagine risultante</translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation>Salva l&apos;immagine modificata in un file</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Salva video</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Salva l&apos;intero video con la correzione attuale</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>Impostazioni del programma</translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation>Modulo colore</translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation>Modifica livelli colore</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation>Caricare un solo file video.</translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation>Componente aggiuntivo</translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation>I componenti aggiuntivi non sono supportati da questa versione.</translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation>Caricare solo file video.</translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation>L&apos;immagine o il fotogramma caricato con le sue dimensioni</translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation>Serie di esposizioni</translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation>Istogramma dell&apos;immagine modificata: rosso, verde, blu e luminanza</translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation>Istogramma HDR</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation>Apri un video o un&apos;immagine, oppure trascina un file video in questa finestra.</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation>Posiziona il mouse su un controllo per leggerne qui la descrizione.</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation>Mostra l&apos;immagine non modificata</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>Diviso</translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation>A sinistra l&apos;immagine non modificata, a destra quella modificata</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation>Un pixel dell&apos;immagine per pixel dello schermo (trascina per spostare); spento: adatta</translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation>Anteprima dell&apos;immagine modificata</translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation>In modalità plug-in filtro non è possibile caricare nuove immagini.</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Carica progetto</translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation>Apri file video</translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation>Il file non contiene alcun video leggibile.</translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation>Non è stato possibile leggere alcun fotogramma dal video.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Memoria insufficiente per l&apos;immagine.</translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation>Impossibile caricare il video %1.
%2</translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation>Video caricato: %1</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation>Impossibile caricare l&apos;immagine %1.
%2</translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation>Impossibile leggere il file di scambio %1.</translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation>Sviluppo RAW</translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation>Lo sviluppo RAW non è incluso in questa versione.</translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation>La mia immagine</translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation>Modalità anteprima! Ricalcolare?</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation>Preparazione del salvataggio.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation>Impossibile salvare l&apos;immagine:
%1
%2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation>Video salvato: %1</translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation>L&apos;elaborazione del video è stata interrotta.</translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation>Impossibile salvare il video.</translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation>Calcolo della correzione</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Salva progetto con nome</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Projekte</source>
        <translation>Progetti recenti</translation>
    </message>
    <message>
        <source>Beispielprojekte</source>
        <translation>Progetti di esempio</translation>
    </message>
    <message>
        <source>Beispielprojekt %1</source>
        <translation>Progetto di esempio %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Undo-Punkt speichern</source>
        <translation>Salva punto di annullamento</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Keine Projekte</source>
        <translation>Nessun progetto</translation>
    </message>
    <message>
        <source>MyProject</source>
        <translation>Il mio progetto</translation>
    </message>
    <message>
        <source>Vantrope-Marlix Projektdatei</source>
        <translation>File di progetto Vantrope Marlix</translation>
    </message>
    <message>
        <source>Projekt überschreiben nicht nöglich</source>
        <translation>Impossibile sovrascrivere il progetto</translation>
    </message>
    <message>
        <source>Beispielprojekte können nicht überschrieben werden.</source>
        <translation>I progetti di esempio non possono essere sovrascritti.</translation>
    </message>
    <message>
        <source>Dateifehler: %1 konnte nicht erstellt werden</source>
        <translation>Errore di file: impossibile creare %1</translation>
    </message>
    <message>
        <source>Projektdateien unvollständig.</source>
        <translation>File di progetto incompleti.</translation>
    </message>
    <message>
        <source>Projektdateien sind nicht kompatibel.</source>
        <translation>I file di progetto non sono compatibili.</translation>
    </message>
    <message>
        <source>Projekt nicht gespeichert. Speichern?</source>
        <translation>Progetto non salvato. Salvarlo?</translation>
    </message>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Impostazioni video</translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation>Chiedi conferma prima delle azioni che modificano</translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation>Mostra finestra di avanzamento</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation>Ultima cartella usata</translation>
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
        <translation>Ponderazione uguale</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> pixel</translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation>Cartella predefinita fissa</translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation>Ponderazione della luminanza</translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation>Lato lungo dell&apos;anteprima</translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation>La nuova lingua verrà usata al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>English GB</source>
        <translation>Inglese (Regno Unito)</translation>
    </message>
    <message>
        <source>English US</source>
        <translation>Inglese (Stati Uniti)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Undo-Punkte mit dem Projekt speichern</source>
        <translation>Salva i punti di annullamento con il progetto</translation>
    </message>
</context>
<context>
    <name>HDRPostProcessingDockWidget</name>
    <message>
        <source>LUT einstellbar</source>
        <translation>LUT regolabile</translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation>Il nome è vuoto.</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation>Il nome &quot;%1&quot; non è consentito.</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation>Il nome non può contenere &quot;/&quot; né caratteri nulli.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>Il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation>Aggiungi LUT alla libreria</translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation>Nome della LUT:</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation>Impossibile salvare la LUT &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation>Elimina stile LUT</translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation>Eliminare lo stile LUT selezionato?</translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation>Carica file LUT</translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation>File LUT</translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation>Il mio stile LUT</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Salva LUT</translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation>Carica immagine</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation>La mia LUT</translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation>Nessuna LUT disponibile</translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation>Non ci sono stili LUT salvati.</translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation>Browser LUT</translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation>Avviare il browser LUT perdendo le impostazioni attuali?</translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation>Crea nuova LUT</translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation>Creare un nuovo stile LUT vuoto e scartare le impostazioni attuali?</translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation>Nuova LUT</translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation>Nitidezza e riduzione rumore</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation>Sfocatura</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Artistico</translation>
    </message>
    <message>
        <source>Masken</source>
        <translation>Maschere</translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation>Impostazioni di base</translation>
    </message>
    <message>
        <source>LUT balance Areas</source>
        <translation>Bilanciamento</translation>
    </message>
    <message>
        <source>LUT protect Areas</source>
        <translation>Protezione</translation>
    </message>
    <message>
        <source>Expertenmodus</source>
        <translation>Modalità esperto</translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation>Operatori</translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation>Tipo di pellicola</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation>Metodo di fusione della LUT</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Creazione anteprime: </translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation>Questo operatore non ha impostazioni.</translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation>Scegli un operatore dall&apos;elenco o aggiungine uno.</translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation>Valore predefinito</translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation>Rimuovi maschera</translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation>Limita l&apos;effetto alle forme disegnate nell&apos;anteprima</translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation>Maschera - Luminanza</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>Limite inferiore</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>scuro</translation>
    </message>
    <message>
        <source>hell</source>
        <translation>chiaro</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>Limite superiore</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Morbidezza</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>duro</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>morbido</translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation>Come questa maschera si combina con le maschere precedenti</translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation>Maschera - Saturazione</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>grigio</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>colorato</translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation>Maschera - Tonalità</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Tolleranza</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>stretto</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>ampio</translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation>Maschera - Luci</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Soglia</translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation>Maschera - Ombre</translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation>Maschera - Mezzitoni</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>stretto</translation>
    </message>
    <message>
        <source>breit</source>
        <translation>largo</translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation>Maschera riduzione artefatti (HD)</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>grossolano</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>debole</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>forte</translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation>Levigatura colore</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Raggio</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>piccolo</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation>Mascheratura</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>Riduzione rumore</translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation>Luminosità contrasto gamma</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation>più scuro</translation>
    </message>
    <message>
        <source>heller</source>
        <translation>più chiaro</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>weniger</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>mehr</source>
        <translation>più</translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation>Correzione gamma</translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation>Punto nero/bianco manuale</translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation>Punto nero</translation>
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
        <translation>Punto bianco</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation>Vignettatura</translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation>schiarire</translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation>scurire</translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation>Raggio interno</translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation>Raggio esterno</translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation>Curva tonale</translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation>Aggiungi grana</translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation>Dimensione grana</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>Contrasto locale</translation>
    </message>
    <message>
        <source>glätten</source>
        <translation>levigare</translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation>rafforzare</translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation>Esposizione per tonalità</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation>Gamma per canale</translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation>Gamma rosso</translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation>Gamma verde</translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation>Gamma blu</translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation>Brillantezza colori</translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation>Miscela una tonalità</translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation>Temperatura colore</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>kalt</source>
        <translation>freddo</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>caldo</translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation>Bilanciamento colore</translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation>Ciano-rosso</translation>
    </message>
    <message>
        <source>Magenta-Grün</source>
        <translation>Magenta-verde</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Gelb-Blau</source>
        <translation>Giallo-blu</translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation>Viraggio seppia</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>Tavolozza colori</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>Porpora</translation>
    </message>
    <message>
        <source>Aura</source>
        <translation>Aura</translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation>Bagliore</translation>
    </message>
    <message>
        <source>scharf</source>
        <translation>nitido</translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation>Impossibile caricare la LUT</translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation>Impossibile caricare il file LUT.</translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation>File LUT: %1</translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation>Dimensione trovata: %1</translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation>Sono consentite dimensioni da 2 a %1.</translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation>Operatori attivi</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation>Rimuovi operatore</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation>Grana</translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation>prima degli operatori</translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation>dopo gli operatori</translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation>nessun tipo di pellicola</translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation>Forma %1 (%2)</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation>Sposta e trascina le forme nell&apos;anteprima</translation>
    </message>
    <message>
        <source>Form +</source>
        <translation>Forma +</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation>Aggiungi una forma in cui l&apos;effetto si applica</translation>
    </message>
    <message>
        <source>Form −</source>
        <translation>Forma −</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation>Aggiungi una forma in cui l&apos;effetto si attenua</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>Durezza</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>additiv</source>
        <translation>additivo</translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation>sottrattivo</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Effetto</translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation>Metodo di fusione</translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation>LUT attiva</translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation>Applica la LUT all&apos;immagine</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation>Crea una nuova LUT vuota</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation>Rimuovi LUT</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation>Mostra tutti i metodi di fusione come anteprime</translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation>Ripristina i valori di questo gruppo</translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation>LUT: %1 (%2 punti per asse)</translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation>Nessuna LUT caricata</translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation>Tutti gli operatori</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation>Aggiungi l&apos;operatore scelto alla catena</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation>Scegli una posizione nell&apos;anteprima</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation>Traccia una linea nell&apos;anteprima</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Contagocce</translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation>Preleva un colore dall&apos;anteprima</translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation>Proteggi luci</translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation>Proteggi ombre</translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation>Proteggi saturazione</translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation>Proteggi incarnato</translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation>Proteggi cielo</translation>
    </message>
    <message>
        <source>Belichtung einstellen</source>
        <translation>Regola esposizione</translation>
    </message>
    <message>
        <source>Farbnegativ Porträt warm</source>
        <translation>Negativo colore ritratto caldo</translation>
    </message>
    <message>
        <source>Farbnegativ Alltag</source>
        <translation>Negativo colore quotidiano</translation>
    </message>
    <message>
        <source>Diafilm kühl</source>
        <translation>Diapositiva fredda</translation>
    </message>
    <message>
        <source>Diafilm brillant</source>
        <translation>Diapositiva brillante</translation>
    </message>
    <message>
        <source>Verblasster Abzug</source>
        <translation>Stampa sbiadita</translation>
    </message>
    <message>
        <source>Sepia-Abzug</source>
        <translation>Stampa seppia</translation>
    </message>
    <message>
        <source>Sofortbild</source>
        <translation>Foto istantanea</translation>
    </message>
    <message>
        <source>Schwarzweiß kontrastreich</source>
        <translation>Bianco e nero contrastato</translation>
    </message>
    <message>
        <source>Schwarzweiß weich</source>
        <translation>Bianco e nero morbido</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarosso</translation>
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
        <translation>Cinema verde acqua e arancio</translation>
    </message>
    <message>
        <source>Herbstlicht</source>
        <translation>Luce autunnale</translation>
    </message>
    <message>
        <source>Nachtblau</source>
        <translation>Blu notte</translation>
    </message>
    <message>
        <source>Lomo</source>
        <translation>Lo-fi</translation>
    </message>
    <message>
        <source>Farbton und Stärke: Punkt auf der Scheibe ziehen</source>
        <translation>Tonalità e intensità: trascina il punto sulla ruota</translation>
    </message>
    <message>
        <source>Licht/Schatten färben</source>
        <translation>Colora luci/ombre</translation>
    </message>
    <message>
        <source>Schatten (Lift)</source>
        <translation>Ombre (lift)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</source>
        <translation>Colore e luminosità delle ombre: alza o abbassa i toni scuri, sfumando verso il bianco</translation>
    </message>
    <message>
        <source>Mitteltöne (Gamma)</source>
        <translation>Mezzitoni (gamma)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</source>
        <translation>Colore e luminosità dei mezzitoni: piega la curva tonale, nero e bianco restano</translation>
    </message>
    <message>
        <source>Lichter (Gain)</source>
        <translation>Luci (gain)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</source>
        <translation>Colore e luminosità delle luci: rafforza o attenua i toni chiari, sfumando verso il nero</translation>
    </message>
    <message>
        <source>Farbkanal Gradation</source>
        <translation>Curve per canale</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle</source>
        <translation>Curva tonale per tutti e tre i canali</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals</source>
        <translation>Curva del canale rosso</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals</source>
        <translation>Curva del canale verde</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals</source>
        <translation>Curva del canale blu</translation>
    </message>
    <message>
        <source>Farbkanal Gradation (logarithm.)</source>
        <translation>Curve per canale (logaritmiche)</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</source>
        <translation>Curva per i tre canali su toni logaritmici (otto stop)</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals über logarithmischen Tonwerten</source>
        <translation>Curva del canale rosso su toni logaritmici</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals über logarithmischen Tonwerten</source>
        <translation>Curva del canale verde su toni logaritmici</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals über logarithmischen Tonwerten</source>
        <translation>Curva del canale blu su toni logaritmici</translation>
    </message>
    <message>
        <source>Farbton korrigieren</source>
        <translation>Correggi tonalità</translation>
    </message>
    <message>
        <source>Farbton nach Farbton</source>
        <translation>Tonalità per tonalità</translation>
    </message>
    <message>
        <source>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</source>
        <translation>Ruota ogni tonalità fino a 90 gradi; il centro la lascia invariata</translation>
    </message>
    <message>
        <source>Sättigung nach Farbton</source>
        <translation>Saturazione per tonalità</translation>
    </message>
    <message>
        <source>Sättigung je Farbton: unten grau, oben doppelt so kräftig</source>
        <translation>Saturazione per tonalità: grigio in basso, doppia in alto</translation>
    </message>
    <message>
        <source>Helligkeit nach Farbton</source>
        <translation>Luminosità per tonalità</translation>
    </message>
    <message>
        <source>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</source>
        <translation>Luminosità per tonalità fino a uno stop; i grigi restano invariati</translation>
    </message>
    <message>
        <source>manueller Weißabgleich</source>
        <translation>Bilanciamento del bianco manuale</translation>
    </message>
    <message>
        <source>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</source>
        <translation>Con il contagocce scegli un punto che deve essere grigio neutro o bianco</translation>
    </message>
    <message>
        <source>automatischer lokaler Weißabgleich</source>
        <translation>Bilanciamento del bianco locale automatico</translation>
    </message>
    <message>
        <source>Größe der Umgebung, in der ein Farbstich gemessen wird</source>
        <translation>Dimensione dell&apos;area in cui si misura una dominante</translation>
    </message>
    <message>
        <source>Wie weit die örtlichen Farbstiche entfernt werden</source>
        <translation>Quanto vengono rimosse le dominanti locali</translation>
    </message>
    <message>
        <source>Farbdynamik</source>
        <translation>Vividezza</translation>
    </message>
    <message>
        <source>blasser</source>
        <translation>più pallido</translation>
    </message>
    <message>
        <source>kräftiger</source>
        <translation>più vivace</translation>
    </message>
    <message>
        <source>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</source>
        <translation>Aumenta i colori pallidi più di quelli vivaci e preserva l&apos;incarnato</translation>
    </message>
    <message>
        <source>Farbdynamik (Smart)</source>
        <translation>Vividezza (smart)</translation>
    </message>
    <message>
        <source>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</source>
        <translation>Vividezza che si adatta alla saturazione dell&apos;intera immagine</translation>
    </message>
    <message>
        <source>Hauttöne schützen</source>
        <translation>Proteggi incarnato</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>poco</translation>
    </message>
    <message>
        <source>viel</source>
        <translation>molto</translation>
    </message>
    <message>
        <source>Lichter schützen</source>
        <translation>Proteggi luci</translation>
    </message>
    <message>
        <source>Farbtöne anpassen</source>
        <translation>Regola tonalità</translation>
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
        <translation>Tonalità saturazione esposizione</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Farbwert kalibrieren</source>
        <translation>Calibra colore</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Colore effettivo</translation>
    </message>
    <message>
        <source>Mit der Pipette die Farbe wählen, die korrigiert werden soll</source>
        <translation>Con il contagocce scegli il colore da correggere</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Colore desiderato</translation>
    </message>
    <message>
        <source>Die Farbe, die der Istwert bekommen soll</source>
        <translation>Il colore che deve assumere il colore effettivo</translation>
    </message>
    <message>
        <source>Reichweite</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>nur ähnliche Farben</source>
        <translation>solo colori simili</translation>
    </message>
    <message>
        <source>ganzes Bild</source>
        <translation>intera immagine</translation>
    </message>
    <message>
        <source>Normalisieren (RGB)</source>
        <translation>Normalizza (RGB)</translation>
    </message>
    <message>
        <source>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</source>
        <translation>Estende ogni canale tra il suo tono più scuro e quello più chiaro</translation>
    </message>
    <message>
        <source>Beschnitt</source>
        <translation>Ritaglio</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</source>
        <translation>Quota di toni che può essere tagliata a ogni estremità</translation>
    </message>
    <message>
        <source>manueller RGB-Punkt</source>
        <translation>Punto RGB manuale</translation>
    </message>
    <message>
        <source>Schwarzpunkt Rot</source>
        <translation>Punto nero rosso</translation>
    </message>
    <message>
        <source>Schwarzpunkt Grün</source>
        <translation>Punto nero verde</translation>
    </message>
    <message>
        <source>Schwarzpunkt Blau</source>
        <translation>Punto nero blu</translation>
    </message>
    <message>
        <source>Weißpunkt Rot</source>
        <translation>Punto bianco rosso</translation>
    </message>
    <message>
        <source>Weißpunkt Grün</source>
        <translation>Punto bianco verde</translation>
    </message>
    <message>
        <source>Weißpunkt Blau</source>
        <translation>Punto bianco blu</translation>
    </message>
    <message>
        <source>RGB Transformation (autom.)</source>
        <translation>Trasformazione RGB (auto)</translation>
    </message>
    <message>
        <source>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</source>
        <translation>Allinea media e contrasto dei tre canali colore</translation>
    </message>
    <message>
        <source>RGB Transformation</source>
        <translation>Trasformazione RGB</translation>
    </message>
    <message>
        <source>Steigung Rot</source>
        <translation>Pendenza rosso</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>Steigung Grün</source>
        <translation>Pendenza verde</translation>
    </message>
    <message>
        <source>Steigung Blau</source>
        <translation>Pendenza blu</translation>
    </message>
    <message>
        <source>Versatz Rot</source>
        <translation>Offset rosso</translation>
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
        <translation>Offset verde</translation>
    </message>
    <message>
        <source>Versatz Blau</source>
        <translation>Offset blu</translation>
    </message>
    <message>
        <source>Exponent Rot</source>
        <translation>Esponente rosso</translation>
    </message>
    <message>
        <source>Exponent Grün</source>
        <translation>Esponente verde</translation>
    </message>
    <message>
        <source>Exponent Blau</source>
        <translation>Esponente blu</translation>
    </message>
    <message>
        <source>Farbkanal Sigmoid</source>
        <translation>Sigmoide per canale</translation>
    </message>
    <message>
        <source>Kontrast Rot</source>
        <translation>Contrasto rosso</translation>
    </message>
    <message>
        <source>flacher</source>
        <translation>più piatto</translation>
    </message>
    <message>
        <source>steiler</source>
        <translation>più ripido</translation>
    </message>
    <message>
        <source>Kontrast Grün</source>
        <translation>Contrasto verde</translation>
    </message>
    <message>
        <source>Kontrast Blau</source>
        <translation>Contrasto blu</translation>
    </message>
    <message>
        <source>Chrominanz ausgleichen</source>
        <translation>Bilancia crominanza</translation>
    </message>
    <message>
        <source>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</source>
        <translation>Rimuove le dominanti separatamente in ombre, mezzitoni e luci</translation>
    </message>
    <message>
        <source>gewogene Farbkanäle</source>
        <translation>Canali ponderati</translation>
    </message>
    <message>
        <source>Helligkeit erhalten</source>
        <translation>Mantieni luminosità</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>ganz</source>
        <translation>del tutto</translation>
    </message>
    <message>
        <source>Farbkanäle mischen</source>
        <translation>Miscelatore canali</translation>
    </message>
    <message>
        <source>Rot aus Rot</source>
        <translation>Rosso da rosso</translation>
    </message>
    <message>
        <source>Rot aus Grün</source>
        <translation>Rosso da verde</translation>
    </message>
    <message>
        <source>Rot aus Blau</source>
        <translation>Rosso da blu</translation>
    </message>
    <message>
        <source>Grün aus Rot</source>
        <translation>Verde da rosso</translation>
    </message>
    <message>
        <source>Grün aus Grün</source>
        <translation>Verde da verde</translation>
    </message>
    <message>
        <source>Grün aus Blau</source>
        <translation>Verde da blu</translation>
    </message>
    <message>
        <source>Blau aus Rot</source>
        <translation>Blu da rosso</translation>
    </message>
    <message>
        <source>Blau aus Grün</source>
        <translation>Blu da verde</translation>
    </message>
    <message>
        <source>Blau aus Blau</source>
        <translation>Blu da blu</translation>
    </message>
    <message>
        <source>Farbfilter</source>
        <translation>Filtro colorato</translation>
    </message>
    <message>
        <source>Filterfarbe</source>
        <translation>Colore del filtro</translation>
    </message>
    <message>
        <source>Farbe des Filters vor dem Objektiv</source>
        <translation>Colore del filtro davanti all&apos;obiettivo</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>Densità</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Schema di colori</translation>
    </message>
    <message>
        <source>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</source>
        <translation>1 tramonto, 2 bosco, 3 oceano, 4 autunno, 5 neon, 6 deserto, 7 inverno, 8 pastello</translation>
    </message>
    <message>
        <source>Himmel schützen</source>
        <translation>Proteggi cielo</translation>
    </message>
    <message>
        <source>graue Tinte</source>
        <translation>Inchiostro grigio</translation>
    </message>
    <message>
        <source>Tinte</source>
        <translation>Inchiostro</translation>
    </message>
    <message>
        <source>Die Farbe, die graue und blasse Bereiche annehmen</source>
        <translation>Il colore che assumono le aree grigie e pallide</translation>
    </message>
    <message>
        <source>Sättigungsgrenze</source>
        <translation>Limite di saturazione</translation>
    </message>
    <message>
        <source>nur Grau</source>
        <translation>solo grigio</translation>
    </message>
    <message>
        <source>auch Farben</source>
        <translation>anche colori</translation>
    </message>
    <message>
        <source>Pastellfarben</source>
        <translation>Colori pastello</translation>
    </message>
    <message>
        <source>Aufhellung</source>
        <translation>Schiarimento</translation>
    </message>
    <message>
        <source>C64 Farben</source>
        <translation>Colori a 8 bit</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Rastert Verläufe aus benachbarten Farben der Palette</source>
        <translation>Rende le sfumature con colori vicini della tavolozza</translation>
    </message>
    <message>
        <source>Rote Augen</source>
        <translation>Occhi rossi</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>Sensibilità</translation>
    </message>
    <message>
        <source>nur tiefrot</source>
        <translation>solo rosso intenso</translation>
    </message>
    <message>
        <source>auch rötlich</source>
        <translation>anche rossastro</translation>
    </message>
    <message>
        <source>Mit der Geometrie auf die Augen begrenzen</source>
        <translation>Limita agli occhi con la geometria</translation>
    </message>
    <message>
        <source>Tageszeit</source>
        <translation>Ora del giorno</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>Mattina</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>12 Uhr lässt das Bild unverändert</source>
        <translation>Le 12 lasciano l&apos;immagine invariata</translation>
    </message>
    <message>
        <source>Jahreszeit</source>
        <translation>Stagione</translation>
    </message>
    <message>
        <source>Frühling</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</source>
        <translation>1 primavera, 2 estate (invariato), 3 autunno, 4 inverno</translation>
    </message>
    <message>
        <source>Fotostil: Low-Key</source>
        <translation>Stile foto: low key</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>profondo</translation>
    </message>
    <message>
        <source>Fotostil: High-Key</source>
        <translation>Stile foto: high key</translation>
    </message>
    <message>
        <source>Fotostil: Cross-Entwicklung</source>
        <translation>Stile foto: cross processing</translation>
    </message>
    <message>
        <source>Fotostil: Indian Summer</source>
        <translation>Stile foto: estate indiana</translation>
    </message>
    <message>
        <source>Fotostil: Infrarot</source>
        <translation>Stile foto: infrarosso</translation>
    </message>
    <message>
        <source>Fotostil: Lith-Print</source>
        <translation>Stile foto: stampa lith</translation>
    </message>
    <message>
        <source>Tönung</source>
        <translation>Viraggio</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutro</translation>
    </message>
    <message>
        <source>Fotostil: Buttercream</source>
        <translation>Stile foto: crema al burro</translation>
    </message>
    <message>
        <source>Fotostil: Holga</source>
        <translation>Stile foto: fotocamera giocattolo</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignetta</translation>
    </message>
    <message>
        <source>Fotostil: Orton</source>
        <translation>Stile foto: bagliore morbido</translation>
    </message>
    <message>
        <source>gering</source>
        <translation>basso</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>Fotostil: Lomo</source>
        <translation>Stile foto: lo-fi</translation>
    </message>
    <message>
        <source>Fotostil: Dragan</source>
        <translation>Stile foto: ritratto drammatico</translation>
    </message>
    <message>
        <source>Originalbild einblenden</source>
        <translation>Miscela l&apos;originale</translation>
    </message>
    <message>
        <source>Mischt das unbearbeitete Bild wieder ein</source>
        <translation>Rimescola l&apos;immagine non modificata</translation>
    </message>
    <message>
        <source>Foto-Reflektor</source>
        <translation>Pannello riflettente</translation>
    </message>
    <message>
        <source>Hellt die Schatten mit dem Licht eines Reflektors auf</source>
        <translation>Schiarisce le ombre con la luce di un pannello riflettente</translation>
    </message>
    <message>
        <source>Reflektor</source>
        <translation>Riflettente</translation>
    </message>
    <message>
        <source>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</source>
        <translation>Oro, argento (bianco) o un altro colore del pannello</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Sfumatura di colore</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <source>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</source>
        <translation>Piena intensità al primo punto, in dissolvenza fino al secondo</translation>
    </message>
    <message>
        <source>Color Contrast</source>
        <translation>Contrasto cromatico</translation>
    </message>
    <message>
        <source>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</source>
        <translation>Separa i colori vicini tra loro; la luminosità resta</translation>
    </message>
    <message>
        <source>Polfilter</source>
        <translation>Filtro polarizzatore</translation>
    </message>
    <message>
        <source>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</source>
        <translation>Elimina foschia e riflessi, scurisce il cielo blu</translation>
    </message>
    <message>
        <source>Chromatische Korrektur</source>
        <translation>Correzione cromatica</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>più piccolo</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>più grande</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Ingrandisce o riduce il canale rosso finché i suoi bordi coincidono con il verde</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Ingrandisce o riduce il canale blu finché i suoi bordi coincidono con il verde</translation>
    </message>
    <message>
        <source>chromatische Aberrationen korrigieren</source>
        <translation>Correggi aberrazioni cromatiche</translation>
    </message>
    <message>
        <source>Entfernt violette und grüne Farbsäume an harten Kanten</source>
        <translation>Rimuove le frange viola e verdi sui bordi netti</translation>
    </message>
    <message>
        <source>Motive (Halloween)</source>
        <translation>Motivi (Halloween)</translation>
    </message>
    <message>
        <source>Motiv</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>1 Kürbis, 2 Geist, 3 Fledermaus, 4 Spinnennetz, 5 Mond</source>
        <translation>1 zucca, 2 fantasma, 3 pipistrello, 4 ragnatela, 5 luna</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>durchsichtig</source>
        <translation>trasparente</translation>
    </message>
    <message>
        <source>deckend</source>
        <translation>coprente</translation>
    </message>
    <message>
        <source>Flaggen</source>
        <translation>Bandiere</translation>
    </message>
    <message>
        <source>Flagge</source>
        <translation>Bandiera</translation>
    </message>
    <message>
        <source>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</source>
        <translation>1 Germania, 2 Francia, 3 Italia, 4 Paesi Bassi, 5 Austria, 6 Belgio, 7 Irlanda, 8 Polonia, 9 Ucraina, 10 Svizzera, 11 Giappone, 12 Svezia, 13 Danimarca</translation>
    </message>
    <message>
        <source>Motive (Fußball)</source>
        <translation>Motivi (calcio)</translation>
    </message>
    <message>
        <source>1 Ball, 2 Tor, 3 Pokal</source>
        <translation>1 pallone, 2 porta, 3 coppa</translation>
    </message>
    <message>
        <source>Mask Entrauschen Luminance (HD)</source>
        <translation>Maschera riduzione rumore luminanza (HD)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>spento</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</source>
        <translation>Quanto viene levigato il rumore di luminanza nelle aree uniformi</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die geglättet wird</source>
        <translation>Dimensione dell&apos;area su cui si leviga</translation>
    </message>
    <message>
        <source>Detailschwelle</source>
        <translation>Soglia dettagli</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</source>
        <translation>Aumento di luminosità per pixel oltre il quale un&apos;area è struttura e resta invariata</translation>
    </message>
    <message>
        <source>Wirkung abhängig von der Helligkeit des Bildpunkts</source>
        <translation>Effetto in base alla luminosità del pixel</translation>
    </message>
    <message>
        <source>Mask Schärfen Luminance (HD)</source>
        <translation>Maschera nitidezza luminanza (HD)</translation>
    </message>
    <message>
        <source>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</source>
        <translation>Quanto vengono resi nitidi bordi e strutture; le aree uniformi restano invariate</translation>
    </message>
    <message>
        <source>Größe der Details, die geschärft werden</source>
        <translation>Dimensione dei dettagli resi nitidi</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</source>
        <translation>Aumento di luminosità per pixel oltre il quale un&apos;area è struttura e viene resa nitida</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>Sovraelongazione</translation>
    </message>
    <message>
        <source>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</source>
        <translation>Quanto un bordo reso nitido può superare la luminosità circostante; limita gli aloni</translation>
    </message>
    <message>
        <source>adaptive Bildschärfe</source>
        <translation>Nitidezza adattiva</translation>
    </message>
    <message>
        <source>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</source>
        <translation>Quanta nitidezza applicare; l&apos;intensità segue il contrasto locale: nulla sulle aree uniformi, meno sui bordi netti</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren</source>
        <translation>Riduci il mosso</translation>
    </message>
    <message>
        <source>Wie weit die Verwacklung herausgerechnet wird</source>
        <translation>Quanto viene eliminato il mosso</translation>
    </message>
    <message>
        <source>Unschärferadius</source>
        <translation>Raggio di sfocatura</translation>
    </message>
    <message>
        <source>Wie weit das Bild verwackelt ist</source>
        <translation>Quanto è mossa l&apos;immagine</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Iterazioni</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>poche</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>molte</translation>
    </message>
    <message>
        <source>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</source>
        <translation>Passi della deconvoluzione: più passi ripristinano più nitidezza e richiedono più tempo</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren (Farbe)</source>
        <translation>Riduci il mosso (colore)</translation>
    </message>
    <message>
        <source>Entrauschen Farbwolken</source>
        <translation>Riduci macchie di colore</translation>
    </message>
    <message>
        <source>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</source>
        <translation>Le macchie di colore fino a circa un terzo di questa dimensione vengono rimosse</translation>
    </message>
    <message>
        <source>Wie weit die Farbwolken entfernt werden</source>
        <translation>Quanto vengono rimosse le macchie di colore</translation>
    </message>
    <message>
        <source>kräftig</source>
        <translation>intenso</translation>
    </message>
    <message>
        <source>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</source>
        <translation>Deviazione di colore fino alla quale una macchia è rumore; i colori più intensi restano</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (UHD)</source>
        <translation>Riduzione rumore luminanza (UHD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</source>
        <translation>Quanto viene levigato il rumore di luminanza; si media tra porzioni simili circostanti</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (U2HD)</source>
        <translation>Riduzione rumore luminanza (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen (Gap Fill)</source>
        <translation>Riduzione rumore (riempimento)</translation>
    </message>
    <message>
        <source>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</source>
        <translation>Quanto i singoli pixel anomali vengono riempiti con la media dei vicini</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>basso</translation>
    </message>
    <message>
        <source>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</source>
        <translation>Quanto un pixel deve uscire dall&apos;intervallo dei vicini, in rapporto a esso, per contare come lacuna</translation>
    </message>
    <message>
        <source>Details restaurieren</source>
        <translation>Ripristina dettagli</translation>
    </message>
    <message>
        <source>Detailgröße</source>
        <translation>Dimensione dettagli</translation>
    </message>
    <message>
        <source>Größe der Details, die aus dem Originalbild zurückgeholt werden</source>
        <translation>Dimensione dei dettagli recuperati dall&apos;immagine originale</translation>
    </message>
    <message>
        <source>Wie viel der verlorenen Details zurückkehrt</source>
        <translation>Quanta parte dei dettagli persi ritorna</translation>
    </message>
    <message>
        <source>Rauschschwelle</source>
        <translation>Soglia rumore</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</source>
        <translation>Le differenze più fini contano come rumore e non ritornano</translation>
    </message>
    <message>
        <source>Dither (Floyd Steinberg)</source>
        <translation>Dithering (diffusione dell&apos;errore)</translation>
    </message>
    <message>
        <source>Bittiefe</source>
        <translation>Profondità di bit</translation>
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
        <translation>Livelli per canale dopo la riduzione</translation>
    </message>
    <message>
        <source>Fehlerverteilung</source>
        <translation>Diffusione dell&apos;errore</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>piena</translation>
    </message>
    <message>
        <source>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</source>
        <translation>Quanto dell&apos;errore di arrotondamento passa ai vicini: evita scalini nelle sfumature</translation>
    </message>
    <message>
        <source>Entrauschen (Farbe)</source>
        <translation>Riduzione rumore (colore)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die die Farbe geglättet wird</source>
        <translation>Dimensione dell&apos;area su cui si leviga il colore</translation>
    </message>
    <message>
        <source>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</source>
        <translation>Quanto viene levigato il rumore cromatico; la luminosità resta invariata</translation>
    </message>
    <message>
        <source>Entrauschen (Flächen glätten)</source>
        <translation>Riduzione rumore (leviga superfici)</translation>
    </message>
    <message>
        <source>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</source>
        <translation>Quanto le superfici uniformi vengono levigate verso la loro media</translation>
    </message>
    <message>
        <source>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</source>
        <translation>Dispersione di luminosità fino alla quale un&apos;area conta come uniforme</translation>
    </message>
    <message>
        <source>Entrauschen (Banding)</source>
        <translation>Riduzione rumore (banding)</translation>
    </message>
    <message>
        <source>Breite der Streifen, die zu einem glatten Verlauf werden</source>
        <translation>Larghezza delle bande che diventano una sfumatura uniforme</translation>
    </message>
    <message>
        <source>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</source>
        <translation>Altezza dei gradini che vengono levigati; i bordi più alti restano</translation>
    </message>
    <message>
        <source>Kantenverstärker</source>
        <translation>Esaltazione bordi</translation>
    </message>
    <message>
        <source>Größe der Kanten, die verstärkt werden</source>
        <translation>Dimensione dei bordi esaltati</translation>
    </message>
    <message>
        <source>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</source>
        <translation>Quanto viene esaltato il contrasto di luminosità ai bordi</translation>
    </message>
    <message>
        <source>Farbton Kantenverstärker</source>
        <translation>Esaltazione bordi di tonalità</translation>
    </message>
    <message>
        <source>Wie stark der Farbkontrast an Farbkanten verstärkt wird</source>
        <translation>Quanto viene esaltato il contrasto cromatico ai bordi di colore</translation>
    </message>
    <message>
        <source>Entrauschen (soften)</source>
        <translation>Riduzione rumore (ammorbidisci)</translation>
    </message>
    <message>
        <source>Länge, über die entlang der Kanten gemittelt wird</source>
        <translation>Lunghezza su cui si media lungo i bordi</translation>
    </message>
    <message>
        <source>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</source>
        <translation>Quanto si leviga lungo i bordi; i bordi restano nitidi</translation>
    </message>
    <message>
        <source>Schärfen HD Gradient</source>
        <translation>Nitidezza HD gradiente</translation>
    </message>
    <message>
        <source>Breite des Schärfens quer zur Kante</source>
        <translation>Larghezza della nitidezza trasversale al bordo</translation>
    </message>
    <message>
        <source>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</source>
        <translation>Quanta nitidezza trasversale ai bordi; il rumore lungo i bordi non viene esaltato</translation>
    </message>
    <message>
        <source>Schärfen Chrominance (HD)</source>
        <translation>Nitidezza crominanza (HD)</translation>
    </message>
    <message>
        <source>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</source>
        <translation>Quanto vengono resi nitidi i bordi di colore; la luminosità resta invariata</translation>
    </message>
    <message>
        <source>Größe der Farbdetails, die geschärft werden</source>
        <translation>Dimensione dei dettagli di colore resi nitidi</translation>
    </message>
    <message>
        <source>Schärfen Luminance (HD)</source>
        <translation>Nitidezza luminanza (HD)</translation>
    </message>
    <message>
        <source>Wie stark die Helligkeit geschärft wird</source>
        <translation>Quanta nitidezza viene applicata alla luminosità</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</source>
        <translation>Le differenze più fini contano come rumore e non vengono rese nitide</translation>
    </message>
    <message>
        <source>Schärfen Luminance (UHD)</source>
        <translation>Nitidezza luminanza (UHD)</translation>
    </message>
    <message>
        <source>Stärke fein</source>
        <translation>Intensità fine</translation>
    </message>
    <message>
        <source>Schärfung der feinsten Details</source>
        <translation>Nitidezza dei dettagli più fini</translation>
    </message>
    <message>
        <source>Stärke mittel</source>
        <translation>Intensità media</translation>
    </message>
    <message>
        <source>Schärfung der Details doppelter Größe</source>
        <translation>Nitidezza dei dettagli di dimensione doppia</translation>
    </message>
    <message>
        <source>Größe der feinsten Details</source>
        <translation>Dimensione dei dettagli più fini</translation>
    </message>
    <message>
        <source>Schärfen Luminance (U2HD)</source>
        <translation>Nitidezza luminanza (U2HD)</translation>
    </message>
    <message>
        <source>Stärke grob</source>
        <translation>Intensità grossolana</translation>
    </message>
    <message>
        <source>Schärfung der Details vierfacher Größe</source>
        <translation>Nitidezza dei dettagli di dimensione quadrupla</translation>
    </message>
    <message>
        <source>Entrauschen (Median)</source>
        <translation>Riduzione rumore (mediana)</translation>
    </message>
    <message>
        <source>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</source>
        <translation>Quanto ogni canale si avvicina alla mediana del suo intorno 3×3: rimuove i disturbi di singoli pixel</translation>
    </message>
    <message>
        <source>Entrauschen (Varianz)</source>
        <translation>Riduzione rumore (varianza)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, deren Streuung gemessen wird</source>
        <translation>Dimensione dell&apos;area di cui si misura la dispersione</translation>
    </message>
    <message>
        <source>Rauschpegel</source>
        <translation>Livello di rumore</translation>
    </message>
    <message>
        <source>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</source>
        <translation>Dispersione che conta come rumore: le aree con meno dispersione vengono levigate, le strutture restano</translation>
    </message>
    <message>
        <source>Himmel entrauschen</source>
        <translation>Riduci rumore del cielo</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die der Himmel geglättet wird</source>
        <translation>Dimensione dell&apos;area su cui si leviga il cielo</translation>
    </message>
    <message>
        <source>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</source>
        <translation>Quanto vengono levigati rumore e banding nelle aree color cielo</translation>
    </message>
    <message>
        <source>Entrauschen (Min-Max)</source>
        <translation>Riduzione rumore (min-max)</translation>
    </message>
    <message>
        <source>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</source>
        <translation>Quanto i valori anomali vengono riportati nell&apos;intervallo dei vicini</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</source>
        <translation>Quanto un valore può superare i vicini prima di essere limitato</translation>
    </message>
    <message>
        <source>Entrauschen (Iterativ)</source>
        <translation>Riduzione rumore (iterativa)</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Passi</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</source>
        <translation>Numero di passi di levigatura: più passi levigano su un&apos;area più ampia</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</source>
        <translation>Differenza di luminosità fino alla quale si leviga; differenze maggiori contano come bordi</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (HD)</source>
        <translation>Riduzione rumore crominanza (HD)</translation>
    </message>
    <message>
        <source>Größe der feinsten Farbflecken, die geglättet werden</source>
        <translation>Dimensione delle macchie di colore più fini levigate</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (UHD)</source>
        <translation>Riduzione rumore crominanza (UHD)</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (U2HD)</source>
        <translation>Riduzione rumore crominanza (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD)</source>
        <translation>Riduzione rumore luminanza (HD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</source>
        <translation>Quanto viene levigato il rumore di luminanza; i bordi restano</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD iter)</source>
        <translation>Riduzione rumore luminanza (HD iterativa)</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</source>
        <translation>Numero di passate di levigatura, ognuna un po&apos; più debole della precedente</translation>
    </message>
    <message>
        <source>Größe der Umgebung eines Durchgangs</source>
        <translation>Dimensione dell&apos;area di una passata</translation>
    </message>
    <message>
        <source>Artefakte reduzieren</source>
        <translation>Riduci artefatti</translation>
    </message>
    <message>
        <source>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</source>
        <translation>Altezza dei bordi dei blocchi di compressione levigati; i bordi più alti restano</translation>
    </message>
    <message>
        <source>Blockgröße</source>
        <translation>Dimensione blocchi</translation>
    </message>
    <message>
        <source>Rastergröße der Kompressionsblöcke im Originalbild</source>
        <translation>Dimensione della griglia dei blocchi di compressione nell&apos;immagine originale</translation>
    </message>
    <message>
        <source>Bewegungsunschärfe reduzieren</source>
        <translation>Riduci sfocatura da movimento</translation>
    </message>
    <message>
        <source>Wie weit die Bewegungsunschärfe herausgerechnet wird</source>
        <translation>Quanto viene eliminata la sfocatura da movimento</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>corto</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>lungo</translation>
    </message>
    <message>
        <source>Länge der Bewegungsspur im Bild</source>
        <translation>Lunghezza della scia di movimento nell&apos;immagine</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</source>
        <translation>Direzione del movimento: 0° orizzontale, 90° verticale</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosione</translation>
    </message>
    <message>
        <source>Wie weit dunkle Bereiche in helle hineinwachsen</source>
        <translation>Quanto le aree scure si espandono in quelle chiare</translation>
    </message>
    <message>
        <source>Dilatation</source>
        <translation>Dilatazione</translation>
    </message>
    <message>
        <source>Wie weit helle Bereiche in dunkle hineinwachsen</source>
        <translation>Quanto le aree chiare si espandono in quelle scure</translation>
    </message>
    <message>
        <source>Doppler</source>
        <translation>Immagine doppia</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Versatz des Doppelbildes</source>
        <translation>Spostamento dell&apos;immagine doppia</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</source>
        <translation>Direzione dello spostamento, in senso antiorario da destra</translation>
    </message>
    <message>
        <source>Deckkraft des Doppelbildes</source>
        <translation>Opacità dell&apos;immagine doppia</translation>
    </message>
    <message>
        <source>Normalisieren</source>
        <translation>Normalizza</translation>
    </message>
    <message>
        <source>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</source>
        <translation>Quanto i toni vengono estesi all&apos;intero intervallo e i mezzitoni bilanciati</translation>
    </message>
    <message>
        <source>Zielhelligkeit</source>
        <translation>Luminosità di destinazione</translation>
    </message>
    <message>
        <source>Helligkeit, auf die der Median des Bildes gebracht wird</source>
        <translation>Luminosità a cui viene portata la mediana dell&apos;immagine</translation>
    </message>
    <message>
        <source>Local Contrast (Mask)</source>
        <translation>Contrasto locale (maschera)</translation>
    </message>
    <message>
        <source>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</source>
        <translation>Dimensione dell&apos;area in pixel dell&apos;immagine a piena risoluzione</translation>
    </message>
    <message>
        <source>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</source>
        <translation>Contrasto locale della luminosità; i colori restano</translation>
    </message>
    <message>
        <source>Kantenschutz</source>
        <translation>Protezione bordi</translation>
    </message>
    <message>
        <source>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</source>
        <translation>Trattiene i grandi salti di luminosità affinché non compaiano aloni ai bordi</translation>
    </message>
    <message>
        <source>Stärke der Wirkung abhängig von der Helligkeit</source>
        <translation>Intensità dell&apos;effetto in base alla luminosità</translation>
    </message>
    <message>
        <source>Luminanz Kontrast</source>
        <translation>Contrasto di luminanza</translation>
    </message>
    <message>
        <source>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</source>
        <translation>Contrasto della luminosità; tonalità e saturazione restano</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>Fulcro</translation>
    </message>
    <message>
        <source>Helligkeit, die unverändert bleibt</source>
        <translation>Luminosità che resta invariata</translation>
    </message>
    <message>
        <source>Helligkeit ebnen</source>
        <translation>Uniforma luminosità</translation>
    </message>
    <message>
        <source>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</source>
        <translation>Compensa l&apos;illuminazione irregolare; i dettagli restano</translation>
    </message>
    <message>
        <source>Größe der Flächen, über die die Helligkeit ausgeglichen wird</source>
        <translation>Dimensione delle aree su cui si uniforma la luminosità</translation>
    </message>
    <message>
        <source>_Highlight Recover</source>
        <translation>Recupero luci</translation>
    </message>
    <message>
        <source>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</source>
        <translation>Comprime dolcemente i toni più chiari senza che alcun canale bruci</translation>
    </message>
    <message>
        <source>Einsatzpunkt</source>
        <translation>Soglia di intervento</translation>
    </message>
    <message>
        <source>früh</source>
        <translation>presto</translation>
    </message>
    <message>
        <source>spät</source>
        <translation>tardi</translation>
    </message>
    <message>
        <source>Helligkeit, ab der die Lichter zusammengedrückt werden</source>
        <translation>Luminosità da cui le luci vengono compresse</translation>
    </message>
    <message>
        <source>Nebel reduzieren</source>
        <translation>Riduci foschia</translation>
    </message>
    <message>
        <source>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</source>
        <translation>Rimuove il velo chiaro di nebbia e foschia dall&apos;immagine</translation>
    </message>
    <message>
        <source>Spitzlichter wiederherstellen</source>
        <translation>Recupera riflessi speculari</translation>
    </message>
    <message>
        <source>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</source>
        <translation>Scurisce le aree chiare nel loro insieme mantenendone i dettagli</translation>
    </message>
    <message>
        <source>Helligkeit der Umgebung, ab der abgedunkelt wird</source>
        <translation>Luminosità dell&apos;intorno da cui inizia lo scurimento</translation>
    </message>
    <message>
        <source>Weißkorrektur</source>
        <translation>Correzione del bianco</translation>
    </message>
    <message>
        <source>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</source>
        <translation>Rimuove la dominante dalle luci e le schiarisce fino al bianco puro</translation>
    </message>
    <message>
        <source>Helligkeit, ab der korrigiert wird</source>
        <translation>Luminosità da cui si corregge</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>Sfumatura di luminosità</translation>
    </message>
    <message>
        <source>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</source>
        <translation>Gamma del lato dell&apos;immagine prima della linea; valori negativi lo scuriscono (ad esempio un cielo)</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Richtung des Verlaufs; 90° verläuft von oben nach unten</source>
        <translation>Direzione della sfumatura; 90° va dall&apos;alto in basso</translation>
    </message>
    <message>
        <source>Übergang</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>Breite des Übergangs über die Linie</source>
        <translation>Larghezza della transizione attraverso la linea</translation>
    </message>
    <message>
        <source>Linienmitte</source>
        <translation>Centro della linea</translation>
    </message>
    <message>
        <source>Punkt, durch den die Übergangslinie läuft</source>
        <translation>Punto attraverso cui passa la linea di transizione</translation>
    </message>
    <message>
        <source>Weiche Details</source>
        <translation>Dettagli morbidi</translation>
    </message>
    <message>
        <source>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</source>
        <translation>Leviga strutture fini come pelle o rumore; i bordi restano nitidi</translation>
    </message>
    <message>
        <source>Größe der Strukturen, die geglättet werden</source>
        <translation>Dimensione delle strutture levigate</translation>
    </message>
    <message>
        <source>Weiche Kontur</source>
        <translation>Contorno morbido</translation>
    </message>
    <message>
        <source>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</source>
        <translation>Dà ai contorni un bordo morbido e luminoso; le superfici restano nitide</translation>
    </message>
    <message>
        <source>Breite des weichen Randes</source>
        <translation>Larghezza del bordo morbido</translation>
    </message>
    <message>
        <source>Randlicht-Verteilung</source>
        <translation>Distribuzione della luce ai bordi</translation>
    </message>
    <message>
        <source>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</source>
        <translation>Compensa la caduta di luce verso il bordo dell&apos;immagine (vignettatura, flash)</translation>
    </message>
    <message>
        <source>Dynamische Helligkeit</source>
        <translation>Luminosità dinamica</translation>
    </message>
    <message>
        <source>erweitern</source>
        <translation>espandere</translation>
    </message>
    <message>
        <source>verdichten</source>
        <translation>comprimere</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</source>
        <translation>Schiarisce gli intorni scuri e scurisce quelli chiari (o viceversa)</translation>
    </message>
    <message>
        <source>automatischer Schwarz/Weißpunkt</source>
        <translation>Punto nero/bianco automatico</translation>
    </message>
    <message>
        <source>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</source>
        <translation>Quanto i punti nero e bianco dell&apos;immagine vengono estesi all&apos;intero intervallo</translation>
    </message>
    <message>
        <source>gewogener Schwarz/Weißpunkt</source>
        <translation>Punto nero/bianco ponderato</translation>
    </message>
    <message>
        <source>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</source>
        <translation>Quanto i punti misurati vengono estesi all&apos;intero intervallo</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</source>
        <translation>Quota dei pixel più scuri e più chiari la cui media dà i punti nero e bianco</translation>
    </message>
    <message>
        <source>Histogramm Abgleich</source>
        <translation>Equalizzazione istogramma</translation>
    </message>
    <message>
        <source>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</source>
        <translation>Distribuisce i toni uniformemente su tutto l&apos;intervallo</translation>
    </message>
    <message>
        <source>Kontrastbegrenzung</source>
        <translation>Limite di contrasto</translation>
    </message>
    <message>
        <source>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</source>
        <translation>Limita quanto vengono estese le grandi aree uniformi</translation>
    </message>
    <message>
        <source>Licht/Schatten anpassen</source>
        <translation>Regola luci/ombre</translation>
    </message>
    <message>
        <source>Lichter</source>
        <translation>Luci</translation>
    </message>
    <message>
        <source>Belichtung der hellen Töne</source>
        <translation>Esposizione dei toni chiari</translation>
    </message>
    <message>
        <source>Belichtung der dunklen Töne</source>
        <translation>Esposizione dei toni scuri</translation>
    </message>
    <message>
        <source>Tonbreite</source>
        <translation>Ampiezza tonale</translation>
    </message>
    <message>
        <source>Wie weit Lichter und Schatten in die Mitteltöne reichen</source>
        <translation>Quanto luci e ombre si estendono nei mezzitoni</translation>
    </message>
    <message>
        <source>Lichttuner</source>
        <translation>Regolatore di luce</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</source>
        <translation>Schiarisce gli intorni scuri più di quelli chiari; poi vengono reimpostati i punti nero e bianco</translation>
    </message>
    <message>
        <source>Percentile justieren</source>
        <translation>Regola percentili</translation>
    </message>
    <message>
        <source>Dunkles Perzentil</source>
        <translation>Percentile scuro</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der schwarz wird</source>
        <translation>Quota dei pixel di ogni canale che diventa nera</translation>
    </message>
    <message>
        <source>Helles Perzentil</source>
        <translation>Percentile chiaro</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der weiß wird</source>
        <translation>Quota dei pixel di ogni canale che diventa bianca</translation>
    </message>
    <message>
        <source>Gradationskurve (logarithm.)</source>
        <translation>Curva tonale (logaritmica)</translation>
    </message>
    <message>
        <source>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</source>
        <translation>Curva tonale sulla luminosità logaritmica: le ombre occupano la maggior parte</translation>
    </message>
    <message>
        <source>Tonwerte justieren</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Schwarzwert</source>
        <translation>Livello del nero</translation>
    </message>
    <message>
        <source>Helligkeit, die schwarz wird</source>
        <translation>Luminosità che diventa nera</translation>
    </message>
    <message>
        <source>Weißwert</source>
        <translation>Livello del bianco</translation>
    </message>
    <message>
        <source>Helligkeit, die weiß wird</source>
        <translation>Luminosità che diventa bianca</translation>
    </message>
    <message>
        <source>Mitteltöne</source>
        <translation>Mezzitoni</translation>
    </message>
    <message>
        <source>Gamma der Mitteltöne</source>
        <translation>Gamma dei mezzitoni</translation>
    </message>
    <message>
        <source>Ausgabe Schwarz</source>
        <translation>Nero in uscita</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Schwarz gesetzt wird</source>
        <translation>Luminosità a cui viene portato il nero</translation>
    </message>
    <message>
        <source>Ausgabe Weiß</source>
        <translation>Bianco in uscita</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Weiß gesetzt wird</source>
        <translation>Luminosità a cui viene portato il bianco</translation>
    </message>
    <message>
        <source>Graustufenumwandlung</source>
        <translation>Conversione in scala di grigi</translation>
    </message>
    <message>
        <source>Rotanteil</source>
        <translation>Quota di rosso</translation>
    </message>
    <message>
        <source>Anteil des roten Kanals am Grau</source>
        <translation>Quota del canale rosso nel grigio</translation>
    </message>
    <message>
        <source>Grünanteil</source>
        <translation>Quota di verde</translation>
    </message>
    <message>
        <source>Anteil des grünen Kanals am Grau</source>
        <translation>Quota del canale verde nel grigio</translation>
    </message>
    <message>
        <source>Blauanteil</source>
        <translation>Quota di blu</translation>
    </message>
    <message>
        <source>Anteil des blauen Kanals am Grau</source>
        <translation>Quota del canale blu nel grigio</translation>
    </message>
    <message>
        <source>Fraktales_Korn</source>
        <translation>Grana frattale</translation>
    </message>
    <message>
        <source>Stärke des Korns</source>
        <translation>Intensità della grana</translation>
    </message>
    <message>
        <source>Größe der Körner im Bild in voller Auflösung</source>
        <translation>Dimensione dei granelli nell&apos;immagine a piena risoluzione</translation>
    </message>
    <message>
        <source>Rauheit</source>
        <translation>Ruvidità</translation>
    </message>
    <message>
        <source>rau</source>
        <translation>ruvido</translation>
    </message>
    <message>
        <source>Anteil der feineren Kornstufen</source>
        <translation>Quota dei livelli di grana più fini</translation>
    </message>
    <message>
        <source>Kornbewegung</source>
        <translation>Movimento della grana</translation>
    </message>
    <message>
        <source>eingefroren</source>
        <translation>fermo</translation>
    </message>
    <message>
        <source>jedes Bild neu</source>
        <translation>nuovo a ogni fotogramma</translation>
    </message>
    <message>
        <source>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</source>
        <translation>Quanto spesso cambia la grana nei video; 0 la mantiene fissa su tutti i fotogrammi</translation>
    </message>
    <message>
        <source>Analoges_Korn</source>
        <translation>Grana analogica</translation>
    </message>
    <message>
        <source>Farbkorn</source>
        <translation>Grana colorata</translation>
    </message>
    <message>
        <source>einfarbig</source>
        <translation>monocromatica</translation>
    </message>
    <message>
        <source>farbig</source>
        <translation>colorata</translation>
    </message>
    <message>
        <source>Anteil des Korns, der in jedem Farbkanal eigen ist</source>
        <translation>Quota della grana propria di ogni canale colore</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSV)</source>
        <translation>Grana frattale (HSV)</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSL)</source>
        <translation>Grana frattale (HSL)</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSV)</source>
        <translation>Grana analogica (HSV)</translation>
    </message>
    <message>
        <source>Sättigungskorn</source>
        <translation>Grana di saturazione</translation>
    </message>
    <message>
        <source>Korn auch in der Sättigung; der Farbton bleibt erhalten</source>
        <translation>Grana anche nella saturazione; la tonalità resta</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSL)</source>
        <translation>Grana analogica (HSL)</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Bleach bypass</translation>
    </message>
    <message>
        <source>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</source>
        <translation>Più contrasto e meno colore, come saltando il bagno di sbianca</translation>
    </message>
    <message>
        <source>Veiling Glare</source>
        <translation>Velo luminoso</translation>
    </message>
    <message>
        <source>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</source>
        <translation>Luce parassita nell&apos;obiettivo: le aree chiare velano ciò che le circonda</translation>
    </message>
    <message>
        <source>Local Contour</source>
        <translation>Contorno locale</translation>
    </message>
    <message>
        <source>Verstärkung der Konturen</source>
        <translation>Esaltazione dei contorni</translation>
    </message>
    <message>
        <source>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</source>
        <translation>Le differenze più fini (grana, rumore) non vengono esaltate</translation>
    </message>
    <message>
        <source>Struktur (Tonung)</source>
        <translation>Texture (viraggio)</translation>
    </message>
    <message>
        <source>Wie stark die Struktur über dem Bild liegt</source>
        <translation>Quanto la texture si sovrappone all&apos;immagine</translation>
    </message>
    <message>
        <source>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</source>
        <translation>Scala della texture, da un quarto a quattro volte</translation>
    </message>
    <message>
        <source>Muster</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Wählt eine von tausend Varianten der Struktur</source>
        <translation>Sceglie una delle mille varianti della texture</translation>
    </message>
    <message>
        <source>Farbe der Struktur</source>
        <translation>Colore della texture</translation>
    </message>
    <message>
        <source>Struktur (Staub)</source>
        <translation>Texture (polvere)</translation>
    </message>
    <message>
        <source>Struktur (Licht)</source>
        <translation>Texture (luce)</translation>
    </message>
    <message>
        <source>Struktur (Doppelbelichtung)</source>
        <translation>Texture (doppia esposizione)</translation>
    </message>
    <message>
        <source>Struktur (Projektion)</source>
        <translation>Texture (proiezione)</translation>
    </message>
    <message>
        <source>Struktur (Vignette)</source>
        <translation>Texture (vignetta)</translation>
    </message>
    <message>
        <source>Struktur (Stoffe)</source>
        <translation>Texture (tessuti)</translation>
    </message>
    <message>
        <source>Struktur (Risse)</source>
        <translation>Texture (crepe)</translation>
    </message>
    <message>
        <source>Struktur (Stein)</source>
        <translation>Texture (pietra)</translation>
    </message>
    <message>
        <source>Struktur (Papier)</source>
        <translation>Texture (carta)</translation>
    </message>
    <message>
        <source>Struktur (Metalle)</source>
        <translation>Texture (metalli)</translation>
    </message>
    <message>
        <source>Struktur (Puzzle)</source>
        <translation>Texture (puzzle)</translation>
    </message>
    <message>
        <source>Schwarz-Weiß</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Lokaler Kontrast</source>
        <translation>Contrasto locale</translation>
    </message>
    <message>
        <source>Lokaler Kontrast des Graubilds</source>
        <translation>Contrasto locale dell&apos;immagine in grigio</translation>
    </message>
    <message>
        <source>Rotfilter</source>
        <translation>Filtro rosso</translation>
    </message>
    <message>
        <source>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</source>
        <translation>Quanto diventano chiari i toni rossi nel grigio (un filtro rosso scurisce il cielo blu)</translation>
    </message>
    <message>
        <source>Grünfilter</source>
        <translation>Filtro verde</translation>
    </message>
    <message>
        <source>Wie hell grüne Töne im Grau werden</source>
        <translation>Quanto diventano chiari i toni verdi nel grigio</translation>
    </message>
    <message>
        <source>Blaufilter</source>
        <translation>Filtro blu</translation>
    </message>
    <message>
        <source>Wie hell blaue Töne im Grau werden</source>
        <translation>Quanto diventano chiari i toni blu nel grigio</translation>
    </message>
    <message>
        <source>Zentrum belichten</source>
        <translation>Esponi il centro</translation>
    </message>
    <message>
        <source>Belichtung des Zentrums in Blendenstufen</source>
        <translation>Esposizione del centro in stop</translation>
    </message>
    <message>
        <source>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</source>
        <translation>Dimensione del centro pienamente esposto, rispetto a metà diagonale</translation>
    </message>
    <message>
        <source>Breite des Übergangs nach außen</source>
        <translation>Larghezza della transizione verso l&apos;esterno</translation>
    </message>
    <message>
        <source>Mitte des belichteten Bereichs</source>
        <translation>Centro dell&apos;area esposta</translation>
    </message>
    <message>
        <source>Weicher Kontrast</source>
        <translation>Contrasto morbido</translation>
    </message>
    <message>
        <source>weicher</source>
        <translation>più morbido</translation>
    </message>
    <message>
        <source>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</source>
        <translation>Curva a S della luminosità con luci e ombre che sfumano dolcemente</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Helligkeit, um die die Kurve dreht</source>
        <translation>Luminosità attorno a cui ruota la curva</translation>
    </message>
    <message>
        <source>Halftone</source>
        <translation>Mezzatinta</translation>
    </message>
    <message>
        <source>Rasterweite</source>
        <translation>Lineatura</translation>
    </message>
    <message>
        <source>Abstand der Rasterpunkte im Bild in voller Auflösung</source>
        <translation>Distanza dei punti di retino nell&apos;immagine a piena risoluzione</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Winkel des Rasters</source>
        <translation>Angolo del retino</translation>
    </message>
    <message>
        <source>Wie stark das Raster über dem Bild liegt</source>
        <translation>Quanto il retino si sovrappone all&apos;immagine</translation>
    </message>
    <message>
        <source>Farbraster</source>
        <translation>Retino a colori</translation>
    </message>
    <message>
        <source>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</source>
        <translation>Un retino per ogni canale colore invece di uno grigio</translation>
    </message>
    <message>
        <source>Struktur (Wellen)</source>
        <translation>Texture (onde)</translation>
    </message>
    <message>
        <source>Struktur (Leinen)</source>
        <translation>Texture (lino)</translation>
    </message>
    <message>
        <source>Alterung</source>
        <translation>Invecchiamento</translation>
    </message>
    <message>
        <source>Gesamtwirkung der Alterung</source>
        <translation>Effetto complessivo dell&apos;invecchiamento</translation>
    </message>
    <message>
        <source>Vergilbung</source>
        <translation>Ingiallimento</translation>
    </message>
    <message>
        <source>Gelbstich, vor allem in den Lichtern</source>
        <translation>Dominante gialla, soprattutto nelle luci</translation>
    </message>
    <message>
        <source>Verblassen</source>
        <translation>Sbiadimento</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Angehobene Schwarztöne und stumpfe Lichter</source>
        <translation>Neri sollevati e luci spente</translation>
    </message>
    <message>
        <source>Flecken</source>
        <translation>Macchie</translation>
    </message>
    <message>
        <source>Braune Flecken und Staubpunkte</source>
        <translation>Macchie marroni e granelli di polvere</translation>
    </message>
    <message>
        <source>Iter Tonemapping Kontrast</source>
        <translation>Mappatura toni iterativa contrasto</translation>
    </message>
    <message>
        <source>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</source>
        <translation>Dimensione delle aree la cui luminosità viene uniformata nel complesso.</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>Compressione</translation>
    </message>
    <message>
        <source>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</source>
        <translation>Quanto le aree chiare e scure vengono avvicinate.</translation>
    </message>
    <message>
        <source>erhalten</source>
        <translation>mantenuto</translation>
    </message>
    <message>
        <source>Iter Tonemapping Brillanz</source>
        <translation>Mappatura toni iterativa brillantezza</translation>
    </message>
    <message>
        <source>Brillanz</source>
        <translation>Brillantezza</translation>
    </message>
    <message>
        <source>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</source>
        <translation>Esalta dettagli e colori di ogni canale rispetto alla luminosità.</translation>
    </message>
    <message>
        <source>Maske - Details</source>
        <translation>Maschera - Dettagli</translation>
    </message>
    <message>
        <source>feine Details</source>
        <translation>dettagli fini</translation>
    </message>
    <message>
        <source>grobe Kanten</source>
        <translation>bordi grossolani</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</source>
        <translation>Differenza di luminosità nell&apos;intorno 3×3 oltre la quale un pixel conta come dettaglio.</translation>
    </message>
    <message>
        <source>Maske - NonDetails</source>
        <translation>Maschera - Aree senza dettagli</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Rot</source>
        <translation>Maschera - Quota di rosso</translation>
    </message>
    <message>
        <source>rein</source>
        <translation>puro</translation>
    </message>
    <message>
        <source>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Quota del canale rosso nella somma dei tre canali oltre la quale un pixel viene selezionato (grigio: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Grün</source>
        <translation>Maschera - Quota di verde</translation>
    </message>
    <message>
        <source>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Quota del canale verde nella somma dei tre canali oltre la quale un pixel viene selezionato (grigio: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Blau</source>
        <translation>Maschera - Quota di blu</translation>
    </message>
    <message>
        <source>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Quota del canale blu nella somma dei tre canali oltre la quale un pixel viene selezionato (grigio: 33 %).</translation>
    </message>
    <message>
        <source>Maske - MinMax</source>
        <translation>Maschera - Min/max</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</source>
        <translation>Il canale più scuro deve essere almeno così chiaro: le ombre chiuse restano escluse.</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</source>
        <translation>Il canale più chiaro può essere al massimo così chiaro: le luci bruciate restano escluse.</translation>
    </message>
    <message>
        <source>Maske - Gradation</source>
        <translation>Maschera - Curva tonale</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selezione</translation>
    </message>
    <message>
        <source>Auswahlstärke über der Helligkeit.</source>
        <translation>Intensità della selezione in funzione della luminosità.</translation>
    </message>
    <message>
        <source>Maske - Verlauf</source>
        <translation>Maschera - Sfumatura</translation>
    </message>
    <message>
        <source>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</source>
        <translation>Selezionato del tutto al primo punto, non più dal secondo in poi.</translation>
    </message>
    <message>
        <source>Maske - Vignette</source>
        <translation>Maschera - Vignetta</translation>
    </message>
    <message>
        <source>Zentrum</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</source>
        <translation>Oltre questa distanza dal centro (100 %: gli angoli) il bordo è selezionato del tutto.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne</source>
        <translation>Maschera - Incarnato</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf.</source>
        <translation>Quanto la tonalità può discostarsi dall&apos;incarnato.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne schützen</source>
        <translation>Maschera - Proteggi incarnato</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</source>
        <translation>Quanto la tonalità può discostarsi dall&apos;incarnato; si seleziona tutto tranne la pelle.</translation>
    </message>
    <message>
        <source>Maske - Himmelsfarben</source>
        <translation>Maschera - Colori del cielo</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Himmelblau abweichen darf.</source>
        <translation>Quanto la tonalità può discostarsi dall&apos;azzurro del cielo.</translation>
    </message>
    <message>
        <source>Maske - organisches Grün</source>
        <translation>Maschera - Verde vegetale</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</source>
        <translation>Quanto la tonalità può discostarsi dal verde di foglie ed erba.</translation>
    </message>
    <message>
        <source>horizontale Weichzeichnung</source>
        <translation>Sfocatura orizzontale</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</source>
        <translation>Sfocatura solo lungo le righe: i bordi orizzontali restano nitidi.</translation>
    </message>
    <message>
        <source>vertikale Weichzeichnung</source>
        <translation>Sfocatura verticale</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</source>
        <translation>Sfocatura solo lungo le colonne: i bordi verticali restano nitidi.</translation>
    </message>
    <message>
        <source>gerichtete Weichzeichnung</source>
        <translation>Sfocatura direzionale</translation>
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
        <translation>Direzione della sfocatura; 0° orizzontale, 90° verticale.</translation>
    </message>
    <message>
        <source>Verflüssigen</source>
        <translation>Fluidifica</translation>
    </message>
    <message>
        <source>Größte Verschiebung der Bildpunkte.</source>
        <translation>Spostamento massimo dei pixel.</translation>
    </message>
    <message>
        <source>Strukturgröße</source>
        <translation>Dimensione della struttura</translation>
    </message>
    <message>
        <source>Kirlian Weichzeichnung</source>
        <translation>Sfocatura a corona</translation>
    </message>
    <message>
        <source>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</source>
        <translation>Quanto le aree chiare si irradiano dolcemente nell&apos;intorno più scuro.</translation>
    </message>
    <message>
        <source>Kirlian Leuchten</source>
        <translation>Bagliore a corona</translation>
    </message>
    <message>
        <source>Breite der Korona um die Kanten.</source>
        <translation>Larghezza della corona attorno ai bordi.</translation>
    </message>
    <message>
        <source>Leuchtkraft</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Neon Leuchten</source>
        <translation>Bagliore al neon</translation>
    </message>
    <message>
        <source>Leuchtradius</source>
        <translation>Raggio del bagliore</translation>
    </message>
    <message>
        <source>Breite des Leuchtens um die Kanten.</source>
        <translation>Larghezza del bagliore attorno ai bordi.</translation>
    </message>
    <message>
        <source>Hintergrund abdunkeln</source>
        <translation>Scurisci sfondo</translation>
    </message>
    <message>
        <source>Bildleuchten</source>
        <translation>Bagliore dell&apos;immagine</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Bildbereiche leuchten.</source>
        <translation>Luminosità da cui le aree dell&apos;immagine risplendono.</translation>
    </message>
    <message>
        <source>kantenerhaltende Weichzeichnung</source>
        <translation>Sfocatura che preserva i bordi</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Levigatura</translation>
    </message>
    <message>
        <source>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</source>
        <translation>Fino a quale differenza di luminosità si leviga; i bordi maggiori restano.</translation>
    </message>
    <message>
        <source>Gauss-Weichzeichnung</source>
        <translation>Sfocatura gaussiana</translation>
    </message>
    <message>
        <source>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</source>
        <translation>Distanza massima da cui un pixel contribuisce (circa tre deviazioni standard).</translation>
    </message>
    <message>
        <source>Farbkanal Weichzeichnung</source>
        <translation>Sfocatura per canale</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Rotkanal.</source>
        <translation>Quota del raggio per il canale rosso.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Grünkanal.</source>
        <translation>Quota del raggio per il canale verde.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Blaukanal.</source>
        <translation>Quota del raggio per il canale blu.</translation>
    </message>
    <message>
        <source>Farbton Weichzeichnung</source>
        <translation>Sfocatura della tonalità</translation>
    </message>
    <message>
        <source>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</source>
        <translation>Il colore viene sfocato, la luminosità resta: rumore cromatico e frange scompaiono.</translation>
    </message>
    <message>
        <source>Kreis-Weichzeichnung</source>
        <translation>Sfocatura radiale</translation>
    </message>
    <message>
        <source>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</source>
        <translation>Arco su cui ogni pixel viene trascinato attorno al centro.</translation>
    </message>
    <message>
        <source>Fokus</source>
        <translation>Messa a fuoco</translation>
    </message>
    <message>
        <source>Unschärfe</source>
        <translation>Sfocatura</translation>
    </message>
    <message>
        <source>Schärfebereich</source>
        <translation>Area nitida</translation>
    </message>
    <message>
        <source>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</source>
        <translation>Raggio dell&apos;area nitida attorno al centro (100 %: gli angoli).</translation>
    </message>
    <message>
        <source>Bokeh</source>
        <translation>Bokeh</translation>
    </message>
    <message>
        <source>Radius der Unschärfescheibe.</source>
        <translation>Raggio del disco di sfocatura.</translation>
    </message>
    <message>
        <source>Lichter betonen</source>
        <translation>Accentua le luci</translation>
    </message>
    <message>
        <source>Helle Lichter werden zu hellen Scheiben.</source>
        <translation>Le luci brillanti diventano dischi luminosi.</translation>
    </message>
    <message>
        <source>Licht-Bokeh</source>
        <translation>Bokeh luminoso</translation>
    </message>
    <message>
        <source>Radius der Lichtscheiben.</source>
        <translation>Raggio dei dischi luminosi.</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Lichter Scheiben bilden.</source>
        <translation>Luminosità da cui le luci formano dischi.</translation>
    </message>
    <message>
        <source>Warp</source>
        <translation>Deforma</translation>
    </message>
    <message>
        <source>Verschiebung</source>
        <translation>Spostamento</translation>
    </message>
    <message>
        <source>Einflussradius</source>
        <translation>Raggio d&apos;influenza</translation>
    </message>
    <message>
        <source>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</source>
        <translation>Area attorno al centro che viene spostata con esso (quota del lato più corto).</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0° nach rechts, 90° nach unten.</source>
        <translation>0° verso destra, 90° verso il basso.</translation>
    </message>
    <message>
        <source>Intensives Leuchten</source>
        <translation>Bagliore intenso</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 kann nicht geöffnet werden.</source>
        <translation>Impossibile aprire il file LUT %1.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</source>
        <translation>Il file LUT %1 contiene una riga con più di %2 caratteri.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</source>
        <translation>Il file LUT %1 contiene una parola con più di %2 caratteri.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</source>
        <translation>Il file LUT %1 richiede una tabella di %2 punti; ne sono consentiti al massimo %3.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist keine Datei.</source>
        <translation>Il file LUT %1 non è un file.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist größer als %2 MB.</source>
        <translation>Il file LUT %1 supera %2 MB.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>Impossibile leggere il file LUT %1: %2</translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Importa LUT</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten je Achse übernommen.</source>
        <translation>Acquisiti %1 punti per asse su %2.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Schärfen und Entrauschen</comment>
        <translation>N</translation>
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
        <translation>S</translation>
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
        <translation>Mostra maschera: mostra la selezione dopo l&apos;operatore scelto come immagine in grigio</translation>
    </message>
    <message>
        <source>Tetraedrisch interpolieren</source>
        <translation>Interpolazione tetraedrica</translation>
    </message>
    <message>
        <source>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</source>
        <translation>Interpola tra i punti della LUT da quattro vicini invece di otto</translation>
    </message>
    <message>
        <source>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</source>
        <translation>Queste impostazioni agiscono su pixel vicini o posizioni dell&apos;immagine e non sono contenute nella LUT: %1</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Salva la correzione come LUT</translation>
    </message>
    <message>
        <source>Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</source>
        <translation>Aggiungere la LUT alla libreria LUT (Sì) o salvarla come file (No)?</translation>
    </message>
    <message>
        <source>Der LUT wurde nicht geschrieben: %1</source>
        <translation>La LUT non è stata scritta: %1</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Mittelwert, Ausreißer betont</source>
        <translation>Media, valori anomali accentuati</translation>
    </message>
    <message>
        <source>Mittelwert, Mehrheit betont</source>
        <translation>Media, maggioranza accentuata</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Dispersione</translation>
    </message>
    <message>
        <source>Bewegungskarte</source>
        <translation>Mappa del movimento</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Mitte zwischen Minimum und Maximum</source>
        <translation>Punto medio tra minimo e massimo</translation>
    </message>
    <message>
        <source>Verblassende Spur</source>
        <translation>Scia che svanisce</translation>
    </message>
    <message>
        <source>Spitzheit der Verteilung</source>
        <translation>Curtosi della distribuzione</translation>
    </message>
    <message>
        <source>Beim Videoexport</source>
        <translation>All&apos;esportazione video</translation>
    </message>
    <message>
        <source>Überblendete Bilder</source>
        <translation>Fotogrammi fusi</translation>
    </message>
    <message>
        <source>Überblendung</source>
        <translation>Fusione</translation>
    </message>
    <message>
        <source>Vorher/Nachher</source>
        <translation>Prima/dopo</translation>
    </message>
    <message>
        <source>Hälfte</source>
        <translation>Metà</translation>
    </message>
    <message>
        <source>Mitte nebeneinander</source>
        <translation>Centri affiancati</translation>
    </message>
</context>
<context>
    <name>HDRPresetCombineWindow</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combina preset</translation>
    </message>
    <message>
        <source>Kombinieren ausführen</source>
        <translation>Combina</translation>
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
        <translation>Questo preset usa effetti che questa versione non conosce.</translation>
    </message>
    <message>
        <source>Klicken, um die Voreinstellung anzuwenden</source>
        <translation>Fai clic per applicare il preset</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Kopiert die Voreinstellung als eigene Voreinstellung</source>
        <translation>Copia il preset come preset personale</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Lädt die Voreinstellung wieder aus ihrer Datei</source>
        <translation>Ricarica il preset dal suo file</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Speichert die aktuelle Bearbeitung in diese Voreinstellung</source>
        <translation>Salva la correzione attuale in questo preset</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Gibt der Voreinstellung einen neuen Namen</source>
        <translation>Assegna un nuovo nome al preset</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Löscht die Voreinstellung</source>
        <translation>Elimina il preset</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach oben</source>
        <translation>Sposta il preset di un posto in su</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach unten</source>
        <translation>Sposta il preset di un posto in giù</translation>
    </message>
    <message>
        <source>Fehlende Effekte</source>
        <translation>Effetti mancanti</translation>
    </message>
</context>
<context>
    <name>HDRPresetsDockWidget</name>
    <message>
        <source>Voreinstellungen</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Zeigt nur Voreinstellungen mit diesem Stichwort</source>
        <translation>Mostra solo i preset con questa parola chiave</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Importa preset</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Esporta preset</translation>
    </message>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combina preset</translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation>Si è verificato un errore: registro o continua</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation>in calcolo</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Tempo trascorso: </translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation>Tempo rimanente stimato: </translation>
    </message>
    <message numerus="yes">
        <source>%n Tage</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Stunden</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minuten</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sekunden</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HDRScopesDockWidget</name>
    <message>
        <source>Scopes</source>
        <translation>Strumenti di misura</translation>
    </message>
</context>
<context>
    <name>HDRTimelineDockWidget</name>
    <message>
        <source>Timeline Window</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt einladen</source>
        <translation>Carica questo punto di annullamento</translation>
    </message>
    <message>
        <source>tooltip Timeline-Notiz editieren</source>
        <translation>Modifica la nota di questo punto</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt löschen</source>
        <translation>Elimina questo punto di annullamento</translation>
    </message>
    <message>
        <source>Notiz eintragen</source>
        <translation>Inserisci nota</translation>
    </message>
    <message>
        <source>Geben Sie eine Notiz ein:</source>
        <translation>Inserisci una nota:</translation>
    </message>
    <message>
        <source>Soll dieser Undo-Punkt wirklich gelöscht werden?</source>
        <translation>Eliminare davvero questo punto di annullamento?</translation>
    </message>
    <message>
        <source>Undo-Eintrag</source>
        <translation>voce di annullamento</translation>
    </message>
    <message>
        <source>Undo-Einträge</source>
        <translation>voci di annullamento</translation>
    </message>
    <message>
        <source>verfügbar</source>
        <translation>disponibili</translation>
    </message>
</context>
<context>
    <name>LayerModes</name>
    <message>
        <source>Blendmode Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen</source>
        <translation>Schiarisci</translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation>Scurisci</translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation>Moltiplica</translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation>Media geometrica</translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation>Intensifica</translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation>Negazione</translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation>Scolora</translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation>Esclusione</translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation>Rifletti</translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation>Luce soffusa</translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation>Sovrapponi</translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation>Colore scherma</translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation>Colore brucia</translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation>Brucia lineare</translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation>Luce lineare</translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation>Luce vivida</translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation>Luce puntiforme</translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation>Miscela netta</translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation>Bagliore</translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation>Calore</translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation>Congela</translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation>Somma cubica</translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation>Media quadratica</translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation>Riduci contrasto</translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation>Aumenta contrasto</translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation>Luce intensa (luminanza)</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation>Schiarisci (morbido)</translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation>Mezzitoni</translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation>Luci</translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation>Toni grigi</translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation>Toni colorati</translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation>Canale rosso</translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation>Canale verde</translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation>Canale blu</translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation>Canali verde e blu</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation>Canali rosso e blu</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation>Canali rosso e verde</translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation>Ombre profonde</translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation>Luci brillanti</translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation>Somma (limitata)</translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation>Somma (ombre)</translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation>Aggiungi differenza</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation>Tonalità HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation>Saturazione HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation>Colore HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation>Valore HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation>Media HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation>Scurisci HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation>Schiarisci HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation>Desatura HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation>Satura HSV</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation>Tonalità HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation>Saturazione HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation>Colore HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation>Luminosità HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation>Media HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation>Scurisci HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation>Schiarisci HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation>Desatura HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation>Satura HSL</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation>Stili LUT salvati: sceglierne uno per applicarlo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation>Libreria LUT</translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation>Aggiungi la LUT attuale alla libreria</translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation>Elimina la LUT scelta dalla libreria</translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation>Carica LUT</translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation>Carica una LUT da un file cube</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Salva LUT</translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation>Salva la LUT attuale come file cube</translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation>Crea la LUT dall&apos;immagine precedente della cartella</translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation>LUT da immagine</translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation>Crea la LUT dall&apos;immagine successiva della cartella</translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation>Tipo 1</translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation>Metodo 1: riprende la distribuzione tonale di ogni canale colore</translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation>Tipo 2</translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation>Metodo 2: riprende toni e tonalità</translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation>LUT con 17 punti per asse</translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation>LUT con 25 punti per asse</translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation>LUT con 32 punti per asse</translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation>LUT con 64 punti per asse</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Creazione anteprime: </translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Importa LUT</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Salva la correzione come LUT</translation>
    </message>
    <message>
        <source>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</source>
        <translation>Salva l&apos;effetto cromatico dell&apos;intera correzione come LUT della dimensione scelta</translation>
    </message>
</context>
<context>
    <name>PPPreset</name>
    <message>
        <source>Klarer Tag</source>
        <translation>Giornata limpida</translation>
    </message>
    <message>
        <source>Sanftes Licht</source>
        <translation>Luce delicata</translation>
    </message>
    <message>
        <source>Warmer Abend</source>
        <translation>Sera calda</translation>
    </message>
    <message>
        <source>Frische Farben</source>
        <translation>Colori freschi</translation>
    </message>
    <message>
        <source>Natürlicher Kontrast</source>
        <translation>Contrasto naturale</translation>
    </message>
    <message>
        <source>Helle Mitten</source>
        <translation>Mezzitoni chiari</translation>
    </message>
    <message>
        <source>Negativtraum</source>
        <translation>Sogno negativo</translation>
    </message>
    <message>
        <source>Traumleuchten</source>
        <translation>Bagliore di sogno</translation>
    </message>
    <message>
        <source>Fremde Welt</source>
        <translation>Mondo alieno</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarosso</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Blaue Umkehr</source>
        <translation>Inversione blu</translation>
    </message>
    <message>
        <source>Blauer Himmel</source>
        <translation>Cielo blu</translation>
    </message>
    <message>
        <source>Sattes Grün</source>
        <translation>Verde intenso</translation>
    </message>
    <message>
        <source>Herbstwald</source>
        <translation>Bosco autunnale</translation>
    </message>
    <message>
        <source>Nebelmorgen</source>
        <translation>Mattina nebbiosa</translation>
    </message>
    <message>
        <source>Dramatischer Himmel</source>
        <translation>Cielo drammatico</translation>
    </message>
    <message>
        <source>Wüstensonne</source>
        <translation>Sole del deserto</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Cemento</translation>
    </message>
    <message>
        <source>Glas und Stahl</source>
        <translation>Vetro e acciaio</translation>
    </message>
    <message>
        <source>Klare Linien</source>
        <translation>Linee nette</translation>
    </message>
    <message>
        <source>Altstadt</source>
        <translation>Centro storico</translation>
    </message>
    <message>
        <source>Nachtstadt</source>
        <translation>Città di notte</translation>
    </message>
    <message>
        <source>Warme Haut</source>
        <translation>Pelle calda</translation>
    </message>
    <message>
        <source>Weiche Haut</source>
        <translation>Pelle morbida</translation>
    </message>
    <message>
        <source>Portrait Schwarzweiß</source>
        <translation>Ritratto in bianco e nero</translation>
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
        <translation>Seppia classico</translation>
    </message>
    <message>
        <source>Filmkorn</source>
        <translation>Grana della pellicola</translation>
    </message>
    <message>
        <source>Kreuzentwicklung</source>
        <translation>Cross processing</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Pastello</translation>
    </message>
    <message>
        <source>Zweiton</source>
        <translation>Bicromia</translation>
    </message>
    <message>
        <source>Lochkamera</source>
        <translation>Foro stenopeico</translation>
    </message>
</context>
<context>
    <name>PPPresetCategory</name>
    <message>
        <source>SearchTag leer</source>
        <translation>Senza categoria</translation>
    </message>
    <message>
        <source>SearchTag Benutzer</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>user</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Naturale</translation>
    </message>
    <message>
        <source>surreal</source>
        <translation>Surreale</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Paesaggio</translation>
    </message>
    <message>
        <source>architecture</source>
        <translation>Architettura</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Ritratto</translation>
    </message>
    <message>
        <source>artistic</source>
        <translation>Artistico</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Weich</source>
        <translation>Morbido</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Caldo</translation>
    </message>
    <message>
        <source>Farbig</source>
        <translation>Colorato</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Kühl</source>
        <translation>Freddo</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>Retrò</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>Bianco e nero</translation>
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
        <translation>Mappatura dei toni</translation>
    </message>
    <message>
        <source>Undo-Daten bereinigen</source>
        <translation>Pulizia dei dati di annullamento</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Initialisiere System</source>
        <translation>Inizializzazione del sistema</translation>
    </message>
</context>
<context>
    <name>WindowsRegistryHelper</name>
    <message>
        <source>Vantrope Marlix Projektdatei</source>
        <translation>File di progetto Vantrope Marlix</translation>
    </message>
    <message>
        <source>Error in setting Registry values</source>
        <translation>Errore nell&apos;associazione dei file</translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation>Impossibile registrare l&apos;associazione dei file per &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
