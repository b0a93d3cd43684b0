<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="de_DE">
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HDRApplication</name>
    <message>
        <source>Betriebssystem</source>
        <translation>Операционная система</translation>
    </message>
</context>
<context>
    <name>HDRColorModuleWindow</name>
    <message>
        <source>Farbmodul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projektdateien werden von dieser Version nicht unterstützt:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückgängig-Schritte komprimiert speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec. 709</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec. 601</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gleich gewichtet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English US</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HDRPostProcessingDockWidget</name>
    <message>
        <source>LUT einstellbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT balance Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT protect Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expertenmodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bunt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>schmal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>breit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grob</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>schwach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>klein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>groß</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weniger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weißpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glätten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grün</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta-Grün</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gelb-Blau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lila</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scharf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form −</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Härte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>additiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Tage</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Stunden</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minuten</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sekunden</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HDRScopesDockWidget</name>
    <message>
        <source>Scopes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayerModes</name>
    <message>
        <source>Blendmode Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Aufhellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LutBrowserWindow</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Initialisiere System</source>
        <translation>Инициализация системы</translation>
    </message>
</context>
<context>
    <name>WindowsRegistryHelper</name>
    <message>
        <source>Vantrope Marlix Projektdatei</source>
        <translation>Файл проекта Vantrope Marlix</translation>
    </message>
    <message>
        <source>Error in setting Registry values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
