<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="de_DE">
<context>
    <name>CCliArguments</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>l&apos;option %1 attend une valeur</translation>
    </message>
    <message>
        <source>unerwartetes Argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>%1 braucht %2 (siehe vantrope-cli %1 --help)</source>
        <translation>%1 attend %2 (voir vantrope-cli %1 --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lässt sich nicht benennen: %2</source>
        <translation>impossible de nommer « %1 » : %2</translation>
    </message>
    <message>
        <source>Option --%1 fehlt</source>
        <translation>option --%1 manquante</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>valeur incorrecte pour --%1 : « %2 » (attendu : un nombre de 0 à 1)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</source>
        <translation>valeur incorrecte pour --%1 : « %2 » (attendu : un nombre entier de %3 à %4)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (%3)</source>
        <translation>valeur incorrecte pour --%1 : « %2 » (%3)</translation>
    </message>
    <message>
        <source>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</source>
        <translation>position incorrecte « %1 » (millisecondes, 0 ou plus)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</source>
        <translation>taille incorrecte « %1 » (attendu : WxH, de %2 à %3 chacune)</translation>
    </message>
</context>
<context>
    <name>CClipDecoder</name>
    <message>
        <source>Die Datei %1 enthält kein lesbares Video.</source>
        <translation>Le fichier %1 ne contient aucune vidéo lisible.</translation>
    </message>
    <message>
        <source>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</source>
        <translation>La vidéo a une taille d&apos;image non prise en charge (%1 × %2).</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für den Videodecoder.</source>
        <translation>Mémoire insuffisante pour le décodeur vidéo.</translation>
    </message>
    <message>
        <source>Das Videoformat von %1 kann nicht dekodiert werden.</source>
        <translation>Le format vidéo de %1 ne peut pas être décodé.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Kein Video geöffnet.</source>
        <translation>Aucune vidéo ouverte.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden.</source>
        <translation>Impossible de convertir l&apos;image.</translation>
    </message>
    <message>
        <source>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</source>
        <translation>Aucune image ne peut être lue à la position %1 : le fichier est endommagé ou incomplet.</translation>
    </message>
</context>
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation>Traitement vidéo</translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation>Voulez-vous vraiment annuler le traitement vidéo ?</translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation>Une erreur inattendue s&apos;est produite. Code : %1</translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation>Le programme %1 n&apos;a pas répondu à temps et a été arrêté.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>Impossible d&apos;écrire dans le dossier de destination.</translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation>Le disque du dossier de destination est plein.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation>Le format vidéo choisi produira un fichier très volumineux. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation>Traitement du fichier vidéo</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation>Traitement du fichier vidéo (son)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation>Traitement du fichier vidéo (conversion)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation>Traitement du fichier vidéo (finalisation)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation>Traitement du fichier vidéo (image)</translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation>Avec %2 octets, le fichier %1 est trop volumineux pour un préréglage (%3 au maximum).</translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation>Le fichier %1 contient %2 opérateurs ; un préréglage en a au plus %3.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation>Le fichier %1 n&apos;est pas un préréglage.</translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation>Il manque l&apos;entrée Kernel du groupe %2 dans le fichier %1.</translation>
    </message>
</context>
<context>
    <name>CPresetCombiner</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combiner des préréglages</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Saisissez un nom :</translation>
    </message>
</context>
<context>
    <name>CPresetLibrary</name>
    <message>
        <source>Critical error</source>
        <translation>Erreur critique</translation>
    </message>
    <message>
        <source>No post-processing presets found! Please reinstall...</source>
        <translation>Aucun préréglage de traitement trouvé ! Veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>Importierte Presets:</source>
        <translation>Préréglages importés :</translation>
    </message>
    <message>
        <source>Bereits vorhandene Presets:</source>
        <translation>Préréglages déjà présents :</translation>
    </message>
    <message>
        <source>Inkompatible Presets:</source>
        <translation>Préréglages incompatibles :</translation>
    </message>
    <message>
        <source>Fehlerhafte Presets:</source>
        <translation>Préréglages défectueux :</translation>
    </message>
    <message>
        <source>Zu Addons gehörende Presets:</source>
        <translation>Préréglages appartenant à des modules :</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Importer des préréglages</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
    <message>
        <source>Preset Import Messagetitle</source>
        <translation>Import de préréglages</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Exporter le préréglage</translation>
    </message>
    <message>
        <source>MyPreset</source>
        <translation>Mon préréglage</translation>
    </message>
    <message>
        <source>Voreinstellung kopieren</source>
        <translation>Copier le préréglage</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Saisissez un nom :</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Voreinstellung umbenennen</source>
        <translation>Renommer le préréglage</translation>
    </message>
    <message>
        <source>Vergeben sie einen neuen Namen:</source>
        <translation>Saisissez un nouveau nom :</translation>
    </message>
    <message>
        <source>Voreinstellung löschen?</source>
        <translation>Supprimer le préréglage ?</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</source>
        <translation>Voulez-vous vraiment supprimer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>Voreinstellung zurücksetzen</source>
        <translation>Réinitialiser le préréglage</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</source>
        <translation>Voulez-vous vraiment réinitialiser le préréglage « %1 » ?</translation>
    </message>
</context>
<context>
    <name>CPresetsDockModel</name>
    <message>
        <source>Alle</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Natürlich</source>
        <translation>Naturel</translation>
    </message>
    <message>
        <source>Surreal</source>
        <translation>Surréaliste</translation>
    </message>
    <message>
        <source>Landschaft</source>
        <translation>Paysage</translation>
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
        <translation>Artistique</translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation>Forme d&apos;onde (luma)</translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation>Parade RVB</translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation>Vectorscope</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation>Quel moniteur s&apos;affiche ici</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation>Gain </translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation>Luminosité des tracés : des valeurs élevées font aussi ressortir les valeurs rares</translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation>Hauteurs de l&apos;histogramme en échelle logarithmique au lieu de linéaire</translation>
    </message>
</context>
<context>
    <name>CVideoDockWidget</name>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Réglages vidéo</translation>
    </message>
    <message>
        <source>Das Quellvideo im Standardprogramm abspielen</source>
        <translation>Lire la vidéo source dans le lecteur par défaut</translation>
    </message>
    <message>
        <source>Das gespeicherte Video im Standardprogramm abspielen</source>
        <translation>Lire la vidéo enregistrée dans le lecteur par défaut</translation>
    </message>
    <message>
        <source>Den Ton des Quellvideos übernehmen</source>
        <translation>Reprendre le son de la vidéo source</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Die Metadaten des Quellvideos übernehmen</source>
        <translation>Reprendre les métadonnées de la vidéo source</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <translation>Métadonnées</translation>
    </message>
    <message>
        <source>Das Video waagerecht spiegeln</source>
        <translation>Retourner la vidéo horizontalement</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Das Video senkrecht spiegeln</source>
        <translation>Retourner la vidéo verticalement</translation>
    </message>
    <message>
        <source>Kippen</source>
        <translation>Basculer</translation>
    </message>
    <message>
        <source>Videoformat der gespeicherten Datei</source>
        <translation>Format vidéo du fichier enregistré</translation>
    </message>
    <message>
        <source>Qualität der gespeicherten Datei</source>
        <translation>Qualité du fichier enregistré</translation>
    </message>
    <message>
        <source>Kompressionsartefakte der Quelle mindern</source>
        <translation>Atténuer les artefacts de compression de la source</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Enregistrer toute la vidéo avec l&apos;étalonnage actuel</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Enregistrer la vidéo</translation>
    </message>
    <message>
        <source>Klicken oder ziehen wählt das Bild, das bearbeitet wird</source>
        <translation>Cliquez ou faites glisser pour choisir l&apos;image à retoucher</translation>
    </message>
    <message>
        <source>Mehr Vorschaubilder in der Zeitleiste zeigen</source>
        <translation>Afficher plus de vignettes dans la timeline</translation>
    </message>
    <message>
        <source>Zum Anfang (Pos1)</source>
        <translation>Au début (Origine)</translation>
    </message>
    <message>
        <source>Eine Sekunde zurück (Umschalt+Links)</source>
        <translation>Une seconde en arrière (Maj+Gauche)</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Links)</source>
        <translation>Une image en arrière (Gauche)</translation>
    </message>
    <message>
        <source>Zur Mitte</source>
        <translation>Au milieu</translation>
    </message>
    <message>
        <source>Ein Bild vor (Rechts)</source>
        <translation>Une image en avant (Droite)</translation>
    </message>
    <message>
        <source>Eine Sekunde vor (Umschalt+Rechts)</source>
        <translation>Une seconde en avant (Maj+Droite)</translation>
    </message>
    <message>
        <source>Zum Ende (Ende)</source>
        <translation>À la fin (Fin)</translation>
    </message>
    <message>
        <source>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</source>
        <translation>Temps (heures:minutes:secondes:images) et numéro de l&apos;image affichée</translation>
    </message>
    <message>
        <source>Wiedergabe anhalten (Leertaste, Esc)</source>
        <translation>Arrêter la lecture (Espace, Échap)</translation>
    </message>
    <message>
        <source>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</source>
        <translation>Lire la vidéo retouchée dans l&apos;aperçu (Espace)</translation>
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
        <translation>Non compressé (AVI)</translation>
    </message>
    <message>
        <source>Unkomprimiert (AVI)</source>
        <translation>Non compressé (AVI)</translation>
    </message>
    <message>
        <source>Video Quality Best</source>
        <translation>Qualité optimale</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Qualité optimale</translation>
    </message>
    <message>
        <source>Video Quality Better</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Video Quality Normal</source>
        <translation>Qualité normale</translation>
    </message>
    <message>
        <source>Normale Qualität</source>
        <translation>Qualité normale</translation>
    </message>
    <message>
        <source>Video Quality Low</source>
        <translation>Qualité faible</translation>
    </message>
    <message>
        <source>Geringe Qualität</source>
        <translation>Qualité faible</translation>
    </message>
    <message>
        <source>Video Quality Lowest</source>
        <translation>Qualité minimale</translation>
    </message>
    <message>
        <source>Geringste Qualität</source>
        <translation>Qualité minimale</translation>
    </message>
    <message>
        <source>Video Artefact Unchanged</source>
        <translation>Aucune réduction des artefacts</translation>
    </message>
    <message>
        <source>Keine Artefaktminderung</source>
        <translation>Aucune réduction des artefacts</translation>
    </message>
    <message>
        <source>Video Artefact Slight</source>
        <translation>Légère réduction des artefacts</translation>
    </message>
    <message>
        <source>Leichte Artefaktminderung</source>
        <translation>Légère réduction des artefacts</translation>
    </message>
    <message>
        <source>Video Artefact Strong</source>
        <translation>Forte réduction des artefacts</translation>
    </message>
    <message>
        <source>Starke Artefaktminderung</source>
        <translation>Forte réduction des artefacts</translation>
    </message>
    <message>
        <source>Video Artefact Intensive</source>
        <translation>Réduction intensive des artefacts</translation>
    </message>
    <message>
        <source>Intensive Artefaktminderung</source>
        <translation>Réduction intensive des artefacts</translation>
    </message>
    <message>
        <source>Video Artefact Maximal</source>
        <translation>Réduction maximale des artefacts</translation>
    </message>
    <message>
        <source>Maximale Artefaktminderung</source>
        <translation>Réduction maximale des artefacts</translation>
    </message>
    <message>
        <source>Auflösung: %1 x %2 px</source>
        <translation>Résolution : %1 x %2 px</translation>
    </message>
    <message>
        <source>Länge: %1  (%2 fps)</source>
        <translation>Durée : %1  (%2 i/s)</translation>
    </message>
    <message>
        <source>Länge: %1</source>
        <translation>Durée : %1</translation>
    </message>
    <message>
        <source>%1  (Bild %2)</source>
        <translation>%1  (image %2)</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Mémoire insuffisante pour l&apos;image.</translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation>Enregistrer la vidéo</translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation>Ma vidéo</translation>
    </message>
</context>
<context>
    <name>CliBench</name>
    <message>
        <source>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</source>
        <translation>taille incorrecte « %1 » (200 000 000 pixels au plus)</translation>
    </message>
    <message>
        <source>kein Benchmark genannt (siehe bench --list)</source>
        <translation>aucun banc d&apos;essai indiqué (voir bench --list)</translation>
    </message>
    <message>
        <source>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</source>
        <translation>banc d&apos;essai inconnu « %1 » (voir bench --list)</translation>
    </message>
    <message>
        <source>%1 ist nicht im Katalog</source>
        <translation>%1 ne figure pas dans le catalogue</translation>
    </message>
    <message>
        <source>ungültiges --bpp (1..16)</source>
        <translation>--bpp incorrect (1..16)</translation>
    </message>
    <message>
        <source>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</source>
        <translation>impossible de lire %1 octets de rgb48le dans « %2 »</translation>
    </message>
    <message>
        <source>ungültiges --reuse (0 oder 1)</source>
        <translation>--reuse incorrect (0 ou 1)</translation>
    </message>
    <message>
        <source>das Arbeitsbild kann nicht angelegt werden</source>
        <translation>impossible d&apos;allouer l&apos;image de travail</translation>
    </message>
    <message>
        <source>ein Preset mit %1 Operatoren kann nicht geschrieben werden</source>
        <translation>impossible d&apos;écrire un préréglage de %1 opérateurs</translation>
    </message>
    <message>
        <source>keine Verbesserungsoperatoren im Katalog</source>
        <translation>aucun opérateur d&apos;amélioration dans le catalogue</translation>
    </message>
    <message>
        <source>ungültiger --radius (min oder max)</source>
        <translation>--radius incorrect (min ou max)</translation>
    </message>
    <message>
        <source>unbekannter --operator &apos;%1&apos;</source>
        <translation>--operator inconnu « %1 »</translation>
    </message>
    <message>
        <source>ungültige --lut-size (2..64)</source>
        <translation>--lut-size incorrect (2..64)</translation>
    </message>
    <message>
        <source>--lut %1 kann nicht gelesen werden</source>
        <translation>impossible de lire --lut %1</translation>
    </message>
    <message>
        <source>aus --frame %2 lassen sich keine %1 Bytes lesen</source>
        <translation>impossible de lire %1 octets de --frame %2</translation>
    </message>
    <message>
        <source>ungültiges --interp (trilinear, tetrahedral)</source>
        <translation>--interp incorrect (trilinear, tetrahedral)</translation>
    </message>
    <message>
        <source>ungültige Größe für --scope (WxH, je %1 bis %2)</source>
        <translation>taille --scope incorrecte (WxH, de %1 à %2 chacune)</translation>
    </message>
    <message>
        <source>--kind muss waveform, parade, vectorscope oder histogram sein</source>
        <translation>--kind doit valoir waveform, parade, vectorscope ou histogram</translation>
    </message>
    <message>
        <source>der Katalog hat kein %1</source>
        <translation>le catalogue n&apos;a pas de %1</translation>
    </message>
    <message>
        <source>%1 hat keinen Satz %2</source>
        <translation>%1 n&apos;a pas de jeu %2</translation>
    </message>
    <message>
        <source>--lut-size muss 2 bis 64 sein</source>
        <translation>--lut-size doit être compris entre 2 et 64</translation>
    </message>
    <message>
        <source>die Vorschau konnte das Bild nicht bearbeiten</source>
        <translation>l&apos;aperçu n&apos;a pas pu étalonner l&apos;image</translation>
    </message>
    <message>
        <source>keine Presets neben dem Programm</source>
        <translation>aucun préréglage à côté du programme</translation>
    </message>
    <message>
        <source>--all nimmt 0 oder 1</source>
        <translation>--all accepte 0 ou 1</translation>
    </message>
    <message>
        <source>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</source>
        <translation>le catalogue n&apos;a pas le flou gaussien ou le masque de peau</translation>
    </message>
    <message>
        <source>braucht --clip DATEI</source>
        <translation>nécessite --clip FICHIER</translation>
    </message>
    <message>
        <source>read-pipe braucht --clip DATEI</source>
        <translation>read-pipe nécessite --clip FICHIER</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden</source>
        <translation>impossible d&apos;analyser « %1 »</translation>
    </message>
</context>
<context>
    <name>CliClip</name>
    <message>
        <source>Export abgebrochen; nichts wurde geschrieben</source>
        <translation>exportation interrompue ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</source>
        <translation>impossible d&apos;écrire « %1 » : le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</source>
        <translation>impossible d&apos;écrire « %1 » : c&apos;est le clip d&apos;entrée</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</source>
        <translation>%1 introuvable ou non exécutable à %2 (installez ffmpeg, ou faites pointer VANTROPE_FFMPEG_DIR vers un dossier qui le contient)</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</source>
        <translation>impossible de lire le clip « %1 » : fichier inexistant</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</source>
        <translation>impossible de lire le clip « %1 » : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</source>
        <translation>impossible de lire le clip « %1 » : accès refusé</translation>
    </message>
    <message>
        <source>kein temporärer Ordner: %1</source>
        <translation>aucun dossier temporaire : %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</source>
        <translation>« %1 » est vide (0 octet), ce n&apos;est pas un clip vidéo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</source>
        <translation>impossible d&apos;analyser « %1 » : ce n&apos;est pas un fichier multimédia que ffprobe comprend (endommagé, tronqué ou d&apos;un autre type)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</source>
        <translation>« %1 » ne contient aucun flux vidéo, seulement %2 flux audio</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream</source>
        <translation>« %1 » ne contient aucun flux vidéo</translation>
    </message>
    <message>
        <source>%1 hat nicht rechtzeitig geantwortet und wurde beendet</source>
        <translation>%1 n&apos;a pas répondu à temps et a été arrêté</translation>
    </message>
</context>
<context>
    <name>CliFrame</name>
    <message>
        <source>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</source>
        <translation>« %1 » : --frame écrit des fichiers .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm ou .tif32</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht dekodiert werden: %2</source>
        <translation>impossible de décoder « %1 » : %2</translation>
    </message>
    <message>
        <source>kein Bild %1 in &apos;%2&apos;: %3</source>
        <translation>pas d&apos;image %1 dans « %2 » : %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</source>
        <translation>« %1 » n&apos;a pas d&apos;image %2 (sa dernière est l&apos;image %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>entweder --at oder --frame angeben</source>
        <translation>indiquez soit --at, soit --frame</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</source>
        <translation>« %1 » n&apos;a pas d&apos;extension indiquant un format d&apos;image</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</source>
        <translation>aucune image n&apos;a pu être extraite à %1 ms de « %2 »</translation>
    </message>
</context>
<context>
    <name>CliGrade</name>
    <message>
        <source>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</source>
        <translation>le préréglage « %1 » utilise des opérateurs absents de cette version : %2</translation>
    </message>
    <message>
        <source>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</source>
        <translation>opérateur inconnu « %1 » (voir vantrope-cli operators)</translation>
    </message>
    <message>
        <source>--set braucht ein --operator davor</source>
        <translation>--set doit être précédé d&apos;un --operator</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</source>
        <translation>--set incorrect « %1 » (INDEX=V0,V1,... avec INDEX un jeu de %2, de 0 à %3)</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</source>
        <translation>--set incorrect « %1 » : « %2 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</source>
        <translation>--set incorrect « %1 » : le jeu %2 de %3 contient %4 valeurs</translation>
    </message>
    <message>
        <source>--%1 braucht --film-type</source>
        <translation>--%1 nécessite --film-type</translation>
    </message>
    <message>
        <source>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</source>
        <translation>type de film inconnu « %1 » (connus : %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</source>
        <translation>valeur incorrecte pour --blend : « %1 » (IMAGES:MODE, images 1, 2, 3 ou 5, mode 1 à 11)</translation>
    </message>
    <message>
        <source>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</source>
        <translation>--%1 est réservé aux clips (une sortie se terminant par .mp4 ou .avi)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>impossible d&apos;écrire « %1 » : extension d&apos;image inconnue</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossible de lire l&apos;image « %1 » : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</source>
        <translation>impossible d&apos;étalonner « %1 » : mémoire insuffisante</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire l&apos;image « %1 » : %2</translation>
    </message>
    <message>
        <source>grade braucht EIN AUS (siehe vantrope-cli grade --help)</source>
        <translation>grade attend ENTRÉE SORTIE (voir vantrope-cli grade --help)</translation>
    </message>
    <message>
        <source>die Korrektur kann nicht gebacken werden: nicht genug Speicher</source>
        <translation>impossible de cuire l&apos;étalonnage : mémoire insuffisante</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
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
        <translation>Utilisation : vantrope-cli %1</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>der Benchmark (siehe --list)</source>
        <translation>le banc d&apos;essai (voir --list)</translation>
    </message>
    <message>
        <source>listet die Benchmarks</source>
        <translation>liste les bancs d&apos;essai</translation>
    </message>
    <message>
        <source>die Bildgröße (Vorgabe 1920x1080)</source>
        <translation>la taille d&apos;image (1920x1080 par défaut)</translation>
    </message>
    <message>
        <source>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</source>
        <translation>passes chronométrées après deux passes de préchauffage (20 par défaut)</translation>
    </message>
    <message>
        <source>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</source>
        <translation>threads de travail, de 1 à 64 (par défaut : ceux de la machine)</translation>
    </message>
    <message>
        <source>LUT-Punkte je Achse</source>
        <translation>points de LUT par axe</translation>
    </message>
    <message>
        <source>DATEI.cube</source>
        <translation>FICHIER.cube</translation>
    </message>
    <message>
        <source>eine LUT statt einer erfundenen</source>
        <translation>une LUT au lieu d&apos;une LUT inventée</translation>
    </message>
    <message>
        <source>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</source>
        <translation>une image en RVB 16 bits compacté au lieu d&apos;une image inventée</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>der zu lesende Clip</source>
        <translation>le clip à lire</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT</source>
        <translation>le mode de fusion de la LUT</translation>
    </message>
    <message>
        <source>misst die Referenz-Zeilenfunktion</source>
        <translation>chronomètre la fonction de ligne de référence</translation>
    </message>
    <message>
        <source>das Nachschlagen der LUT zwischen ihren Punkten</source>
        <translation>la lecture de la LUT entre ses points</translation>
    </message>
    <message>
        <source>die Tabellen der Engine zwischen Durchläufen behalten</source>
        <translation>conserver les tables du moteur entre les passes</translation>
    </message>
    <message>
        <source>kopierte Bytes je Pixel</source>
        <translation>octets copiés par pixel</translation>
    </message>
    <message>
        <source>PIXEL</source>
        <translation>PIXELS</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau</source>
        <translation>le grand côté de l&apos;aperçu</translation>
    </message>
    <message>
        <source>die Zeitmesszeilen der Engine</source>
        <translation>les lignes de chronométrage du moteur</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes</source>
        <translation>la taille de l&apos;image du moniteur</translation>
    </message>
    <message>
        <source>nur dieses Scope</source>
        <translation>seulement ce moniteur</translation>
    </message>
    <message>
        <source>nach dem Scrubben gemessene Schritte zum nächsten Bild</source>
        <translation>pas vers l&apos;image suivante chronométrés après le défilement</translation>
    </message>
    <message>
        <source>Sekunden Wiedergabe</source>
        <translation>secondes de lecture</translation>
    </message>
    <message>
        <source>jeder Operator der Familie</source>
        <translation>chaque opérateur de la famille</translation>
    </message>
    <message>
        <source>nur dieser Operator, mit den Vorgaben des Katalogs</source>
        <translation>cet opérateur seul, avec les valeurs par défaut du catalogue</translation>
    </message>
    <message>
        <source>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</source>
        <translation>les opérateurs locaux à leur plus petit ou plus grand rayon</translation>
    </message>
    <message>
        <source>Operatorgruppen im Preset, das preset-load liest</source>
        <translation>groupes d&apos;opérateurs dans le préréglage que lit preset-load</translation>
    </message>
    <message>
        <source>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</source>
        <translation>exécute un banc d&apos;essai nommé après préchauffage et affiche sa ligne de temps</translation>
    </message>
    <message>
        <source>der Clip</source>
        <translation>le clip</translation>
    </message>
    <message>
        <source>die Position des Bildes in Millisekunden</source>
        <translation>la position de l&apos;image en millisecondes</translation>
    </message>
    <message>
        <source>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</source>
        <translation>la N-ième image (en comptant à partir de 0), décodée dans le programme ; écrite dans un format d&apos;image fixe</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung nennt das Format</source>
        <translation>l&apos;image à écrire ; son extension indique le format</translation>
    </message>
    <message>
        <source>das Bild auf diese Größe skaliert</source>
        <translation>l&apos;image mise à cette taille</translation>
    </message>
    <message>
        <source>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</source>
        <translation>une image d&apos;un clip dans un fichier image, extraite comme le fait le panneau vidéo</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>ENTRÉE</translation>
    </message>
    <message>
        <source>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</source>
        <translation>une image fixe, ou un clip si SORTIE en est un (avec --project : la sortie)</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</source>
        <translation>l&apos;image à écrire (son extension choisit le format), ou un clip se terminant par .mp4 ou .avi</translation>
    </message>
    <message>
        <source>NAME|DATEI.ini</source>
        <translation>NOM|FICHIER.ini</translation>
    </message>
    <message>
        <source>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</source>
        <translation>la chaîne d&apos;opérateurs d&apos;un préréglage : le nom affiché ou le nom de fichier d&apos;un préréglage fourni ou de l&apos;utilisateur, ou un fichier de préréglage (voir presets)</translation>
    </message>
    <message>
        <source>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</source>
        <translation>ajoute un opérateur avec les valeurs par défaut du catalogue (répétable, dans l&apos;ordre ; voir operators)</translation>
    </message>
    <message>
        <source>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</source>
        <translation>remplace les premières valeurs d&apos;un jeu du --operator qui le précède (répétable)</translation>
    </message>
    <message>
        <source>DATEI.cml</source>
        <translation>FICHIER.cml</translation>
    </message>
    <message>
        <source>Farbebenen des Farbfensters, vor der Kette angewandt</source>
        <translation>calques de couleur de la fenêtre des couleurs, appliqués avant la chaîne</translation>
    </message>
    <message>
        <source>DATEI.vantropeProject</source>
        <translation>FICHIER.vantropeProject</translation>
    </message>
    <message>
        <source>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</source>
        <translation>étalonne l&apos;image fixe ou le clip du projet avec son étalonnage enregistré (alors SORTIE seulement)</translation>
    </message>
    <message>
        <source>ein Filmtyp aus filmtypes_vantrope.xml</source>
        <translation>un type de film de filmtypes_vantrope.xml</translation>
    </message>
    <message>
        <source>seine Stärke von 0 bis 1 (Vorgabe 1)</source>
        <translation>son intensité de 0 à 1 (1 par défaut)</translation>
    </message>
    <message>
        <source>seine Körnung von 0 bis 1 (Vorgabe 0)</source>
        <translation>son grain de 0 à 1 (0 par défaut)</translation>
    </message>
    <message>
        <source>vor oder nach der Kette (Vorgabe post)</source>
        <translation>avant ou après la chaîne (post par défaut)</translation>
    </message>
    <message>
        <source>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</source>
        <translation>0 : H.264 dans .mp4 ; 1 : RGBA non compressé dans .avi</translation>
    </message>
    <message>
        <source>die Qualität des Encoders (Vorgabe normal)</source>
        <translation>la qualité de l&apos;encodeur (normal par défaut)</translation>
    </message>
    <message>
        <source>Artefaktminderung</source>
        <translation>réduction des artefacts</translation>
    </message>
    <message>
        <source>lässt die Tonspuren weg</source>
        <translation>omet les pistes audio</translation>
    </message>
    <message>
        <source>lässt die Metadaten der Quelle weg</source>
        <translation>omet les métadonnées de la source</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von links nach rechts</source>
        <translation>retourne chaque image de gauche à droite</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von oben nach unten</source>
        <translation>retourne chaque image de haut en bas</translation>
    </message>
    <message>
        <source>BILDER:MODUS</source>
        <translation>IMAGES:MODE</translation>
    </message>
    <message>
        <source>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</source>
        <translation>fusion d&apos;images sur 1, 2, 3 ou 5 images, mode 1 à 11</translation>
    </message>
    <message>
        <source>unbearbeitet und bearbeitet nebeneinander</source>
        <translation>non étalonné et étalonné côte à côte</translation>
    </message>
    <message>
        <source>die Bildgröße der Ausgabe</source>
        <translation>la taille d&apos;image exportée</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64</source>
        <translation>points par axe, de 2 à 64</translation>
    </message>
    <message>
        <source>die zu schreibende Cube-Datei</source>
        <translation>le fichier cube à écrire</translation>
    </message>
    <message>
        <source>der Titel der LUT (Vorgabe: der Grundname der Datei)</source>
        <translation>le titre de la LUT (par défaut : le nom de base du fichier)</translation>
    </message>
    <message>
        <source>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</source>
        <translation>étalonne une image fixe en pleine taille, ou exporte un clip entier avec le même étalonnage (sortie 0 terminé, 2 échec, 3 interrompu)</translation>
    </message>
    <message>
        <source>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</source>
        <translation>cuit la partie couleur d&apos;un étalonnage (calques, opérateurs de couleur, type de film, LUT) dans un fichier cube ; les opérateurs qui regardent les voisins ou les positions sont omis et nommés</translation>
    </message>
    <message>
        <source>der Titel der LUT</source>
        <translation>le titre de la LUT</translation>
    </message>
    <message>
        <source>QUELLE</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</source>
        <translation>le fichier LUT de départ (un fichier cube ou tout fichier que lit lut import)</translation>
    </message>
    <message>
        <source>ZIEL.cube</source>
        <translation>CIBLE.cube</translation>
    </message>
    <message>
        <source>das zu bearbeitende Standbild</source>
        <translation>l&apos;image fixe à étalonner</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung wählt das Format</source>
        <translation>l&apos;image à écrire ; son extension choisit le format</translation>
    </message>
    <message>
        <source>das Referenzbild</source>
        <translation>l&apos;image de référence</translation>
    </message>
    <message>
        <source>Punkte je Achse (Vorgabe 17)</source>
        <translation>points par axe (17 par défaut)</translation>
    </message>
    <message>
        <source>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</source>
        <translation>1 : courbes de tonalité par canal ; 2 : tire en plus vers le gris les teintes que la référence contient à peine (par défaut)</translation>
    </message>
    <message>
        <source>FREMD</source>
        <translation>EXTERNE</translation>
    </message>
    <message>
        <source>eine LUT-Datei in jedem Format, das der Import liest</source>
        <translation>un fichier LUT dans tout format que lit l&apos;importation</translation>
    </message>
    <message>
        <source>EIGENE.cube</source>
        <translation>NOTRE.cube</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</source>
        <translation>points par axe, de 2 à 64 (par défaut : la taille 3D propre du fichier jusqu&apos;à 64, 33 s&apos;il n&apos;en a pas)</translation>
    </message>
    <message>
        <source>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</source>
        <translation>écrit le fichier LUT (un fichier cube ou tout fichier que lit lut import), cuit avec les curseurs par défaut, dans la bibliothèque sous --name</translation>
    </message>
    <message>
        <source>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</source>
        <translation>le nom de l&apos;entrée (sans &apos;/&apos;, ni &apos;.&apos; ni &apos;..&apos;, non vide)</translation>
    </message>
    <message>
        <source>löscht den Eintrag dieses Namens</source>
        <translation>supprime l&apos;entrée de ce nom</translation>
    </message>
    <message>
        <source>ein Bild</source>
        <translation>une image</translation>
    </message>
    <message>
        <source>das Bild, mit dem es verglichen wird</source>
        <translation>l&apos;image avec laquelle la comparer</translation>
    </message>
    <message>
        <source>das zu ändernde Bild</source>
        <translation>l&apos;image à modifier</translation>
    </message>
    <message>
        <source>das Bild, dessen Histogramme es übernimmt</source>
        <translation>l&apos;image dont il reprend les histogrammes</translation>
    </message>
    <message>
        <source>das zu schreibende Bild</source>
        <translation>l&apos;image à écrire</translation>
    </message>
    <message>
        <source>schreibt eine Identitäts-LUT</source>
        <translation>écrit une LUT identité</translation>
    </message>
    <message>
        <source>backt Reglerstellungen in eine Cube-Datei</source>
        <translation>cuit les positions des curseurs dans un fichier cube</translation>
    </message>
    <message>
        <source>wendet eine LUT auf ein Standbild an</source>
        <translation>applique une LUT à une image fixe</translation>
    </message>
    <message>
        <source>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</source>
        <translation>dérive une LUT d&apos;une image de référence (mise à l&apos;échelle 1000 x 1000 comme dans le panneau LUT)</translation>
    </message>
    <message>
        <source>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</source>
        <translation>échantillonne un fichier LUT d&apos;un autre programme (.cube avec domaine ou shaper, .3dl, .csp, .spi3d, .clf, ...) dans un fichier cube</translation>
    </message>
    <message>
        <source>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</source>
        <translation>modifie la bibliothèque de LUT dans ~/ProjectData/Lut/, puis liste ses entrées dans l&apos;ordre du panneau</translation>
    </message>
    <message>
        <source>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</source>
        <translation>distance du cantonnier (earth mover) entre les histogrammes de deux images, par canal, en niveaux 8 bits</translation>
    </message>
    <message>
        <source>einfache Histogrammangleichung je Kanal von EIN an REF</source>
        <translation>simple égalisation d&apos;histogramme par canal de ENTRÉE sur REF</translation>
    </message>
    <message>
        <source>jeder Katalogeintrag: Kernel, Typ, Anzeigename</source>
        <translation>chaque entrée du catalogue : noyau, type, nom affiché</translation>
    </message>
    <message>
        <source>das zu bearbeitende Bild (ein Standbild)</source>
        <translation>l&apos;image à étalonner (une image fixe)</translation>
    </message>
    <message>
        <source>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</source>
        <translation>la planche contact à écrire (son extension choisit le format)</translation>
    </message>
    <message>
        <source>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</source>
        <translation>chaque préréglage affiché par le panneau des préréglages : fichier, catégorie, nom affiché, ok ou broken</translation>
    </message>
    <message>
        <source>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</source>
        <translation>une image étalonnée par chaque préréglage, en grille de vignettes légendées</translation>
    </message>
    <message>
        <source>der zu untersuchende Clip</source>
        <translation>le clip à analyser</translation>
    </message>
    <message>
        <source>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</source>
        <translation>les caractéristiques du clip, un « key: value » par ligne</translation>
    </message>
    <message>
        <source>STANDBILD</source>
        <translation>IMAGE</translation>
    </message>
    <message>
        <source>das Standbild, das das Projekt bearbeitet</source>
        <translation>l&apos;image fixe que le projet étalonne</translation>
    </message>
    <message>
        <source>der Clip, den das Projekt bearbeitet</source>
        <translation>le clip que le projet étalonne</translation>
    </message>
    <message>
        <source>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</source>
        <translation>le projet à écrire (« .vantropeProject » est ajouté s&apos;il ne se termine pas ainsi ; le dossier de données est placé à côté)</translation>
    </message>
    <message>
        <source>eine Projektdatei</source>
        <translation>un fichier de projet</translation>
    </message>
    <message>
        <source>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</source>
        <translation>écrit un projet d&apos;une image fixe ou d&apos;un clip avec l&apos;étalonnage des options, comme la fenêtre l&apos;enregistre</translation>
    </message>
    <message>
        <source>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</source>
        <translation>affiche les clés principales d&apos;un projet et le contenu de ses composants</translation>
    </message>
    <message>
        <source>ein Standbild oder ein Clip</source>
        <translation>une image fixe ou un clip</translation>
    </message>
    <message>
        <source>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</source>
        <translation>l&apos;image du moniteur (.png, .tiff, … ; 16 bits la contiennent exactement)</translation>
    </message>
    <message>
        <source>welches Scope</source>
        <translation>quel moniteur</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes (Vorgabe 640x360)</source>
        <translation>la taille de l&apos;image du moniteur (640x360 par défaut)</translation>
    </message>
    <message>
        <source>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</source>
        <translation>l&apos;image d&apos;un clip à cette position (par défaut : sa première image)</translation>
    </message>
    <message>
        <source>hellt die Spuren auf, 0.1 bis 10</source>
        <translation>éclaircit les tracés, de 0.1 à 10</translation>
    </message>
    <message>
        <source>ein Histogramm mit logarithmischer Höhe</source>
        <translation>un histogramme de hauteur logarithmique</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</source>
        <translation>le grand côté de l&apos;aperçu en pixels (par défaut comme dans la fenêtre)</translation>
    </message>
    <message>
        <source>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</source>
        <translation>l&apos;image que le panneau « Moniteurs » affiche pour une image fixe ou une image de clip</translation>
    </message>
    <message>
        <source>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</source>
        <translation>une LUT 3D (un fichier cube ou tout fichier que lit lut import), appliquée en dernier</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>NOM=VALEUR</translation>
    </message>
    <message>
        <source>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</source>
        <translation>un curseur de la LUT de 0 à 1 (répétable) : intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</source>
        <translation>le mode de fusion de la LUT (0-47, 50-58, 60-68 ; 0 normal)</translation>
    </message>
    <message>
        <source>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</source>
        <translation>comment la LUT est lue entre ses points (trilinear par défaut)</translation>
    </message>
    <message>
        <source>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</source>
        <translation>Vantrope %1 — étalonnage des couleurs de clips vidéo et LUT 3D (ligne de commande)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</source>
        <translation>Utilisation : vantrope-cli COMMANDE [options] ARGUMENTS
              vantrope-cli COMMANDE --help | --help | --version</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos; (siehe --help)</source>
        <translation>commande inconnue « %1 » (voir --help)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</source>
        <translation>Utilisation : vantrope-cli %1 SOUS-COMMANDE [options] ARGUMENTS</translation>
    </message>
    <message>
        <source>%1 braucht einen dieser Unterbefehle: %2</source>
        <translation>%1 attend l&apos;une de ces sous-commandes : %2</translation>
    </message>
</context>
<context>
    <name>CliLut</name>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossible de lire l&apos;image « %1 » : %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire l&apos;image « %1 » : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>impossible d&apos;écrire « %1 » : extension d&apos;image inconnue</translation>
    </message>
    <message>
        <source>library nimmt entweder --add oder --remove</source>
        <translation>library accepte soit --add, soit --remove</translation>
    </message>
    <message>
        <source>--add DATEI und --name NAME gehören zusammen</source>
        <translation>--add FICHIER et --name NOM vont ensemble</translation>
    </message>
    <message>
        <source>ungültiger Name &apos;%1&apos;: %2</source>
        <translation>nom incorrect « %1 » : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</source>
        <translation>impossible d&apos;ajouter « %1 » à %2 : %3</translation>
    </message>
    <message>
        <source>kein Bibliothekseintrag &apos;%1&apos; in %2</source>
        <translation>aucune entrée de bibliothèque « %1 » dans %2</translation>
    </message>
</context>
<context>
    <name>CliLutOptions</name>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</source>
        <translation>impossible de lire la LUT « %1 » : ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossible de lire la LUT « %1 » : %2</translation>
    </message>
    <message>
        <source>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</source>
        <translation>paramètre de LUT incorrect « %1 » (attendu : NOM=VALEUR, NOM parmi %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>valeur incorrecte dans « %1 » (attendu : un nombre de 0 à 1)</translation>
    </message>
    <message>
        <source>--lut-param, --lut-mode und --interp brauchen --lut</source>
        <translation>--lut-param, --lut-mode et --interp nécessitent --lut</translation>
    </message>
    <message>
        <source>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</source>
        <translation>mode de fusion incorrect « %1 » (0-47, 50-58, 60-68)</translation>
    </message>
</context>
<context>
    <name>CliOperators</name>
    <message>
        <source>der Operatorkatalog konnte nicht gelesen werden</source>
        <translation>le catalogue des opérateurs n&apos;a pas pu être lu</translation>
    </message>
</context>
<context>
    <name>CliPresets</name>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>la planche contact de « %1 » n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Bilder %1/%2</source>
        <translation>images %1/%2</translation>
    </message>
    <message>
        <source>Bilder %1</source>
        <translation>images %1</translation>
    </message>
    <message>
        <source>Rest %1</source>
        <translation>reste %1</translation>
    </message>
</context>
<context>
    <name>CliProject</name>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</source>
        <translation>impossible de lire le projet « %1 » : le fichier de projet ou son dossier de données manque</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</source>
        <translation>impossible de lire le projet « %1 » : écrit par une version plus récente</translation>
    </message>
    <message>
        <source>project save braucht entweder --image STANDBILD oder --clip CLIP</source>
        <translation>project save attend --image IMAGE ou --clip CLIP</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</source>
        <translation>impossible d&apos;écrire « %1 » : les projets d&apos;exemple ne sont pas écrasés</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossible de lire l&apos;image « %1 » : %2</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</source>
        <translation>impossible d&apos;écrire le projet « %1 » : %2 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</source>
        <translation>grade --project n&apos;accepte que SORTIE : le projet désigne son image fixe ou son clip</translation>
    </message>
    <message>
        <source>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</source>
        <translation>--%1 ne peut pas être combiné avec --project : le projet contient l&apos;étalonnage</translation>
    </message>
    <message>
        <source>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</source>
        <translation>le projet contient un clip : la sortie doit se terminer par .mp4 ou .avi</translation>
    </message>
    <message>
        <source>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</source>
        <translation>le projet « %1 » ne contient ni image ni clip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</source>
        <translation>impossible d&apos;écrire « %1 » : le projet contient une image fixe</translation>
    </message>
</context>
<context>
    <name>CliScope</name>
    <message>
        <source>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</source>
        <translation>moniteur inconnu « %1 » (waveform, parade, vectorscope, histogram)</translation>
    </message>
    <message>
        <source>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</source>
        <translation>gain incorrect « %1 » (de %2 à %3)</translation>
    </message>
    <message>
        <source>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</source>
        <translation>taille d&apos;aperçu incorrecte « %1 » (grand côté, de %2 à %3 pixels)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</source>
        <translation>« %1 » ne se termine pas par l&apos;extension d&apos;un format d&apos;image (.png, .tiff, …)</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</source>
        <translation>aucune image n&apos;a pu être lue à %1 ms de « %2 »</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</source>
        <translation>aucune image n&apos;a pu être lue à %1 ms de « %2 » : %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>l&apos;aperçu de « %1 » n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</source>
        <translation>utilisation : scope ENTRÉE SORTIE --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation>Supprimer le calque</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation>Voulez-vous vraiment supprimer ce calque ?</translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation>Copier le calque</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation>Voulez-vous vraiment remplacer ce calque par les données copiées ?</translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation>Copier la couleur source</translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation>Voulez-vous vraiment copier la couleur source vers la cible ?</translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation>Réinitialiser les réglages de couleur</translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation>Voulez-vous vraiment réinitialiser les réglages de couleur ?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation>Avec %2 octets, le fichier %1 est trop volumineux pour un fichier de calques (%3 au maximum).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de calques de version 1.</translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation>Enregistrer les calques</translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation>Mes calques</translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation>Charger les calques</translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation>Voulez-vous vraiment écraser les calques existants ?</translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation>Charger des calques</translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation>Calques (*.%1)</translation>
    </message>
</context>
<context>
    <name>HDRApplication</name>
    <message>
        <source>Betriebssystem</source>
        <translation>Système d&apos;exploitation</translation>
    </message>
</context>
<context>
    <name>HDRColorModuleWindow</name>
    <message>
        <source>Farbmodul</source>
        <translation>Module couleur</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Runter</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Calque</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation>Prélever la couleur source dans l&apos;image</translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation>Teinte de</translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation>Teinte à</translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation>Saturation de</translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation>Saturation à</translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation>Luminosité minimale</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Douceur</translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation>Prélever la couleur cible dans l&apos;image</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation>Contraste de saturation</translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation>Contraste de luminosité</translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation>Couleur source vers la cible</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation>Afficher le masque</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation>Couleurs sélectionnables</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Calque %1</translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation>Aucune image chargée</translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation>Aucun masque</translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation>Projet enregistré automatiquement</translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation>Un projet enregistré automatiquement a été trouvé. Voulez-vous le charger ?</translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation>Charger une vidéo</translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation>Ouvrir un fichier vidéo</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation>Ouvrir une image unique</translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation>Enregistrer l&apos;image finale</translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation>Enregistrer l&apos;image retouchée dans un fichier</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Enregistrer la vidéo</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Enregistrer toute la vidéo avec l&apos;étalonnage actuel</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>Paramètres du programme</translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation>Module couleur</translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation>Modifier les calques de couleur</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation>Veuillez ne charger qu&apos;un seul fichier vidéo.</translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation>Module complémentaire</translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation>Les modules complémentaires ne sont pas pris en charge par cette version.</translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation>Veuillez charger uniquement des fichiers vidéo.</translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation>L&apos;image ou la trame vidéo chargée avec sa taille</translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation>Série d&apos;expositions</translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation>Histogramme de l&apos;image retouchée : rouge, vert, bleu et luminance</translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation>Histogramme HDR</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation>Ouvrez une vidéo ou une image, ou faites glisser un fichier vidéo dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation>Placez la souris sur une commande pour lire sa description ici.</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation>Afficher l&apos;image non retouchée</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation>À gauche l&apos;image non retouchée, à droite l&apos;image retouchée</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation>Un pixel d&apos;image par pixel d&apos;écran (faire glisser pour déplacer) ; désactivé : ajuster</translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation>Aperçu de l&apos;image retouchée</translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation>Impossible de charger de nouvelles images en mode plug-in de filtre.</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Charger un projet</translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation>Ouvrir un fichier vidéo</translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation>Le fichier ne contient aucune vidéo lisible.</translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation>Aucune image n&apos;a pu être lue dans la vidéo.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Mémoire insuffisante pour l&apos;image.</translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation>Impossible de charger la vidéo %1.
%2</translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation>Vidéo chargée : %1</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation>Impossible de charger l&apos;image %1.
%2</translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation>Impossible de lire le fichier d&apos;échange %1.</translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation>Développement RAW</translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation>Le développement RAW n&apos;est pas inclus dans cette version.</translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation>Mon image</translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation>Mode aperçu ! Recalculer ?</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation>Préparation de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image :
%1
%2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation>Vidéo enregistrée : %1</translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation>Le traitement vidéo a été annulé.</translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation>Impossible d&apos;enregistrer la vidéo.</translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation>Calcul du traitement</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Enregistrer le projet sous</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Projekte</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>Beispielprojekte</source>
        <translation>Projets d&apos;exemple</translation>
    </message>
    <message>
        <source>Beispielprojekt %1</source>
        <translation>Projet d&apos;exemple %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo-Punkt speichern</source>
        <translation>Enregistrer un point d&apos;annulation</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Keine Projekte</source>
        <translation>Aucun projet</translation>
    </message>
    <message>
        <source>MyProject</source>
        <translation>Mon projet</translation>
    </message>
    <message>
        <source>Vantrope-Marlix Projektdatei</source>
        <translation>Fichier de projet Vantrope Marlix</translation>
    </message>
    <message>
        <source>Projekt überschreiben nicht nöglich</source>
        <translation>Impossible d&apos;écraser le projet</translation>
    </message>
    <message>
        <source>Beispielprojekte können nicht überschrieben werden.</source>
        <translation>Les projets d&apos;exemple ne peuvent pas être écrasés.</translation>
    </message>
    <message>
        <source>Dateifehler: %1 konnte nicht erstellt werden</source>
        <translation>Erreur de fichier : impossible de créer %1</translation>
    </message>
    <message>
        <source>Projektdateien unvollständig.</source>
        <translation>Fichiers de projet incomplets.</translation>
    </message>
    <message>
        <source>Projektdateien sind nicht kompatibel.</source>
        <translation>Les fichiers de projet ne sont pas compatibles.</translation>
    </message>
    <message>
        <source>Projekt nicht gespeichert. Speichern?</source>
        <translation>Projet non enregistré. L&apos;enregistrer ?</translation>
    </message>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Réglages vidéo</translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation>Demander confirmation avant les actions qui modifient</translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation>Afficher la fenêtre de progression</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation>Dernier dossier utilisé</translation>
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
        <translation>Pondération égale</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation>Dossier par défaut fixe</translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation>Pondération de la luminance</translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation>Grand côté de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>English GB</source>
        <translation>Anglais (Royaume-Uni)</translation>
    </message>
    <message>
        <source>English US</source>
        <translation>Anglais (États-Unis)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Undo-Punkte mit dem Projekt speichern</source>
        <translation>Enregistrer les points d&apos;annulation avec le projet</translation>
    </message>
</context>
<context>
    <name>HDRPostProcessingDockWidget</name>
    <message>
        <source>LUT einstellbar</source>
        <translation>LUT ajustable</translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation>Le nom est vide.</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation>Le nom « %1 » n&apos;est pas autorisé.</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation>Le nom ne doit contenir ni « / » ni caractère nul.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>Le nom est trop long.</translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation>Ajouter la LUT à la bibliothèque</translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation>Nom de la LUT :</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation>Impossible d&apos;enregistrer la LUT « %1 » : %2</translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation>Supprimer le style LUT</translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation>Voulez-vous supprimer le style LUT sélectionné ?</translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation>Charger un fichier LUT</translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation>Fichier LUT</translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation>Mon style LUT</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Enregistrer la LUT</translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation>Ma LUT</translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation>Aucune LUT disponible</translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation>Aucun style LUT n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation>Navigateur de LUT</translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation>Lancer le navigateur de LUT malgré la perte des réglages actuels ?</translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation>Créer une nouvelle LUT</translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation>Voulez-vous créer un nouveau style LUT vide et abandonner vos réglages actuels ?</translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation>Nouvelle LUT</translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation>Netteté et réduction du bruit</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Géométrie</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Artistique</translation>
    </message>
    <message>
        <source>Masken</source>
        <translation>Masques</translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation>Réglages de base</translation>
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
        <translation>Mode expert</translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation>Opérateurs</translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation>Type de film</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation>Mode de fusion de la LUT</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Création des aperçus : </translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation>Cet opérateur n&apos;a aucun réglage.</translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation>Choisissez un opérateur dans la liste ou ajoutez-en un.</translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation>Valeur par défaut</translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation>Supprimer le masque</translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation>Limite l&apos;effet aux formes tracées dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation>Masque - Luminance</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>Limite inférieure</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>sombre</translation>
    </message>
    <message>
        <source>hell</source>
        <translation>clair</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>Limite supérieure</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Douceur</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>dur</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>doux</translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation>Manière dont ce masque se combine aux masques précédents</translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation>Masque - Saturation</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>coloré</translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation>Masque - Teinte</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>étroit</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation>Masque - Hautes lumières</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation>Masque - Ombres</translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation>Masque - Tons moyens</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>étroit</translation>
    </message>
    <message>
        <source>breit</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation>Masque réduction des artefacts (HD)</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>grossier</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>fort</translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation>Lissage des couleurs</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>petit</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>grand</translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation>Masquage</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>Réduction du bruit</translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation>Luminosité contraste gamma</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation>plus sombre</translation>
    </message>
    <message>
        <source>heller</source>
        <translation>plus clair</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>weniger</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>mehr</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation>Correction gamma</translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation>Point noir/blanc manuel</translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation>Point noir</translation>
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
        <translation>Point blanc</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation>Vignettage</translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation>éclaircir</translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation>assombrir</translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation>Rayon intérieur</translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation>Rayon extérieur</translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation>Courbe de tonalité</translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation>Ajouter du grain</translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation>Taille du grain</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>Contraste local</translation>
    </message>
    <message>
        <source>glätten</source>
        <translation>lisser</translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation>renforcer</translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation>Exposer les teintes</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation>Gamma par canal</translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation>Gamma rouge</translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation>Gamma vert</translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation>Gamma bleu</translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation>Éclat des couleurs</translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation>Mélanger une teinte</translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation>Température de couleur</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>kalt</source>
        <translation>froid</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>chaud</translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation>Balance des couleurs</translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation>Cyan-rouge</translation>
    </message>
    <message>
        <source>Magenta-Grün</source>
        <translation>Magenta-vert</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Gelb-Blau</source>
        <translation>Jaune-bleu</translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation>Virage sépia</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>Pourpre</translation>
    </message>
    <message>
        <source>Aura</source>
        <translation>Aura</translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation>Lueur</translation>
    </message>
    <message>
        <source>scharf</source>
        <translation>net</translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation>Impossible de charger la LUT</translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation>Le fichier LUT n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation>Fichier LUT : %1</translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation>Taille trouvée : %1</translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation>Les tailles autorisées vont de 2 à %1.</translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation>Opérateurs actifs</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation>Supprimer l&apos;opérateur</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation>avant les opérateurs</translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation>après les opérateurs</translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation>aucun type de film</translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation>Forme %1 (%2)</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation>Déplacer et étirer les formes dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Form +</source>
        <translation>Forme +</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation>Ajouter une forme dans laquelle l&apos;effet s&apos;applique</translation>
    </message>
    <message>
        <source>Form −</source>
        <translation>Forme −</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation>Ajouter une forme dans laquelle l&apos;effet est atténué</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>Dureté</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>additiv</source>
        <translation>additif</translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation>soustractif</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation>Mode de fusion</translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation>LUT active</translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation>Appliquer la LUT à l&apos;image</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation>Créer une nouvelle LUT vide</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation>Retirer la LUT</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation>Afficher tous les modes de fusion en aperçu</translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation>Réinitialiser les valeurs de ce groupe</translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation>LUT : %1 (%2 points par axe)</translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation>Aucune LUT chargée</translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation>Tous les opérateurs</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation>Ajouter l&apos;opérateur choisi à la chaîne</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation>Choisir une position dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>Tracer</translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation>Tracer une ligne dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation>Prélever une couleur dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation>Protéger les hautes lumières</translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation>Protéger les ombres</translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation>Protéger la saturation</translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation>Protéger les tons chair</translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation>Protéger le ciel</translation>
    </message>
    <message>
        <source>Belichtung einstellen</source>
        <translation>Régler l&apos;exposition</translation>
    </message>
    <message>
        <source>Farbnegativ Porträt warm</source>
        <translation>Négatif couleur portrait chaud</translation>
    </message>
    <message>
        <source>Farbnegativ Alltag</source>
        <translation>Négatif couleur quotidien</translation>
    </message>
    <message>
        <source>Diafilm kühl</source>
        <translation>Diapositive froide</translation>
    </message>
    <message>
        <source>Diafilm brillant</source>
        <translation>Diapositive brillante</translation>
    </message>
    <message>
        <source>Verblasster Abzug</source>
        <translation>Tirage délavé</translation>
    </message>
    <message>
        <source>Sepia-Abzug</source>
        <translation>Tirage sépia</translation>
    </message>
    <message>
        <source>Sofortbild</source>
        <translation>Photo instantanée</translation>
    </message>
    <message>
        <source>Schwarzweiß kontrastreich</source>
        <translation>Noir et blanc contrasté</translation>
    </message>
    <message>
        <source>Schwarzweiß weich</source>
        <translation>Noir et blanc doux</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarouge</translation>
    </message>
    <message>
        <source>Cross-Entwicklung</source>
        <translation>Traitement croisé</translation>
    </message>
    <message>
        <source>Bleichbad-Überbrückung</source>
        <translation>Sans blanchiment</translation>
    </message>
    <message>
        <source>Kino Blaugrün-Orange</source>
        <translation>Cinéma bleu-vert et orange</translation>
    </message>
    <message>
        <source>Herbstlicht</source>
        <translation>Lumière d&apos;automne</translation>
    </message>
    <message>
        <source>Nachtblau</source>
        <translation>Bleu nuit</translation>
    </message>
    <message>
        <source>Lomo</source>
        <translation>Lo-fi</translation>
    </message>
    <message>
        <source>Farbton und Stärke: Punkt auf der Scheibe ziehen</source>
        <translation>Teinte et intensité : faites glisser le point sur la roue</translation>
    </message>
    <message>
        <source>Licht/Schatten färben</source>
        <translation>Teinter lumières/ombres</translation>
    </message>
    <message>
        <source>Schatten (Lift)</source>
        <translation>Ombres (lift)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</source>
        <translation>Couleur et luminosité des ombres : relève ou abaisse les tons sombres, en s&apos;estompant vers le blanc</translation>
    </message>
    <message>
        <source>Mitteltöne (Gamma)</source>
        <translation>Tons moyens (gamma)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</source>
        <translation>Couleur et luminosité des tons moyens : courbe la tonalité, le noir et le blanc restent</translation>
    </message>
    <message>
        <source>Lichter (Gain)</source>
        <translation>Hautes lumières (gain)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</source>
        <translation>Couleur et luminosité des hautes lumières : renforce ou atténue les tons clairs, en s&apos;estompant vers le noir</translation>
    </message>
    <message>
        <source>Farbkanal Gradation</source>
        <translation>Courbes par canal</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle</source>
        <translation>Courbe de tonalité des trois canaux</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals</source>
        <translation>Courbe du canal rouge</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals</source>
        <translation>Courbe du canal vert</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals</source>
        <translation>Courbe du canal bleu</translation>
    </message>
    <message>
        <source>Farbkanal Gradation (logarithm.)</source>
        <translation>Courbes par canal (logarithmiques)</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</source>
        <translation>Courbe des trois canaux sur des tons logarithmiques (huit diaphs)</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals über logarithmischen Tonwerten</source>
        <translation>Courbe du canal rouge sur des tons logarithmiques</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals über logarithmischen Tonwerten</source>
        <translation>Courbe du canal vert sur des tons logarithmiques</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals über logarithmischen Tonwerten</source>
        <translation>Courbe du canal bleu sur des tons logarithmiques</translation>
    </message>
    <message>
        <source>Farbton korrigieren</source>
        <translation>Corriger la teinte</translation>
    </message>
    <message>
        <source>Farbton nach Farbton</source>
        <translation>Teinte selon teinte</translation>
    </message>
    <message>
        <source>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</source>
        <translation>Fait tourner chaque teinte jusqu&apos;à 90 degrés ; le milieu la laisse inchangée</translation>
    </message>
    <message>
        <source>Sättigung nach Farbton</source>
        <translation>Saturation selon teinte</translation>
    </message>
    <message>
        <source>Sättigung je Farbton: unten grau, oben doppelt so kräftig</source>
        <translation>Saturation par teinte : gris en bas, deux fois plus intense en haut</translation>
    </message>
    <message>
        <source>Helligkeit nach Farbton</source>
        <translation>Luminosité selon teinte</translation>
    </message>
    <message>
        <source>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</source>
        <translation>Luminosité par teinte jusqu&apos;à un diaph ; les gris restent inchangés</translation>
    </message>
    <message>
        <source>manueller Weißabgleich</source>
        <translation>Balance des blancs manuelle</translation>
    </message>
    <message>
        <source>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</source>
        <translation>Avec la pipette, choisissez un endroit qui doit être gris neutre ou blanc</translation>
    </message>
    <message>
        <source>automatischer lokaler Weißabgleich</source>
        <translation>Balance des blancs locale automatique</translation>
    </message>
    <message>
        <source>Größe der Umgebung, in der ein Farbstich gemessen wird</source>
        <translation>Taille de la zone dans laquelle une dominante est mesurée</translation>
    </message>
    <message>
        <source>Wie weit die örtlichen Farbstiche entfernt werden</source>
        <translation>Degré de suppression des dominantes locales</translation>
    </message>
    <message>
        <source>Farbdynamik</source>
        <translation>Vibrance</translation>
    </message>
    <message>
        <source>blasser</source>
        <translation>plus pâle</translation>
    </message>
    <message>
        <source>kräftiger</source>
        <translation>plus vif</translation>
    </message>
    <message>
        <source>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</source>
        <translation>Renforce davantage les couleurs pâles que les vives et préserve les tons chair</translation>
    </message>
    <message>
        <source>Farbdynamik (Smart)</source>
        <translation>Vibrance (intelligente)</translation>
    </message>
    <message>
        <source>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</source>
        <translation>Vibrance qui s&apos;adapte à la saturation de toute l&apos;image</translation>
    </message>
    <message>
        <source>Hauttöne schützen</source>
        <translation>Protéger les tons chair</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>peu</translation>
    </message>
    <message>
        <source>viel</source>
        <translation>beaucoup</translation>
    </message>
    <message>
        <source>Lichter schützen</source>
        <translation>Protéger les hautes lumières</translation>
    </message>
    <message>
        <source>Farbtöne anpassen</source>
        <translation>Ajuster les teintes</translation>
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
        <translation>Teinte saturation exposition</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Farbwert kalibrieren</source>
        <translation>Calibrer une couleur</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Couleur réelle</translation>
    </message>
    <message>
        <source>Mit der Pipette die Farbe wählen, die korrigiert werden soll</source>
        <translation>Avec la pipette, choisissez la couleur à corriger</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Couleur cible</translation>
    </message>
    <message>
        <source>Die Farbe, die der Istwert bekommen soll</source>
        <translation>La couleur que doit prendre la couleur réelle</translation>
    </message>
    <message>
        <source>Reichweite</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>nur ähnliche Farben</source>
        <translation>couleurs similaires uniquement</translation>
    </message>
    <message>
        <source>ganzes Bild</source>
        <translation>toute l&apos;image</translation>
    </message>
    <message>
        <source>Normalisieren (RGB)</source>
        <translation>Normaliser (RVB)</translation>
    </message>
    <message>
        <source>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</source>
        <translation>Étire chaque canal entre sa valeur la plus sombre et la plus claire</translation>
    </message>
    <message>
        <source>Beschnitt</source>
        <translation>Écrêtage</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</source>
        <translation>Part des tons pouvant être écrêtés à chaque extrémité</translation>
    </message>
    <message>
        <source>manueller RGB-Punkt</source>
        <translation>Point RVB manuel</translation>
    </message>
    <message>
        <source>Schwarzpunkt Rot</source>
        <translation>Point noir rouge</translation>
    </message>
    <message>
        <source>Schwarzpunkt Grün</source>
        <translation>Point noir vert</translation>
    </message>
    <message>
        <source>Schwarzpunkt Blau</source>
        <translation>Point noir bleu</translation>
    </message>
    <message>
        <source>Weißpunkt Rot</source>
        <translation>Point blanc rouge</translation>
    </message>
    <message>
        <source>Weißpunkt Grün</source>
        <translation>Point blanc vert</translation>
    </message>
    <message>
        <source>Weißpunkt Blau</source>
        <translation>Point blanc bleu</translation>
    </message>
    <message>
        <source>RGB Transformation (autom.)</source>
        <translation>Transformation RVB (auto)</translation>
    </message>
    <message>
        <source>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</source>
        <translation>Aligne la moyenne et le contraste des trois canaux entre eux</translation>
    </message>
    <message>
        <source>RGB Transformation</source>
        <translation>Transformation RVB</translation>
    </message>
    <message>
        <source>Steigung Rot</source>
        <translation>Pente rouge</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>Steigung Grün</source>
        <translation>Pente vert</translation>
    </message>
    <message>
        <source>Steigung Blau</source>
        <translation>Pente bleu</translation>
    </message>
    <message>
        <source>Versatz Rot</source>
        <translation>Décalage rouge</translation>
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
        <translation>Décalage vert</translation>
    </message>
    <message>
        <source>Versatz Blau</source>
        <translation>Décalage bleu</translation>
    </message>
    <message>
        <source>Exponent Rot</source>
        <translation>Exposant rouge</translation>
    </message>
    <message>
        <source>Exponent Grün</source>
        <translation>Exposant vert</translation>
    </message>
    <message>
        <source>Exponent Blau</source>
        <translation>Exposant bleu</translation>
    </message>
    <message>
        <source>Farbkanal Sigmoid</source>
        <translation>Sigmoïde par canal</translation>
    </message>
    <message>
        <source>Kontrast Rot</source>
        <translation>Contraste rouge</translation>
    </message>
    <message>
        <source>flacher</source>
        <translation>plus plat</translation>
    </message>
    <message>
        <source>steiler</source>
        <translation>plus raide</translation>
    </message>
    <message>
        <source>Kontrast Grün</source>
        <translation>Contraste vert</translation>
    </message>
    <message>
        <source>Kontrast Blau</source>
        <translation>Contraste bleu</translation>
    </message>
    <message>
        <source>Chrominanz ausgleichen</source>
        <translation>Équilibrer la chrominance</translation>
    </message>
    <message>
        <source>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</source>
        <translation>Supprime les dominantes séparément dans les ombres, les tons moyens et les hautes lumières</translation>
    </message>
    <message>
        <source>gewogene Farbkanäle</source>
        <translation>Canaux pondérés</translation>
    </message>
    <message>
        <source>Helligkeit erhalten</source>
        <translation>Conserver la luminosité</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>non</translation>
    </message>
    <message>
        <source>ganz</source>
        <translation>entièrement</translation>
    </message>
    <message>
        <source>Farbkanäle mischen</source>
        <translation>Mélangeur de canaux</translation>
    </message>
    <message>
        <source>Rot aus Rot</source>
        <translation>Rouge depuis rouge</translation>
    </message>
    <message>
        <source>Rot aus Grün</source>
        <translation>Rouge depuis vert</translation>
    </message>
    <message>
        <source>Rot aus Blau</source>
        <translation>Rouge depuis bleu</translation>
    </message>
    <message>
        <source>Grün aus Rot</source>
        <translation>Vert depuis rouge</translation>
    </message>
    <message>
        <source>Grün aus Grün</source>
        <translation>Vert depuis vert</translation>
    </message>
    <message>
        <source>Grün aus Blau</source>
        <translation>Vert depuis bleu</translation>
    </message>
    <message>
        <source>Blau aus Rot</source>
        <translation>Bleu depuis rouge</translation>
    </message>
    <message>
        <source>Blau aus Grün</source>
        <translation>Bleu depuis vert</translation>
    </message>
    <message>
        <source>Blau aus Blau</source>
        <translation>Bleu depuis bleu</translation>
    </message>
    <message>
        <source>Farbfilter</source>
        <translation>Filtre coloré</translation>
    </message>
    <message>
        <source>Filterfarbe</source>
        <translation>Couleur du filtre</translation>
    </message>
    <message>
        <source>Farbe des Filters vor dem Objektiv</source>
        <translation>Couleur du filtre devant l&apos;objectif</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>Densité</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Schéma de couleurs</translation>
    </message>
    <message>
        <source>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</source>
        <translation>1 coucher de soleil, 2 forêt, 3 océan, 4 automne, 5 néon, 6 désert, 7 hiver, 8 pastel</translation>
    </message>
    <message>
        <source>Himmel schützen</source>
        <translation>Protéger le ciel</translation>
    </message>
    <message>
        <source>graue Tinte</source>
        <translation>Encre grise</translation>
    </message>
    <message>
        <source>Tinte</source>
        <translation>Encre</translation>
    </message>
    <message>
        <source>Die Farbe, die graue und blasse Bereiche annehmen</source>
        <translation>La couleur que prennent les zones grises et pâles</translation>
    </message>
    <message>
        <source>Sättigungsgrenze</source>
        <translation>Limite de saturation</translation>
    </message>
    <message>
        <source>nur Grau</source>
        <translation>gris uniquement</translation>
    </message>
    <message>
        <source>auch Farben</source>
        <translation>couleurs aussi</translation>
    </message>
    <message>
        <source>Pastellfarben</source>
        <translation>Couleurs pastel</translation>
    </message>
    <message>
        <source>Aufhellung</source>
        <translation>Éclaircissement</translation>
    </message>
    <message>
        <source>C64 Farben</source>
        <translation>Couleurs 8 bits</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Tramage</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Rastert Verläufe aus benachbarten Farben der Palette</source>
        <translation>Rend les dégradés avec des couleurs voisines de la palette</translation>
    </message>
    <message>
        <source>Rote Augen</source>
        <translation>Yeux rouges</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>nur tiefrot</source>
        <translation>rouge profond uniquement</translation>
    </message>
    <message>
        <source>auch rötlich</source>
        <translation>rougeâtre aussi</translation>
    </message>
    <message>
        <source>Mit der Geometrie auf die Augen begrenzen</source>
        <translation>Limiter aux yeux avec la géométrie</translation>
    </message>
    <message>
        <source>Tageszeit</source>
        <translation>Moment de la journée</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>Matin</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>12 Uhr lässt das Bild unverändert</source>
        <translation>12 heures laisse l&apos;image inchangée</translation>
    </message>
    <message>
        <source>Jahreszeit</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Frühling</source>
        <translation>Printemps</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</source>
        <translation>1 printemps, 2 été (inchangé), 3 automne, 4 hiver</translation>
    </message>
    <message>
        <source>Fotostil: Low-Key</source>
        <translation>Style photo : low key</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Ombres</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>profond</translation>
    </message>
    <message>
        <source>Fotostil: High-Key</source>
        <translation>Style photo : high key</translation>
    </message>
    <message>
        <source>Fotostil: Cross-Entwicklung</source>
        <translation>Style photo : traitement croisé</translation>
    </message>
    <message>
        <source>Fotostil: Indian Summer</source>
        <translation>Style photo : été indien</translation>
    </message>
    <message>
        <source>Fotostil: Infrarot</source>
        <translation>Style photo : infrarouge</translation>
    </message>
    <message>
        <source>Fotostil: Lith-Print</source>
        <translation>Style photo : tirage lith</translation>
    </message>
    <message>
        <source>Tönung</source>
        <translation>Virage</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutre</translation>
    </message>
    <message>
        <source>Fotostil: Buttercream</source>
        <translation>Style photo : crème au beurre</translation>
    </message>
    <message>
        <source>Fotostil: Holga</source>
        <translation>Style photo : appareil jouet</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignette</translation>
    </message>
    <message>
        <source>Fotostil: Orton</source>
        <translation>Style photo : lueur douce</translation>
    </message>
    <message>
        <source>gering</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>élevé</translation>
    </message>
    <message>
        <source>Fotostil: Lomo</source>
        <translation>Style photo : lo-fi</translation>
    </message>
    <message>
        <source>Fotostil: Dragan</source>
        <translation>Style photo : portrait dramatique</translation>
    </message>
    <message>
        <source>Originalbild einblenden</source>
        <translation>Mélanger l&apos;original</translation>
    </message>
    <message>
        <source>Mischt das unbearbeitete Bild wieder ein</source>
        <translation>Remélange l&apos;image non retouchée</translation>
    </message>
    <message>
        <source>Foto-Reflektor</source>
        <translation>Réflecteur photo</translation>
    </message>
    <message>
        <source>Hellt die Schatten mit dem Licht eines Reflektors auf</source>
        <translation>Éclaircit les ombres avec la lumière d&apos;un réflecteur</translation>
    </message>
    <message>
        <source>Reflektor</source>
        <translation>Réflecteur</translation>
    </message>
    <message>
        <source>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</source>
        <translation>Or, argent (blanc) ou une autre couleur de réflecteur</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Dégradé de couleur</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</source>
        <translation>Pleine intensité au premier point, s&apos;estompant jusqu&apos;au second</translation>
    </message>
    <message>
        <source>Color Contrast</source>
        <translation>Contraste des couleurs</translation>
    </message>
    <message>
        <source>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</source>
        <translation>Sépare les couleurs voisines ; la luminosité reste</translation>
    </message>
    <message>
        <source>Polfilter</source>
        <translation>Filtre polarisant</translation>
    </message>
    <message>
        <source>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</source>
        <translation>Supprime la brume et les reflets, assombrit le ciel bleu</translation>
    </message>
    <message>
        <source>Chromatische Korrektur</source>
        <translation>Correction chromatique</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>plus petit</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>plus grand</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Agrandit ou réduit le canal rouge jusqu&apos;à ce que ses contours coïncident avec le vert</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Agrandit ou réduit le canal bleu jusqu&apos;à ce que ses contours coïncident avec le vert</translation>
    </message>
    <message>
        <source>chromatische Aberrationen korrigieren</source>
        <translation>Corriger les aberrations chromatiques</translation>
    </message>
    <message>
        <source>Entfernt violette und grüne Farbsäume an harten Kanten</source>
        <translation>Supprime les franges violettes et vertes aux contours nets</translation>
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
        <translation>1 citrouille, 2 fantôme, 3 chauve-souris, 4 toile d&apos;araignée, 5 lune</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Taille</translation>
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
        <translation>Drapeaux</translation>
    </message>
    <message>
        <source>Flagge</source>
        <translation>Drapeau</translation>
    </message>
    <message>
        <source>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</source>
        <translation>1 Allemagne, 2 France, 3 Italie, 4 Pays-Bas, 5 Autriche, 6 Belgique, 7 Irlande, 8 Pologne, 9 Ukraine, 10 Suisse, 11 Japon, 12 Suède, 13 Danemark</translation>
    </message>
    <message>
        <source>Motive (Fußball)</source>
        <translation>Motifs (football)</translation>
    </message>
    <message>
        <source>1 Ball, 2 Tor, 3 Pokal</source>
        <translation>1 ballon, 2 but, 3 coupe</translation>
    </message>
    <message>
        <source>Mask Entrauschen Luminance (HD)</source>
        <translation>Masque réduction du bruit de luminance (HD)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</source>
        <translation>Intensité du lissage du bruit de luminance dans les zones uniformes</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die geglättet wird</source>
        <translation>Taille de la zone sur laquelle le lissage s&apos;effectue</translation>
    </message>
    <message>
        <source>Detailschwelle</source>
        <translation>Seuil de détail</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</source>
        <translation>Hausse de luminosité par pixel à partir de laquelle une zone est une structure et reste inchangée</translation>
    </message>
    <message>
        <source>Wirkung abhängig von der Helligkeit des Bildpunkts</source>
        <translation>Effet selon la luminosité du pixel</translation>
    </message>
    <message>
        <source>Mask Schärfen Luminance (HD)</source>
        <translation>Masque netteté de luminance (HD)</translation>
    </message>
    <message>
        <source>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</source>
        <translation>Intensité de l&apos;accentuation des contours et structures ; les zones uniformes ne sont pas accentuées</translation>
    </message>
    <message>
        <source>Größe der Details, die geschärft werden</source>
        <translation>Taille des détails accentués</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</source>
        <translation>Hausse de luminosité par pixel à partir de laquelle une zone est une structure et est accentuée</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>Dépassement</translation>
    </message>
    <message>
        <source>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</source>
        <translation>Dans quelle mesure un contour accentué peut dépasser la luminosité de son entourage ; limite les halos</translation>
    </message>
    <message>
        <source>adaptive Bildschärfe</source>
        <translation>Netteté adaptative</translation>
    </message>
    <message>
        <source>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</source>
        <translation>Intensité de l&apos;accentuation, qui suit le contraste local : pas du tout sur les zones uniformes, moins sur les contours nets</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren</source>
        <translation>Réduire le flou de bougé</translation>
    </message>
    <message>
        <source>Wie weit die Verwacklung herausgerechnet wird</source>
        <translation>Degré de correction du flou de bougé</translation>
    </message>
    <message>
        <source>Unschärferadius</source>
        <translation>Rayon de flou</translation>
    </message>
    <message>
        <source>Wie weit das Bild verwackelt ist</source>
        <translation>Ampleur du flou de bougé dans l&apos;image</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Itérations</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>peu</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>beaucoup</translation>
    </message>
    <message>
        <source>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</source>
        <translation>Étapes de la déconvolution : davantage d&apos;étapes rendent plus de netteté et prennent plus de temps</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren (Farbe)</source>
        <translation>Réduire le flou de bougé (couleur)</translation>
    </message>
    <message>
        <source>Entrauschen Farbwolken</source>
        <translation>Réduire les taches de couleur</translation>
    </message>
    <message>
        <source>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</source>
        <translation>Les taches de couleur jusqu&apos;à environ un tiers de cette taille sont supprimées</translation>
    </message>
    <message>
        <source>Wie weit die Farbwolken entfernt werden</source>
        <translation>Degré de suppression des taches de couleur</translation>
    </message>
    <message>
        <source>kräftig</source>
        <translation>vif</translation>
    </message>
    <message>
        <source>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</source>
        <translation>Écart de couleur jusqu&apos;auquel une tache est du bruit ; les couleurs plus vives restent</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (UHD)</source>
        <translation>Réduction du bruit de luminance (UHD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</source>
        <translation>Intensité du lissage du bruit de luminance ; des zones similaires de l&apos;entourage sont moyennées</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (U2HD)</source>
        <translation>Réduction du bruit de luminance (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen (Gap Fill)</source>
        <translation>Réduction du bruit (comblement)</translation>
    </message>
    <message>
        <source>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</source>
        <translation>Degré de remplacement des pixels aberrants par la moyenne de leurs voisins</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</source>
        <translation>Écart qu&apos;un pixel doit présenter au-delà de la plage de ses voisins, rapporté à cette plage, pour être un trou</translation>
    </message>
    <message>
        <source>Details restaurieren</source>
        <translation>Restaurer les détails</translation>
    </message>
    <message>
        <source>Detailgröße</source>
        <translation>Taille des détails</translation>
    </message>
    <message>
        <source>Größe der Details, die aus dem Originalbild zurückgeholt werden</source>
        <translation>Taille des détails récupérés de l&apos;image d&apos;origine</translation>
    </message>
    <message>
        <source>Wie viel der verlorenen Details zurückkehrt</source>
        <translation>Part des détails perdus qui revient</translation>
    </message>
    <message>
        <source>Rauschschwelle</source>
        <translation>Seuil de bruit</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</source>
        <translation>Les différences plus fines sont du bruit et ne reviennent pas</translation>
    </message>
    <message>
        <source>Dither (Floyd Steinberg)</source>
        <translation>Tramage (diffusion d&apos;erreur)</translation>
    </message>
    <message>
        <source>Bittiefe</source>
        <translation>Profondeur de bits</translation>
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
        <translation>Niveaux par canal après la réduction</translation>
    </message>
    <message>
        <source>Fehlerverteilung</source>
        <translation>Diffusion d&apos;erreur</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>complet</translation>
    </message>
    <message>
        <source>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</source>
        <translation>Part de l&apos;erreur d&apos;arrondi transmise aux voisins : évite les paliers dans les dégradés</translation>
    </message>
    <message>
        <source>Entrauschen (Farbe)</source>
        <translation>Réduction du bruit (couleur)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die die Farbe geglättet wird</source>
        <translation>Taille de la zone sur laquelle la couleur est lissée</translation>
    </message>
    <message>
        <source>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</source>
        <translation>Intensité du lissage du bruit chromatique ; la luminosité reste inchangée</translation>
    </message>
    <message>
        <source>Entrauschen (Flächen glätten)</source>
        <translation>Réduction du bruit (lisser les aplats)</translation>
    </message>
    <message>
        <source>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</source>
        <translation>Degré de lissage des aplats vers leur moyenne</translation>
    </message>
    <message>
        <source>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</source>
        <translation>Dispersion de luminosité jusqu&apos;à laquelle une zone est considérée comme uniforme</translation>
    </message>
    <message>
        <source>Entrauschen (Banding)</source>
        <translation>Réduction du bruit (paliers)</translation>
    </message>
    <message>
        <source>Breite der Streifen, die zu einem glatten Verlauf werden</source>
        <translation>Largeur des bandes qui deviennent un dégradé lisse</translation>
    </message>
    <message>
        <source>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</source>
        <translation>Hauteur des paliers lissés ; les contours plus marqués sont conservés</translation>
    </message>
    <message>
        <source>Kantenverstärker</source>
        <translation>Renforcement des contours</translation>
    </message>
    <message>
        <source>Größe der Kanten, die verstärkt werden</source>
        <translation>Taille des contours renforcés</translation>
    </message>
    <message>
        <source>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</source>
        <translation>Intensité du renforcement du contraste de luminosité aux contours</translation>
    </message>
    <message>
        <source>Farbton Kantenverstärker</source>
        <translation>Renforcement des contours de teinte</translation>
    </message>
    <message>
        <source>Wie stark der Farbkontrast an Farbkanten verstärkt wird</source>
        <translation>Intensité du renforcement du contraste chromatique aux contours de couleur</translation>
    </message>
    <message>
        <source>Entrauschen (soften)</source>
        <translation>Réduction du bruit (adoucir)</translation>
    </message>
    <message>
        <source>Länge, über die entlang der Kanten gemittelt wird</source>
        <translation>Longueur sur laquelle la moyenne est faite le long des contours</translation>
    </message>
    <message>
        <source>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</source>
        <translation>Intensité du lissage le long des contours ; les contours restent nets</translation>
    </message>
    <message>
        <source>Schärfen HD Gradient</source>
        <translation>Netteté HD gradient</translation>
    </message>
    <message>
        <source>Breite des Schärfens quer zur Kante</source>
        <translation>Largeur de l&apos;accentuation perpendiculaire au contour</translation>
    </message>
    <message>
        <source>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</source>
        <translation>Intensité de l&apos;accentuation perpendiculaire aux contours ; le bruit le long des contours n&apos;est pas renforcé</translation>
    </message>
    <message>
        <source>Schärfen Chrominance (HD)</source>
        <translation>Netteté de chrominance (HD)</translation>
    </message>
    <message>
        <source>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</source>
        <translation>Intensité de l&apos;accentuation des contours de couleur ; la luminosité reste inchangée</translation>
    </message>
    <message>
        <source>Größe der Farbdetails, die geschärft werden</source>
        <translation>Taille des détails de couleur accentués</translation>
    </message>
    <message>
        <source>Schärfen Luminance (HD)</source>
        <translation>Netteté de luminance (HD)</translation>
    </message>
    <message>
        <source>Wie stark die Helligkeit geschärft wird</source>
        <translation>Intensité de l&apos;accentuation de la luminosité</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</source>
        <translation>Les différences plus fines sont du bruit et ne sont pas accentuées</translation>
    </message>
    <message>
        <source>Schärfen Luminance (UHD)</source>
        <translation>Netteté de luminance (UHD)</translation>
    </message>
    <message>
        <source>Stärke fein</source>
        <translation>Intensité fine</translation>
    </message>
    <message>
        <source>Schärfung der feinsten Details</source>
        <translation>Accentuation des détails les plus fins</translation>
    </message>
    <message>
        <source>Stärke mittel</source>
        <translation>Intensité moyenne</translation>
    </message>
    <message>
        <source>Schärfung der Details doppelter Größe</source>
        <translation>Accentuation des détails de taille double</translation>
    </message>
    <message>
        <source>Größe der feinsten Details</source>
        <translation>Taille des détails les plus fins</translation>
    </message>
    <message>
        <source>Schärfen Luminance (U2HD)</source>
        <translation>Netteté de luminance (U2HD)</translation>
    </message>
    <message>
        <source>Stärke grob</source>
        <translation>Intensité grossière</translation>
    </message>
    <message>
        <source>Schärfung der Details vierfacher Größe</source>
        <translation>Accentuation des détails de taille quadruple</translation>
    </message>
    <message>
        <source>Entrauschen (Median)</source>
        <translation>Réduction du bruit (médiane)</translation>
    </message>
    <message>
        <source>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</source>
        <translation>Degré de rapprochement de chaque canal vers la médiane de son voisinage 3×3 : supprime les parasites d&apos;un pixel</translation>
    </message>
    <message>
        <source>Entrauschen (Varianz)</source>
        <translation>Réduction du bruit (variance)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, deren Streuung gemessen wird</source>
        <translation>Taille de la zone dont la dispersion est mesurée</translation>
    </message>
    <message>
        <source>Rauschpegel</source>
        <translation>Niveau de bruit</translation>
    </message>
    <message>
        <source>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</source>
        <translation>Dispersion considérée comme du bruit : les zones moins dispersées sont lissées, les structures restent</translation>
    </message>
    <message>
        <source>Himmel entrauschen</source>
        <translation>Réduire le bruit du ciel</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die der Himmel geglättet wird</source>
        <translation>Taille de la zone sur laquelle le ciel est lissé</translation>
    </message>
    <message>
        <source>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</source>
        <translation>Intensité du lissage du bruit et des paliers dans les zones couleur ciel</translation>
    </message>
    <message>
        <source>Entrauschen (Min-Max)</source>
        <translation>Réduction du bruit (min-max)</translation>
    </message>
    <message>
        <source>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</source>
        <translation>Degré de rappel des valeurs aberrantes dans la plage de leurs voisins</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</source>
        <translation>Dépassement autorisé d&apos;une valeur par rapport à ses voisins avant limitation</translation>
    </message>
    <message>
        <source>Entrauschen (Iterativ)</source>
        <translation>Réduction du bruit (itérative)</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</source>
        <translation>Nombre d&apos;étapes de lissage : davantage d&apos;étapes lissent plus largement</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</source>
        <translation>Différence de luminosité jusqu&apos;à laquelle on lisse ; les différences plus grandes sont des contours</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (HD)</source>
        <translation>Réduction du bruit de chrominance (HD)</translation>
    </message>
    <message>
        <source>Größe der feinsten Farbflecken, die geglättet werden</source>
        <translation>Taille des plus fines taches de couleur lissées</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (UHD)</source>
        <translation>Réduction du bruit de chrominance (UHD)</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (U2HD)</source>
        <translation>Réduction du bruit de chrominance (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD)</source>
        <translation>Réduction du bruit de luminance (HD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</source>
        <translation>Intensité du lissage du bruit de luminance ; les contours sont conservés</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD iter)</source>
        <translation>Réduction du bruit de luminance (HD itératif)</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</source>
        <translation>Nombre de passes de lissage, chacune un peu plus faible que la précédente</translation>
    </message>
    <message>
        <source>Größe der Umgebung eines Durchgangs</source>
        <translation>Taille de la zone d&apos;une passe</translation>
    </message>
    <message>
        <source>Artefakte reduzieren</source>
        <translation>Réduire les artefacts</translation>
    </message>
    <message>
        <source>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</source>
        <translation>Hauteur des bords de blocs de compression lissés ; les bords plus marqués restent</translation>
    </message>
    <message>
        <source>Blockgröße</source>
        <translation>Taille des blocs</translation>
    </message>
    <message>
        <source>Rastergröße der Kompressionsblöcke im Originalbild</source>
        <translation>Taille de la grille des blocs de compression dans l&apos;image d&apos;origine</translation>
    </message>
    <message>
        <source>Bewegungsunschärfe reduzieren</source>
        <translation>Réduire le flou de mouvement</translation>
    </message>
    <message>
        <source>Wie weit die Bewegungsunschärfe herausgerechnet wird</source>
        <translation>Degré de correction du flou de mouvement</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>court</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>long</translation>
    </message>
    <message>
        <source>Länge der Bewegungsspur im Bild</source>
        <translation>Longueur de la traînée de mouvement dans l&apos;image</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</source>
        <translation>Direction du mouvement : 0° horizontal, 90° vertical</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Érosion</translation>
    </message>
    <message>
        <source>Wie weit dunkle Bereiche in helle hineinwachsen</source>
        <translation>Degré d&apos;extension des zones sombres dans les zones claires</translation>
    </message>
    <message>
        <source>Dilatation</source>
        <translation>Dilatation</translation>
    </message>
    <message>
        <source>Wie weit helle Bereiche in dunkle hineinwachsen</source>
        <translation>Degré d&apos;extension des zones claires dans les zones sombres</translation>
    </message>
    <message>
        <source>Doppler</source>
        <translation>Image double</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Versatz des Doppelbildes</source>
        <translation>Décalage de l&apos;image double</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</source>
        <translation>Direction du décalage, dans le sens antihoraire depuis la droite</translation>
    </message>
    <message>
        <source>Deckkraft des Doppelbildes</source>
        <translation>Opacité de l&apos;image double</translation>
    </message>
    <message>
        <source>Normalisieren</source>
        <translation>Normaliser</translation>
    </message>
    <message>
        <source>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</source>
        <translation>Degré d&apos;étirement des tons sur toute la plage et d&apos;équilibrage des tons moyens</translation>
    </message>
    <message>
        <source>Zielhelligkeit</source>
        <translation>Luminosité cible</translation>
    </message>
    <message>
        <source>Helligkeit, auf die der Median des Bildes gebracht wird</source>
        <translation>Luminosité à laquelle est amenée la médiane de l&apos;image</translation>
    </message>
    <message>
        <source>Local Contrast (Mask)</source>
        <translation>Contraste local (masque)</translation>
    </message>
    <message>
        <source>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</source>
        <translation>Taille de la zone en pixels de l&apos;image en pleine résolution</translation>
    </message>
    <message>
        <source>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</source>
        <translation>Contraste local de la luminosité ; les couleurs sont conservées</translation>
    </message>
    <message>
        <source>Kantenschutz</source>
        <translation>Protection des contours</translation>
    </message>
    <message>
        <source>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</source>
        <translation>Retient les grands sauts de luminosité pour éviter les halos aux contours</translation>
    </message>
    <message>
        <source>Stärke der Wirkung abhängig von der Helligkeit</source>
        <translation>Intensité de l&apos;effet selon la luminosité</translation>
    </message>
    <message>
        <source>Luminanz Kontrast</source>
        <translation>Contraste de luminance</translation>
    </message>
    <message>
        <source>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</source>
        <translation>Contraste de la luminosité ; teinte et saturation sont conservées</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>Pivot</translation>
    </message>
    <message>
        <source>Helligkeit, die unverändert bleibt</source>
        <translation>Luminosité qui reste inchangée</translation>
    </message>
    <message>
        <source>Helligkeit ebnen</source>
        <translation>Uniformiser la luminosité</translation>
    </message>
    <message>
        <source>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</source>
        <translation>Compense un éclairage inégal ; les détails sont conservés</translation>
    </message>
    <message>
        <source>Größe der Flächen, über die die Helligkeit ausgeglichen wird</source>
        <translation>Taille des zones sur lesquelles la luminosité est uniformisée</translation>
    </message>
    <message>
        <source>_Highlight Recover</source>
        <translation>Récupération des hautes lumières</translation>
    </message>
    <message>
        <source>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</source>
        <translation>Comprime en douceur les tons les plus clairs sans qu&apos;aucun canal ne soit brûlé</translation>
    </message>
    <message>
        <source>Einsatzpunkt</source>
        <translation>Seuil d&apos;action</translation>
    </message>
    <message>
        <source>früh</source>
        <translation>tôt</translation>
    </message>
    <message>
        <source>spät</source>
        <translation>tard</translation>
    </message>
    <message>
        <source>Helligkeit, ab der die Lichter zusammengedrückt werden</source>
        <translation>Luminosité à partir de laquelle les hautes lumières sont comprimées</translation>
    </message>
    <message>
        <source>Nebel reduzieren</source>
        <translation>Réduire la brume</translation>
    </message>
    <message>
        <source>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</source>
        <translation>Retire le voile clair du brouillard et de la brume</translation>
    </message>
    <message>
        <source>Spitzlichter wiederherstellen</source>
        <translation>Récupérer les reflets</translation>
    </message>
    <message>
        <source>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</source>
        <translation>Assombrit les zones claires dans leur ensemble et y conserve le détail</translation>
    </message>
    <message>
        <source>Helligkeit der Umgebung, ab der abgedunkelt wird</source>
        <translation>Luminosité de l&apos;entourage à partir de laquelle l&apos;assombrissement commence</translation>
    </message>
    <message>
        <source>Weißkorrektur</source>
        <translation>Correction du blanc</translation>
    </message>
    <message>
        <source>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</source>
        <translation>Retire la dominante des hautes lumières et les éclaircit jusqu&apos;au blanc pur</translation>
    </message>
    <message>
        <source>Helligkeit, ab der korrigiert wird</source>
        <translation>Luminosité à partir de laquelle la correction s&apos;applique</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>Dégradé de luminosité</translation>
    </message>
    <message>
        <source>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</source>
        <translation>Gamma du côté de l&apos;image avant la ligne ; des valeurs négatives l&apos;assombrissent (par exemple un ciel)</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Richtung des Verlaufs; 90° verläuft von oben nach unten</source>
        <translation>Direction du dégradé ; 90° va de haut en bas</translation>
    </message>
    <message>
        <source>Übergang</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Breite des Übergangs über die Linie</source>
        <translation>Largeur de la transition de part et d&apos;autre de la ligne</translation>
    </message>
    <message>
        <source>Linienmitte</source>
        <translation>Centre de la ligne</translation>
    </message>
    <message>
        <source>Punkt, durch den die Übergangslinie läuft</source>
        <translation>Point par lequel passe la ligne de transition</translation>
    </message>
    <message>
        <source>Weiche Details</source>
        <translation>Détails doux</translation>
    </message>
    <message>
        <source>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</source>
        <translation>Lisse les structures fines comme la peau ou le bruit ; les contours restent nets</translation>
    </message>
    <message>
        <source>Größe der Strukturen, die geglättet werden</source>
        <translation>Taille des structures lissées</translation>
    </message>
    <message>
        <source>Weiche Kontur</source>
        <translation>Contour doux</translation>
    </message>
    <message>
        <source>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</source>
        <translation>Donne aux contours un bord doux et lumineux ; les surfaces restent nettes</translation>
    </message>
    <message>
        <source>Breite des weichen Randes</source>
        <translation>Largeur du bord doux</translation>
    </message>
    <message>
        <source>Randlicht-Verteilung</source>
        <translation>Répartition de la lumière vers les bords</translation>
    </message>
    <message>
        <source>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</source>
        <translation>Compense la baisse de lumière vers le bord de l&apos;image (vignettage, flash)</translation>
    </message>
    <message>
        <source>Dynamische Helligkeit</source>
        <translation>Luminosité dynamique</translation>
    </message>
    <message>
        <source>erweitern</source>
        <translation>étendre</translation>
    </message>
    <message>
        <source>verdichten</source>
        <translation>comprimer</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</source>
        <translation>Éclaircit les entourages sombres et assombrit les clairs (ou l&apos;inverse)</translation>
    </message>
    <message>
        <source>automatischer Schwarz/Weißpunkt</source>
        <translation>Point noir/blanc automatique</translation>
    </message>
    <message>
        <source>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</source>
        <translation>Degré d&apos;étirement des points noir et blanc de l&apos;image sur toute la plage</translation>
    </message>
    <message>
        <source>gewogener Schwarz/Weißpunkt</source>
        <translation>Point noir/blanc pondéré</translation>
    </message>
    <message>
        <source>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</source>
        <translation>Degré d&apos;étirement des points mesurés sur toute la plage</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</source>
        <translation>Part des pixels les plus sombres et les plus clairs dont la moyenne donne les points noir et blanc</translation>
    </message>
    <message>
        <source>Histogramm Abgleich</source>
        <translation>Égalisation d&apos;histogramme</translation>
    </message>
    <message>
        <source>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</source>
        <translation>Répartit les tons uniformément sur toute la plage</translation>
    </message>
    <message>
        <source>Kontrastbegrenzung</source>
        <translation>Limite de contraste</translation>
    </message>
    <message>
        <source>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</source>
        <translation>Limite l&apos;étirement des grandes zones uniformes</translation>
    </message>
    <message>
        <source>Licht/Schatten anpassen</source>
        <translation>Ajuster hautes lumières/ombres</translation>
    </message>
    <message>
        <source>Lichter</source>
        <translation>Hautes lumières</translation>
    </message>
    <message>
        <source>Belichtung der hellen Töne</source>
        <translation>Exposition des tons clairs</translation>
    </message>
    <message>
        <source>Belichtung der dunklen Töne</source>
        <translation>Exposition des tons sombres</translation>
    </message>
    <message>
        <source>Tonbreite</source>
        <translation>Largeur tonale</translation>
    </message>
    <message>
        <source>Wie weit Lichter und Schatten in die Mitteltöne reichen</source>
        <translation>Portée des hautes lumières et des ombres dans les tons moyens</translation>
    </message>
    <message>
        <source>Lichttuner</source>
        <translation>Réglage de la lumière</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</source>
        <translation>Éclaircit davantage les entourages sombres que les clairs ; puis les points noir et blanc sont redéfinis</translation>
    </message>
    <message>
        <source>Percentile justieren</source>
        <translation>Ajuster les percentiles</translation>
    </message>
    <message>
        <source>Dunkles Perzentil</source>
        <translation>Percentile sombre</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der schwarz wird</source>
        <translation>Part des pixels de chaque canal qui deviennent noirs</translation>
    </message>
    <message>
        <source>Helles Perzentil</source>
        <translation>Percentile clair</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der weiß wird</source>
        <translation>Part des pixels de chaque canal qui deviennent blancs</translation>
    </message>
    <message>
        <source>Gradationskurve (logarithm.)</source>
        <translation>Courbe de tonalité (logarithmique)</translation>
    </message>
    <message>
        <source>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</source>
        <translation>Courbe de tonalité sur la luminosité logarithmique : les ombres occupent la plus grande partie</translation>
    </message>
    <message>
        <source>Tonwerte justieren</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Schwarzwert</source>
        <translation>Niveau de noir</translation>
    </message>
    <message>
        <source>Helligkeit, die schwarz wird</source>
        <translation>Luminosité qui devient noire</translation>
    </message>
    <message>
        <source>Weißwert</source>
        <translation>Niveau de blanc</translation>
    </message>
    <message>
        <source>Helligkeit, die weiß wird</source>
        <translation>Luminosité qui devient blanche</translation>
    </message>
    <message>
        <source>Mitteltöne</source>
        <translation>Tons moyens</translation>
    </message>
    <message>
        <source>Gamma der Mitteltöne</source>
        <translation>Gamma des tons moyens</translation>
    </message>
    <message>
        <source>Ausgabe Schwarz</source>
        <translation>Noir de sortie</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Schwarz gesetzt wird</source>
        <translation>Luminosité attribuée au noir</translation>
    </message>
    <message>
        <source>Ausgabe Weiß</source>
        <translation>Blanc de sortie</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Weiß gesetzt wird</source>
        <translation>Luminosité attribuée au blanc</translation>
    </message>
    <message>
        <source>Graustufenumwandlung</source>
        <translation>Conversion en niveaux de gris</translation>
    </message>
    <message>
        <source>Rotanteil</source>
        <translation>Part de rouge</translation>
    </message>
    <message>
        <source>Anteil des roten Kanals am Grau</source>
        <translation>Part du canal rouge dans le gris</translation>
    </message>
    <message>
        <source>Grünanteil</source>
        <translation>Part de vert</translation>
    </message>
    <message>
        <source>Anteil des grünen Kanals am Grau</source>
        <translation>Part du canal vert dans le gris</translation>
    </message>
    <message>
        <source>Blauanteil</source>
        <translation>Part de bleu</translation>
    </message>
    <message>
        <source>Anteil des blauen Kanals am Grau</source>
        <translation>Part du canal bleu dans le gris</translation>
    </message>
    <message>
        <source>Fraktales_Korn</source>
        <translation>Grain fractal</translation>
    </message>
    <message>
        <source>Stärke des Korns</source>
        <translation>Intensité du grain</translation>
    </message>
    <message>
        <source>Größe der Körner im Bild in voller Auflösung</source>
        <translation>Taille des grains dans l&apos;image en pleine résolution</translation>
    </message>
    <message>
        <source>Rauheit</source>
        <translation>Rugosité</translation>
    </message>
    <message>
        <source>rau</source>
        <translation>rugueux</translation>
    </message>
    <message>
        <source>Anteil der feineren Kornstufen</source>
        <translation>Part des niveaux de grain plus fins</translation>
    </message>
    <message>
        <source>Kornbewegung</source>
        <translation>Mouvement du grain</translation>
    </message>
    <message>
        <source>eingefroren</source>
        <translation>figé</translation>
    </message>
    <message>
        <source>jedes Bild neu</source>
        <translation>nouveau à chaque image</translation>
    </message>
    <message>
        <source>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</source>
        <translation>Fréquence de changement du grain dans les vidéos ; 0 le fige sur toutes les images</translation>
    </message>
    <message>
        <source>Analoges_Korn</source>
        <translation>Grain analogique</translation>
    </message>
    <message>
        <source>Farbkorn</source>
        <translation>Grain coloré</translation>
    </message>
    <message>
        <source>einfarbig</source>
        <translation>monochrome</translation>
    </message>
    <message>
        <source>farbig</source>
        <translation>coloré</translation>
    </message>
    <message>
        <source>Anteil des Korns, der in jedem Farbkanal eigen ist</source>
        <translation>Part du grain propre à chaque canal de couleur</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSV)</source>
        <translation>Grain fractal (TSV)</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSL)</source>
        <translation>Grain fractal (TSL)</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSV)</source>
        <translation>Grain analogique (TSV)</translation>
    </message>
    <message>
        <source>Sättigungskorn</source>
        <translation>Grain de saturation</translation>
    </message>
    <message>
        <source>Korn auch in der Sättigung; der Farbton bleibt erhalten</source>
        <translation>Grain également dans la saturation ; la teinte est conservée</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSL)</source>
        <translation>Grain analogique (TSL)</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Sans blanchiment</translation>
    </message>
    <message>
        <source>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</source>
        <translation>Plus de contraste et moins de couleur, comme lorsqu&apos;on saute le bain de blanchiment</translation>
    </message>
    <message>
        <source>Veiling Glare</source>
        <translation>Voile lumineux</translation>
    </message>
    <message>
        <source>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</source>
        <translation>Lumière parasite dans l&apos;objectif : les zones claires voilent leur entourage</translation>
    </message>
    <message>
        <source>Local Contour</source>
        <translation>Contour local</translation>
    </message>
    <message>
        <source>Verstärkung der Konturen</source>
        <translation>Renforcement des contours</translation>
    </message>
    <message>
        <source>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</source>
        <translation>Les différences plus fines (grain, bruit) ne sont pas renforcées</translation>
    </message>
    <message>
        <source>Struktur (Tonung)</source>
        <translation>Texture (virage)</translation>
    </message>
    <message>
        <source>Wie stark die Struktur über dem Bild liegt</source>
        <translation>Intensité de la texture sur l&apos;image</translation>
    </message>
    <message>
        <source>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</source>
        <translation>Échelle de la texture, d&apos;un quart à quatre fois</translation>
    </message>
    <message>
        <source>Muster</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Wählt eine von tausend Varianten der Struktur</source>
        <translation>Choisit l&apos;une des mille variantes de la texture</translation>
    </message>
    <message>
        <source>Farbe der Struktur</source>
        <translation>Couleur de la texture</translation>
    </message>
    <message>
        <source>Struktur (Staub)</source>
        <translation>Texture (poussière)</translation>
    </message>
    <message>
        <source>Struktur (Licht)</source>
        <translation>Texture (lumière)</translation>
    </message>
    <message>
        <source>Struktur (Doppelbelichtung)</source>
        <translation>Texture (double exposition)</translation>
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
        <translation>Texture (tissus)</translation>
    </message>
    <message>
        <source>Struktur (Risse)</source>
        <translation>Texture (craquelures)</translation>
    </message>
    <message>
        <source>Struktur (Stein)</source>
        <translation>Texture (pierre)</translation>
    </message>
    <message>
        <source>Struktur (Papier)</source>
        <translation>Texture (papier)</translation>
    </message>
    <message>
        <source>Struktur (Metalle)</source>
        <translation>Texture (métaux)</translation>
    </message>
    <message>
        <source>Struktur (Puzzle)</source>
        <translation>Texture (puzzle)</translation>
    </message>
    <message>
        <source>Schwarz-Weiß</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Lokaler Kontrast</source>
        <translation>Contraste local</translation>
    </message>
    <message>
        <source>Lokaler Kontrast des Graubilds</source>
        <translation>Contraste local de l&apos;image en gris</translation>
    </message>
    <message>
        <source>Rotfilter</source>
        <translation>Filtre rouge</translation>
    </message>
    <message>
        <source>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</source>
        <translation>Luminosité des tons rouges dans le gris (un filtre rouge assombrit le ciel bleu)</translation>
    </message>
    <message>
        <source>Grünfilter</source>
        <translation>Filtre vert</translation>
    </message>
    <message>
        <source>Wie hell grüne Töne im Grau werden</source>
        <translation>Luminosité des tons verts dans le gris</translation>
    </message>
    <message>
        <source>Blaufilter</source>
        <translation>Filtre bleu</translation>
    </message>
    <message>
        <source>Wie hell blaue Töne im Grau werden</source>
        <translation>Luminosité des tons bleus dans le gris</translation>
    </message>
    <message>
        <source>Zentrum belichten</source>
        <translation>Exposer le centre</translation>
    </message>
    <message>
        <source>Belichtung des Zentrums in Blendenstufen</source>
        <translation>Exposition du centre en diaphs</translation>
    </message>
    <message>
        <source>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</source>
        <translation>Taille du centre pleinement exposé, par rapport à la demi-diagonale</translation>
    </message>
    <message>
        <source>Breite des Übergangs nach außen</source>
        <translation>Largeur de la transition vers l&apos;extérieur</translation>
    </message>
    <message>
        <source>Mitte des belichteten Bereichs</source>
        <translation>Centre de la zone exposée</translation>
    </message>
    <message>
        <source>Weicher Kontrast</source>
        <translation>Contraste doux</translation>
    </message>
    <message>
        <source>weicher</source>
        <translation>plus doux</translation>
    </message>
    <message>
        <source>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</source>
        <translation>Courbe en S de la luminosité dont les hautes lumières et les ombres s&apos;adoucissent</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Helligkeit, um die die Kurve dreht</source>
        <translation>Luminosité autour de laquelle la courbe pivote</translation>
    </message>
    <message>
        <source>Halftone</source>
        <translation>Similigravure</translation>
    </message>
    <message>
        <source>Rasterweite</source>
        <translation>Linéature</translation>
    </message>
    <message>
        <source>Abstand der Rasterpunkte im Bild in voller Auflösung</source>
        <translation>Distance entre les points de trame dans l&apos;image en pleine résolution</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Winkel des Rasters</source>
        <translation>Angle de la trame</translation>
    </message>
    <message>
        <source>Wie stark das Raster über dem Bild liegt</source>
        <translation>Intensité de la trame sur l&apos;image</translation>
    </message>
    <message>
        <source>Farbraster</source>
        <translation>Trame couleur</translation>
    </message>
    <message>
        <source>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</source>
        <translation>Une trame par canal de couleur au lieu d&apos;une trame grise</translation>
    </message>
    <message>
        <source>Struktur (Wellen)</source>
        <translation>Texture (vagues)</translation>
    </message>
    <message>
        <source>Struktur (Leinen)</source>
        <translation>Texture (lin)</translation>
    </message>
    <message>
        <source>Alterung</source>
        <translation>Vieillissement</translation>
    </message>
    <message>
        <source>Gesamtwirkung der Alterung</source>
        <translation>Effet global du vieillissement</translation>
    </message>
    <message>
        <source>Vergilbung</source>
        <translation>Jaunissement</translation>
    </message>
    <message>
        <source>Gelbstich, vor allem in den Lichtern</source>
        <translation>Dominante jaune, surtout dans les hautes lumières</translation>
    </message>
    <message>
        <source>Verblassen</source>
        <translation>Décoloration</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Angehobene Schwarztöne und stumpfe Lichter</source>
        <translation>Noirs relevés et hautes lumières ternes</translation>
    </message>
    <message>
        <source>Flecken</source>
        <translation>Taches</translation>
    </message>
    <message>
        <source>Braune Flecken und Staubpunkte</source>
        <translation>Taches brunes et poussières</translation>
    </message>
    <message>
        <source>Iter Tonemapping Kontrast</source>
        <translation>Mappage des tons itératif contraste</translation>
    </message>
    <message>
        <source>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</source>
        <translation>Taille des zones dont la luminosité est ajustée dans son ensemble.</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</source>
        <translation>Degré de rapprochement des zones claires et sombres.</translation>
    </message>
    <message>
        <source>erhalten</source>
        <translation>conservé</translation>
    </message>
    <message>
        <source>Iter Tonemapping Brillanz</source>
        <translation>Mappage des tons itératif brillance</translation>
    </message>
    <message>
        <source>Brillanz</source>
        <translation>Brillance</translation>
    </message>
    <message>
        <source>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</source>
        <translation>Renforce les détails et les couleurs de chaque canal par rapport à la luminosité.</translation>
    </message>
    <message>
        <source>Maske - Details</source>
        <translation>Masque - Détails</translation>
    </message>
    <message>
        <source>feine Details</source>
        <translation>détails fins</translation>
    </message>
    <message>
        <source>grobe Kanten</source>
        <translation>contours grossiers</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</source>
        <translation>Différence de luminosité dans le voisinage 3×3 à partir de laquelle un pixel est un détail.</translation>
    </message>
    <message>
        <source>Maske - NonDetails</source>
        <translation>Masque - Zones sans détail</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Rot</source>
        <translation>Masque - Part de rouge</translation>
    </message>
    <message>
        <source>rein</source>
        <translation>pur</translation>
    </message>
    <message>
        <source>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Part du canal rouge dans la somme des trois canaux à partir de laquelle un pixel est sélectionné (gris : 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Grün</source>
        <translation>Masque - Part de vert</translation>
    </message>
    <message>
        <source>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Part du canal vert dans la somme des trois canaux à partir de laquelle un pixel est sélectionné (gris : 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Blau</source>
        <translation>Masque - Part de bleu</translation>
    </message>
    <message>
        <source>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Part du canal bleu dans la somme des trois canaux à partir de laquelle un pixel est sélectionné (gris : 33 %).</translation>
    </message>
    <message>
        <source>Maske - MinMax</source>
        <translation>Masque - Min/max</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</source>
        <translation>Le canal le plus sombre doit être au moins aussi clair : les ombres bouchées restent exclues.</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</source>
        <translation>Le canal le plus clair doit être au plus aussi clair : les hautes lumières brûlées restent exclues.</translation>
    </message>
    <message>
        <source>Maske - Gradation</source>
        <translation>Masque - Courbe de tonalité</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Auswahlstärke über der Helligkeit.</source>
        <translation>Intensité de sélection selon la luminosité.</translation>
    </message>
    <message>
        <source>Maske - Verlauf</source>
        <translation>Masque - Dégradé</translation>
    </message>
    <message>
        <source>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</source>
        <translation>Entièrement sélectionné au premier point, plus du tout à partir du second.</translation>
    </message>
    <message>
        <source>Maske - Vignette</source>
        <translation>Masque - Vignette</translation>
    </message>
    <message>
        <source>Zentrum</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</source>
        <translation>Au-delà de cette distance du centre (100 % : les coins), le bord est entièrement sélectionné.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne</source>
        <translation>Masque - Tons chair</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf.</source>
        <translation>Écart autorisé de la teinte par rapport au ton chair.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne schützen</source>
        <translation>Masque - Protéger les tons chair</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</source>
        <translation>Écart autorisé de la teinte par rapport au ton chair ; tout sauf la peau est sélectionné.</translation>
    </message>
    <message>
        <source>Maske - Himmelsfarben</source>
        <translation>Masque - Couleurs du ciel</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Himmelblau abweichen darf.</source>
        <translation>Écart autorisé de la teinte par rapport au bleu ciel.</translation>
    </message>
    <message>
        <source>Maske - organisches Grün</source>
        <translation>Masque - Vert végétal</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</source>
        <translation>Écart autorisé de la teinte par rapport au vert des feuilles et de l&apos;herbe.</translation>
    </message>
    <message>
        <source>horizontale Weichzeichnung</source>
        <translation>Flou horizontal</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</source>
        <translation>Flou uniquement le long des lignes : les contours horizontaux restent nets.</translation>
    </message>
    <message>
        <source>vertikale Weichzeichnung</source>
        <translation>Flou vertical</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</source>
        <translation>Flou uniquement le long des colonnes : les contours verticaux restent nets.</translation>
    </message>
    <message>
        <source>gerichtete Weichzeichnung</source>
        <translation>Flou directionnel</translation>
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
        <translation>Direction du flou ; 0° horizontal, 90° vertical.</translation>
    </message>
    <message>
        <source>Verflüssigen</source>
        <translation>Fluidité</translation>
    </message>
    <message>
        <source>Größte Verschiebung der Bildpunkte.</source>
        <translation>Déplacement maximal des pixels.</translation>
    </message>
    <message>
        <source>Strukturgröße</source>
        <translation>Taille de la structure</translation>
    </message>
    <message>
        <source>Kirlian Weichzeichnung</source>
        <translation>Flou couronne</translation>
    </message>
    <message>
        <source>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</source>
        <translation>Degré de rayonnement doux des zones claires dans leur entourage plus sombre.</translation>
    </message>
    <message>
        <source>Kirlian Leuchten</source>
        <translation>Lueur couronne</translation>
    </message>
    <message>
        <source>Breite der Korona um die Kanten.</source>
        <translation>Largeur de la couronne autour des contours.</translation>
    </message>
    <message>
        <source>Leuchtkraft</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Neon Leuchten</source>
        <translation>Lueur néon</translation>
    </message>
    <message>
        <source>Leuchtradius</source>
        <translation>Rayon de lueur</translation>
    </message>
    <message>
        <source>Breite des Leuchtens um die Kanten.</source>
        <translation>Largeur de la lueur autour des contours.</translation>
    </message>
    <message>
        <source>Hintergrund abdunkeln</source>
        <translation>Assombrir l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Bildleuchten</source>
        <translation>Lueur de l&apos;image</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Bildbereiche leuchten.</source>
        <translation>Luminosité à partir de laquelle les zones de l&apos;image rayonnent.</translation>
    </message>
    <message>
        <source>kantenerhaltende Weichzeichnung</source>
        <translation>Flou préservant les contours</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</source>
        <translation>Jusqu&apos;à quelle différence de luminosité le lissage s&apos;applique ; les contours plus marqués sont conservés.</translation>
    </message>
    <message>
        <source>Gauss-Weichzeichnung</source>
        <translation>Flou gaussien</translation>
    </message>
    <message>
        <source>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</source>
        <translation>Distance maximale à laquelle un pixel contribue (environ trois écarts-types).</translation>
    </message>
    <message>
        <source>Farbkanal Weichzeichnung</source>
        <translation>Flou par canal</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Rotkanal.</source>
        <translation>Part du rayon pour le canal rouge.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Grünkanal.</source>
        <translation>Part du rayon pour le canal vert.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Blaukanal.</source>
        <translation>Part du rayon pour le canal bleu.</translation>
    </message>
    <message>
        <source>Farbton Weichzeichnung</source>
        <translation>Flou de teinte</translation>
    </message>
    <message>
        <source>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</source>
        <translation>La couleur est floutée, la luminosité reste : le bruit chromatique et les franges disparaissent.</translation>
    </message>
    <message>
        <source>Kreis-Weichzeichnung</source>
        <translation>Flou radial</translation>
    </message>
    <message>
        <source>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</source>
        <translation>Arc sur lequel chaque pixel est étalé autour du centre.</translation>
    </message>
    <message>
        <source>Fokus</source>
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Unschärfe</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Schärfebereich</source>
        <translation>Zone nette</translation>
    </message>
    <message>
        <source>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</source>
        <translation>Rayon de la zone nette autour du centre (100 % : les coins).</translation>
    </message>
    <message>
        <source>Bokeh</source>
        <translation>Bokeh</translation>
    </message>
    <message>
        <source>Radius der Unschärfescheibe.</source>
        <translation>Rayon du disque de flou.</translation>
    </message>
    <message>
        <source>Lichter betonen</source>
        <translation>Accentuer les lumières</translation>
    </message>
    <message>
        <source>Helle Lichter werden zu hellen Scheiben.</source>
        <translation>Les hautes lumières deviennent des disques lumineux.</translation>
    </message>
    <message>
        <source>Licht-Bokeh</source>
        <translation>Bokeh lumineux</translation>
    </message>
    <message>
        <source>Radius der Lichtscheiben.</source>
        <translation>Rayon des disques lumineux.</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Lichter Scheiben bilden.</source>
        <translation>Luminosité à partir de laquelle les lumières forment des disques.</translation>
    </message>
    <message>
        <source>Warp</source>
        <translation>Déformer</translation>
    </message>
    <message>
        <source>Verschiebung</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Einflussradius</source>
        <translation>Rayon d&apos;influence</translation>
    </message>
    <message>
        <source>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</source>
        <translation>Zone autour du centre déplacée avec lui (part du petit côté de l&apos;image).</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0° nach rechts, 90° nach unten.</source>
        <translation>0° vers la droite, 90° vers le bas.</translation>
    </message>
    <message>
        <source>Intensives Leuchten</source>
        <translation>Lueur intense</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 kann nicht geöffnet werden.</source>
        <translation>Impossible d&apos;ouvrir le fichier LUT %1.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</source>
        <translation>Le fichier LUT %1 contient une ligne de plus de %2 caractères.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</source>
        <translation>Le fichier LUT %1 contient un mot de plus de %2 caractères.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</source>
        <translation>Le fichier LUT %1 demande une table de %2 points ; %3 au maximum sont autorisés.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist keine Datei.</source>
        <translation>Le fichier LUT %1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist größer als %2 MB.</source>
        <translation>Le fichier LUT %1 dépasse %2 Mo.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>Impossible de lire le fichier LUT %1 : %2</translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Importer une LUT</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten je Achse übernommen.</source>
        <translation>%1 points par axe repris sur %2.</translation>
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
        <translation>F</translation>
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
        <translation>Afficher le masque : montre la sélection après l&apos;opérateur choisi en image grise</translation>
    </message>
    <message>
        <source>Tetraedrisch interpolieren</source>
        <translation>Interpolation tétraédrique</translation>
    </message>
    <message>
        <source>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</source>
        <translation>Interpoler entre les points de la LUT à partir de quatre voisins au lieu de huit</translation>
    </message>
    <message>
        <source>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</source>
        <translation>Ces réglages agissent sur des pixels voisins ou des positions de l&apos;image et ne sont pas contenus dans la LUT : %1</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Enregistrer l&apos;étalonnage comme LUT</translation>
    </message>
    <message>
        <source>Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</source>
        <translation>Ajouter la LUT à la bibliothèque de LUT (Oui) ou l&apos;enregistrer dans un fichier (Non) ?</translation>
    </message>
    <message>
        <source>Der LUT wurde nicht geschrieben: %1</source>
        <translation>La LUT n&apos;a pas été écrite : %1</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Mittelwert, Ausreißer betont</source>
        <translation>Moyenne, valeurs aberrantes accentuées</translation>
    </message>
    <message>
        <source>Mittelwert, Mehrheit betont</source>
        <translation>Moyenne, majorité accentuée</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Dispersion</translation>
    </message>
    <message>
        <source>Bewegungskarte</source>
        <translation>Carte de mouvement</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>Mitte zwischen Minimum und Maximum</source>
        <translation>Milieu entre minimum et maximum</translation>
    </message>
    <message>
        <source>Verblassende Spur</source>
        <translation>Traînée qui s&apos;estompe</translation>
    </message>
    <message>
        <source>Spitzheit der Verteilung</source>
        <translation>Aplatissement de la distribution</translation>
    </message>
    <message>
        <source>Beim Videoexport</source>
        <translation>À l&apos;export vidéo</translation>
    </message>
    <message>
        <source>Überblendete Bilder</source>
        <translation>Images fusionnées</translation>
    </message>
    <message>
        <source>Überblendung</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>Vorher/Nachher</source>
        <translation>Avant/après</translation>
    </message>
    <message>
        <source>Hälfte</source>
        <translation>Moitié</translation>
    </message>
    <message>
        <source>Mitte nebeneinander</source>
        <translation>Centres côte à côte</translation>
    </message>
</context>
<context>
    <name>HDRPresetCombineWindow</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combiner des préréglages</translation>
    </message>
    <message>
        <source>Kombinieren ausführen</source>
        <translation>Combiner</translation>
    </message>
    <message>
        <source>Voreinstellung A</source>
        <translation>Préréglage A</translation>
    </message>
    <message>
        <source>Voreinstellung B</source>
        <translation>Préréglage B</translation>
    </message>
</context>
<context>
    <name>HDRPresetGroupBox</name>
    <message>
        <source>Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.</source>
        <translation>Ce préréglage utilise des effets que cette version ne connaît pas.</translation>
    </message>
    <message>
        <source>Klicken, um die Voreinstellung anzuwenden</source>
        <translation>Cliquez pour appliquer le préréglage</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Kopiert die Voreinstellung als eigene Voreinstellung</source>
        <translation>Copie le préréglage comme préréglage personnel</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Lädt die Voreinstellung wieder aus ihrer Datei</source>
        <translation>Recharge le préréglage depuis son fichier</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Speichert die aktuelle Bearbeitung in diese Voreinstellung</source>
        <translation>Enregistre le traitement actuel dans ce préréglage</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Gibt der Voreinstellung einen neuen Namen</source>
        <translation>Donne un nouveau nom au préréglage</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Löscht die Voreinstellung</source>
        <translation>Supprime le préréglage</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach oben</source>
        <translation>Monte le préréglage d&apos;une place</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach unten</source>
        <translation>Descend le préréglage d&apos;une place</translation>
    </message>
    <message>
        <source>Fehlende Effekte</source>
        <translation>Effets manquants</translation>
    </message>
</context>
<context>
    <name>HDRPresetsDockWidget</name>
    <message>
        <source>Voreinstellungen</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Zeigt nur Voreinstellungen mit diesem Stichwort</source>
        <translation>Affiche uniquement les préréglages portant ce mot-clé</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Importer des préréglages</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Exporter le préréglage</translation>
    </message>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combiner des préréglages</translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation>Une erreur s&apos;est produite : journal ou continuer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation>en cours d&apos;estimation</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Temps écoulé : </translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation>Temps restant estimé : </translation>
    </message>
    <message numerus="yes">
        <source>%n Tage</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Stunden</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
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
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HDRScopesDockWidget</name>
    <message>
        <source>Scopes</source>
        <translation>Moniteurs</translation>
    </message>
</context>
<context>
    <name>HDRTimelineDockWidget</name>
    <message>
        <source>Timeline Window</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt einladen</source>
        <translation>Charger ce point d&apos;annulation</translation>
    </message>
    <message>
        <source>tooltip Timeline-Notiz editieren</source>
        <translation>Modifier la note de ce point</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt löschen</source>
        <translation>Supprimer ce point d&apos;annulation</translation>
    </message>
    <message>
        <source>Notiz eintragen</source>
        <translation>Saisir une note</translation>
    </message>
    <message>
        <source>Geben Sie eine Notiz ein:</source>
        <translation>Saisissez une note :</translation>
    </message>
    <message>
        <source>Soll dieser Undo-Punkt wirklich gelöscht werden?</source>
        <translation>Voulez-vous vraiment supprimer ce point d&apos;annulation ?</translation>
    </message>
    <message>
        <source>Undo-Eintrag</source>
        <translation>entrée d&apos;annulation</translation>
    </message>
    <message>
        <source>Undo-Einträge</source>
        <translation>entrées d&apos;annulation</translation>
    </message>
    <message>
        <source>verfügbar</source>
        <translation>disponibles</translation>
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
        <translation>Éclaircir</translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation>Assombrir</translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation>Moyenne géométrique</translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation>Intensifier</translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation>Négation</translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation>Exclusion</translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation>Lumière tamisée</translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation>Incrustation</translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation>Densité couleur -</translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation>Densité couleur +</translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation>Densité linéaire +</translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation>Lumière linéaire</translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation>Lumière vive</translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation>Lumière ponctuelle</translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation>Mélange maximal</translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation>Lueur</translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation>Chaleur</translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation>Gel</translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation>Somme cubique</translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation>Moyenne quadratique</translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation>Atténuer le contraste</translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation>Renforcer le contraste</translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation>Lumière crue (luminance)</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation>Éclaircir (doux)</translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation>Ombres</translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation>Tons moyens</translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation>Hautes lumières</translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation>Tons gris</translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation>Tons colorés</translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation>Canal rouge</translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation>Canal vert</translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation>Canal bleu</translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation>Canaux vert et bleu</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation>Canaux rouge et bleu</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation>Canaux rouge et vert</translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation>Ombres profondes</translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation>Hautes lumières vives</translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation>Addition (limitée)</translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation>Addition (ombres)</translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation>Ajouter la différence</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation>Teinte TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation>Saturation TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation>Couleur TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation>Valeur TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation>Moyenne TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation>Assombrir TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation>Éclaircir TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation>Désaturer TSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation>Saturer TSV</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation>Teinte TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation>Saturation TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation>Couleur TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation>Luminosité TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation>Moyenne TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation>Assombrir TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation>Éclaircir TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation>Désaturer TSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation>Saturer TSL</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation>Styles LUT enregistrés : choisissez-en un pour l&apos;appliquer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation>Bibliothèque de LUT</translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation>Ajouter la LUT actuelle à la bibliothèque</translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation>Supprimer la LUT choisie de la bibliothèque</translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation>Charger une LUT</translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation>Charger une LUT depuis un fichier cube</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Enregistrer la LUT</translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation>Enregistrer la LUT actuelle dans un fichier cube</translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation>Créer la LUT à partir de l&apos;image précédente du dossier</translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation>LUT depuis une image</translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation>Créer la LUT à partir de l&apos;image suivante du dossier</translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation>Type 1</translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation>Méthode 1 : reprend la répartition tonale de chaque canal de couleur</translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation>Type 2</translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation>Méthode 2 : reprend les tons et les teintes</translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation>LUT de 17 points par axe</translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation>LUT de 25 points par axe</translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation>LUT de 32 points par axe</translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation>LUT de 64 points par axe</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Création des aperçus : </translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Importer une LUT</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Enregistrer l&apos;étalonnage comme LUT</translation>
    </message>
    <message>
        <source>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</source>
        <translation>Enregistrer l&apos;effet colorimétrique de tout le traitement comme LUT de la taille choisie</translation>
    </message>
</context>
<context>
    <name>PPPreset</name>
    <message>
        <source>Klarer Tag</source>
        <translation>Journée claire</translation>
    </message>
    <message>
        <source>Sanftes Licht</source>
        <translation>Lumière douce</translation>
    </message>
    <message>
        <source>Warmer Abend</source>
        <translation>Soirée chaude</translation>
    </message>
    <message>
        <source>Frische Farben</source>
        <translation>Couleurs fraîches</translation>
    </message>
    <message>
        <source>Natürlicher Kontrast</source>
        <translation>Contraste naturel</translation>
    </message>
    <message>
        <source>Helle Mitten</source>
        <translation>Tons moyens clairs</translation>
    </message>
    <message>
        <source>Negativtraum</source>
        <translation>Rêve négatif</translation>
    </message>
    <message>
        <source>Traumleuchten</source>
        <translation>Lueur de rêve</translation>
    </message>
    <message>
        <source>Fremde Welt</source>
        <translation>Monde étrange</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarouge</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Blaue Umkehr</source>
        <translation>Inversion bleue</translation>
    </message>
    <message>
        <source>Blauer Himmel</source>
        <translation>Ciel bleu</translation>
    </message>
    <message>
        <source>Sattes Grün</source>
        <translation>Vert intense</translation>
    </message>
    <message>
        <source>Herbstwald</source>
        <translation>Forêt d&apos;automne</translation>
    </message>
    <message>
        <source>Nebelmorgen</source>
        <translation>Matin brumeux</translation>
    </message>
    <message>
        <source>Dramatischer Himmel</source>
        <translation>Ciel dramatique</translation>
    </message>
    <message>
        <source>Wüstensonne</source>
        <translation>Soleil du désert</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Béton</translation>
    </message>
    <message>
        <source>Glas und Stahl</source>
        <translation>Verre et acier</translation>
    </message>
    <message>
        <source>Klare Linien</source>
        <translation>Lignes nettes</translation>
    </message>
    <message>
        <source>Altstadt</source>
        <translation>Vieille ville</translation>
    </message>
    <message>
        <source>Nachtstadt</source>
        <translation>Ville de nuit</translation>
    </message>
    <message>
        <source>Warme Haut</source>
        <translation>Peau chaude</translation>
    </message>
    <message>
        <source>Weiche Haut</source>
        <translation>Peau douce</translation>
    </message>
    <message>
        <source>Portrait Schwarzweiß</source>
        <translation>Portrait noir et blanc</translation>
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
        <translation>Sépia classique</translation>
    </message>
    <message>
        <source>Filmkorn</source>
        <translation>Grain argentique</translation>
    </message>
    <message>
        <source>Kreuzentwicklung</source>
        <translation>Traitement croisé</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Zweiton</source>
        <translation>Bichromie</translation>
    </message>
    <message>
        <source>Lochkamera</source>
        <translation>Sténopé</translation>
    </message>
</context>
<context>
    <name>PPPresetCategory</name>
    <message>
        <source>SearchTag leer</source>
        <translation>Sans catégorie</translation>
    </message>
    <message>
        <source>SearchTag Benutzer</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>user</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Naturel</translation>
    </message>
    <message>
        <source>surreal</source>
        <translation>Surréaliste</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Paysage</translation>
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
        <translation>Artistique</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Weich</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>Farbig</source>
        <translation>Coloré</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Kühl</source>
        <translation>Froid</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>Rétro</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>Noir et blanc</translation>
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
        <translation>Mappage des tons</translation>
    </message>
    <message>
        <source>Undo-Daten bereinigen</source>
        <translation>Nettoyage des données d&apos;annulation</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Initialisiere System</source>
        <translation>Initialisation du système</translation>
    </message>
</context>
<context>
    <name>WindowsRegistryHelper</name>
    <message>
        <source>Vantrope Marlix Projektdatei</source>
        <translation>Fichier de projet Vantrope Marlix</translation>
    </message>
    <message>
        <source>Error in setting Registry values</source>
        <translation>Erreur lors de l&apos;association de fichiers</translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation>Impossible d&apos;enregistrer l&apos;association de fichiers pour « %1 ».</translation>
    </message>
</context>
</TS>
