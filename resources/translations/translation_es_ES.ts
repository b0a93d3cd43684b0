<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="de_DE">
<context>
    <name>CCliArguments</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unerwartetes Argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>%1 braucht %2 (siehe vantrope-cli %1 --help)</source>
        <translation>%1 necesita %2 (véase vantrope-cli %1 --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lässt sich nicht benennen: %2</source>
        <translation>no se puede nombrar «%1»: %2</translation>
    </message>
    <message>
        <source>Option --%1 fehlt</source>
        <translation>falta la opción --%1</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>valor no válido para --%1: «%2» (se espera un número de 0 a 1)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</source>
        <translation>valor no válido para --%1: «%2» (se espera un número entero de %3 a %4)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (%3)</source>
        <translation>valor no válido para --%1: «%2» (%3)</translation>
    </message>
    <message>
        <source>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</source>
        <translation>posición no válida «%1» (milisegundos, 0 o más)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</source>
        <translation>tamaño no válido «%1» (se espera WxH, de %2 a %3 cada uno)</translation>
    </message>
</context>
<context>
    <name>CClipDecoder</name>
    <message>
        <source>Die Datei %1 enthält kein lesbares Video.</source>
        <translation>El archivo %1 no contiene ningún vídeo legible.</translation>
    </message>
    <message>
        <source>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</source>
        <translation>El vídeo tiene un tamaño de fotograma no admitido (%1 × %2).</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für den Videodecoder.</source>
        <translation>No hay memoria suficiente para el decodificador de vídeo.</translation>
    </message>
    <message>
        <source>Das Videoformat von %1 kann nicht dekodiert werden.</source>
        <translation>No se puede descodificar el formato de vídeo de %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>Kein Video geöffnet.</source>
        <translation>No hay ningún vídeo abierto.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden.</source>
        <translation>No se ha podido convertir el fotograma.</translation>
    </message>
    <message>
        <source>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</source>
        <translation>No se puede leer ningún fotograma en la posición %1: el archivo está dañado o incompleto.</translation>
    </message>
</context>
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation>Procesamiento de vídeo</translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation>¿Seguro que desea cancelar el procesamiento del vídeo?</translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation>Se ha producido un error inesperado. Código: %1</translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation>El programa %1 no respondió a tiempo y se ha detenido.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>No se puede escribir en la carpeta de destino.</translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation>El disco de la carpeta de destino está lleno.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation>El formato de vídeo elegido generará un archivo muy grande. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation>Procesando el archivo de vídeo</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation>Procesando el archivo de vídeo (audio)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation>Procesando el archivo de vídeo (conversión)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation>Procesando el archivo de vídeo (finalización)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation>Procesando el archivo de vídeo (vídeo)</translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation>Con %2 bytes, el archivo %1 es demasiado grande para un ajuste preestablecido (máximo %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation>El archivo %1 tiene %2 operadores; un ajuste preestablecido admite como máximo %3.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation>El archivo %1 no es un ajuste preestablecido.</translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation>Falta la entrada Kernel del grupo %2 en el archivo %1.</translation>
    </message>
</context>
<context>
    <name>CPresetCombiner</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combinar ajustes</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Introduzca un nombre:</translation>
    </message>
</context>
<context>
    <name>CPresetLibrary</name>
    <message>
        <source>Critical error</source>
        <translation>Error crítico</translation>
    </message>
    <message>
        <source>No post-processing presets found! Please reinstall...</source>
        <translation>No se han encontrado ajustes preestablecidos. Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Importierte Presets:</source>
        <translation>Ajustes importados:</translation>
    </message>
    <message>
        <source>Bereits vorhandene Presets:</source>
        <translation>Ajustes ya existentes:</translation>
    </message>
    <message>
        <source>Inkompatible Presets:</source>
        <translation>Ajustes incompatibles:</translation>
    </message>
    <message>
        <source>Fehlerhafte Presets:</source>
        <translation>Ajustes defectuosos:</translation>
    </message>
    <message>
        <source>Zu Addons gehörende Presets:</source>
        <translation>Ajustes que pertenecen a complementos:</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Importar ajustes</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
    <message>
        <source>Preset Import Messagetitle</source>
        <translation>Importación de ajustes</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Exportar ajuste</translation>
    </message>
    <message>
        <source>MyPreset</source>
        <translation>Mi ajuste</translation>
    </message>
    <message>
        <source>Voreinstellung kopieren</source>
        <translation>Copiar ajuste</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Introduzca un nombre:</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Voreinstellung umbenennen</source>
        <translation>Cambiar nombre del ajuste</translation>
    </message>
    <message>
        <source>Vergeben sie einen neuen Namen:</source>
        <translation>Introduzca un nombre nuevo:</translation>
    </message>
    <message>
        <source>Voreinstellung löschen?</source>
        <translation>¿Eliminar ajuste?</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</source>
        <translation>¿Seguro que desea eliminar el ajuste «%1»?</translation>
    </message>
    <message>
        <source>Voreinstellung zurücksetzen</source>
        <translation>Restablecer ajuste</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</source>
        <translation>¿Seguro que desea restablecer el ajuste «%1»?</translation>
    </message>
</context>
<context>
    <name>CPresetsDockModel</name>
    <message>
        <source>Alle</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Natürlich</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>Surreal</source>
        <translation>Surrealista</translation>
    </message>
    <message>
        <source>Landschaft</source>
        <translation>Paisaje</translation>
    </message>
    <message>
        <source>Architektur</source>
        <translation>Arquitectura</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Artístico</translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation>Forma de onda (luma)</translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation>Desfile RGB</translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation>Vectorscopio</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation>Qué monitor se muestra aquí</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation>Ganancia </translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation>Brillo de los trazos: los valores altos muestran con claridad también los valores poco frecuentes</translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation>Logarítmico</translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation>Alturas del histograma en escala logarítmica en lugar de lineal</translation>
    </message>
</context>
<context>
    <name>CVideoDockWidget</name>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Ajustes de vídeo</translation>
    </message>
    <message>
        <source>Das Quellvideo im Standardprogramm abspielen</source>
        <translation>Reproducir el vídeo de origen en el reproductor predeterminado</translation>
    </message>
    <message>
        <source>Das gespeicherte Video im Standardprogramm abspielen</source>
        <translation>Reproducir el vídeo guardado en el reproductor predeterminado</translation>
    </message>
    <message>
        <source>Den Ton des Quellvideos übernehmen</source>
        <translation>Conservar el sonido del vídeo de origen</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Die Metadaten des Quellvideos übernehmen</source>
        <translation>Conservar los metadatos del vídeo de origen</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <translation>Metadatos</translation>
    </message>
    <message>
        <source>Das Video waagerecht spiegeln</source>
        <translation>Reflejar el vídeo horizontalmente</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Das Video senkrecht spiegeln</source>
        <translation>Voltear el vídeo verticalmente</translation>
    </message>
    <message>
        <source>Kippen</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Videoformat der gespeicherten Datei</source>
        <translation>Formato de vídeo del archivo guardado</translation>
    </message>
    <message>
        <source>Qualität der gespeicherten Datei</source>
        <translation>Calidad del archivo guardado</translation>
    </message>
    <message>
        <source>Kompressionsartefakte der Quelle mindern</source>
        <translation>Reducir los artefactos de compresión del origen</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Guardar todo el vídeo con la corrección actual</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Guardar vídeo</translation>
    </message>
    <message>
        <source>Klicken oder ziehen wählt das Bild, das bearbeitet wird</source>
        <translation>Haga clic o arrastre para elegir el fotograma que se edita</translation>
    </message>
    <message>
        <source>Mehr Vorschaubilder in der Zeitleiste zeigen</source>
        <translation>Mostrar más miniaturas en la línea de tiempo</translation>
    </message>
    <message>
        <source>Zum Anfang (Pos1)</source>
        <translation>Al principio (Inicio)</translation>
    </message>
    <message>
        <source>Eine Sekunde zurück (Umschalt+Links)</source>
        <translation>Un segundo atrás (Mayús+Izquierda)</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Links)</source>
        <translation>Un fotograma atrás (Izquierda)</translation>
    </message>
    <message>
        <source>Zur Mitte</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Ein Bild vor (Rechts)</source>
        <translation>Un fotograma adelante (Derecha)</translation>
    </message>
    <message>
        <source>Eine Sekunde vor (Umschalt+Rechts)</source>
        <translation>Un segundo adelante (Mayús+Derecha)</translation>
    </message>
    <message>
        <source>Zum Ende (Ende)</source>
        <translation>Al final (Fin)</translation>
    </message>
    <message>
        <source>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</source>
        <translation>Tiempo (horas:minutos:segundos:fotogramas) y número del fotograma mostrado</translation>
    </message>
    <message>
        <source>Wiedergabe anhalten (Leertaste, Esc)</source>
        <translation>Detener la reproducción (Espacio, Esc)</translation>
    </message>
    <message>
        <source>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</source>
        <translation>Reproducir el vídeo editado en la vista previa (Espacio)</translation>
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
        <translation>Sin comprimir (AVI)</translation>
    </message>
    <message>
        <source>Unkomprimiert (AVI)</source>
        <translation>Sin comprimir (AVI)</translation>
    </message>
    <message>
        <source>Video Quality Best</source>
        <translation>Máxima calidad</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Máxima calidad</translation>
    </message>
    <message>
        <source>Video Quality Better</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <source>Video Quality Normal</source>
        <translation>Calidad normal</translation>
    </message>
    <message>
        <source>Normale Qualität</source>
        <translation>Calidad normal</translation>
    </message>
    <message>
        <source>Video Quality Low</source>
        <translation>Baja calidad</translation>
    </message>
    <message>
        <source>Geringe Qualität</source>
        <translation>Baja calidad</translation>
    </message>
    <message>
        <source>Video Quality Lowest</source>
        <translation>Calidad mínima</translation>
    </message>
    <message>
        <source>Geringste Qualität</source>
        <translation>Calidad mínima</translation>
    </message>
    <message>
        <source>Video Artefact Unchanged</source>
        <translation>Sin reducción de artefactos</translation>
    </message>
    <message>
        <source>Keine Artefaktminderung</source>
        <translation>Sin reducción de artefactos</translation>
    </message>
    <message>
        <source>Video Artefact Slight</source>
        <translation>Reducción ligera de artefactos</translation>
    </message>
    <message>
        <source>Leichte Artefaktminderung</source>
        <translation>Reducción ligera de artefactos</translation>
    </message>
    <message>
        <source>Video Artefact Strong</source>
        <translation>Reducción fuerte de artefactos</translation>
    </message>
    <message>
        <source>Starke Artefaktminderung</source>
        <translation>Reducción fuerte de artefactos</translation>
    </message>
    <message>
        <source>Video Artefact Intensive</source>
        <translation>Reducción intensiva de artefactos</translation>
    </message>
    <message>
        <source>Intensive Artefaktminderung</source>
        <translation>Reducción intensiva de artefactos</translation>
    </message>
    <message>
        <source>Video Artefact Maximal</source>
        <translation>Reducción máxima de artefactos</translation>
    </message>
    <message>
        <source>Maximale Artefaktminderung</source>
        <translation>Reducción máxima de artefactos</translation>
    </message>
    <message>
        <source>Auflösung: %1 x %2 px</source>
        <translation>Resolución: %1 x %2 px</translation>
    </message>
    <message>
        <source>Länge: %1  (%2 fps)</source>
        <translation>Duración: %1  (%2 fps)</translation>
    </message>
    <message>
        <source>Länge: %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>%1  (Bild %2)</source>
        <translation>%1  (fotograma %2)</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>No hay memoria suficiente para la imagen.</translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation>Guardar vídeo</translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation>Mi vídeo</translation>
    </message>
</context>
<context>
    <name>CliBench</name>
    <message>
        <source>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</source>
        <translation>tamaño no válido «%1» (200.000.000 píxeles como máximo)</translation>
    </message>
    <message>
        <source>kein Benchmark genannt (siehe bench --list)</source>
        <translation>no se ha indicado ninguna prueba de rendimiento (véase bench --list)</translation>
    </message>
    <message>
        <source>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</source>
        <translation>prueba de rendimiento desconocida «%1» (véase bench --list)</translation>
    </message>
    <message>
        <source>%1 ist nicht im Katalog</source>
        <translation>%1 no está en el catálogo</translation>
    </message>
    <message>
        <source>ungültiges --bpp (1..16)</source>
        <translation>--bpp no válido (1..16)</translation>
    </message>
    <message>
        <source>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</source>
        <translation>no se pueden leer %1 bytes de rgb48le de «%2»</translation>
    </message>
    <message>
        <source>ungültiges --reuse (0 oder 1)</source>
        <translation>--reuse no válido (0 o 1)</translation>
    </message>
    <message>
        <source>das Arbeitsbild kann nicht angelegt werden</source>
        <translation>no se puede reservar la imagen de trabajo</translation>
    </message>
    <message>
        <source>ein Preset mit %1 Operatoren kann nicht geschrieben werden</source>
        <translation>no se puede escribir un ajuste preestablecido de %1 operadores</translation>
    </message>
    <message>
        <source>keine Verbesserungsoperatoren im Katalog</source>
        <translation>no hay operadores de mejora en el catálogo</translation>
    </message>
    <message>
        <source>ungültiger --radius (min oder max)</source>
        <translation>--radius no válido (min o max)</translation>
    </message>
    <message>
        <source>unbekannter --operator &apos;%1&apos;</source>
        <translation>--operator desconocido «%1»</translation>
    </message>
    <message>
        <source>ungültige --lut-size (2..64)</source>
        <translation>--lut-size no válido (2..64)</translation>
    </message>
    <message>
        <source>--lut %1 kann nicht gelesen werden</source>
        <translation>no se puede leer --lut %1</translation>
    </message>
    <message>
        <source>aus --frame %2 lassen sich keine %1 Bytes lesen</source>
        <translation>no se pueden leer %1 bytes de --frame %2</translation>
    </message>
    <message>
        <source>ungültiges --interp (trilinear, tetrahedral)</source>
        <translation>--interp no válido (trilinear, tetrahedral)</translation>
    </message>
    <message>
        <source>ungültige Größe für --scope (WxH, je %1 bis %2)</source>
        <translation>tamaño de --scope no válido (WxH, de %1 a %2 cada uno)</translation>
    </message>
    <message>
        <source>--kind muss waveform, parade, vectorscope oder histogram sein</source>
        <translation>--kind debe ser waveform, parade, vectorscope o histogram</translation>
    </message>
    <message>
        <source>der Katalog hat kein %1</source>
        <translation>el catálogo no tiene %1</translation>
    </message>
    <message>
        <source>%1 hat keinen Satz %2</source>
        <translation>%1 no tiene el conjunto %2</translation>
    </message>
    <message>
        <source>--lut-size muss 2 bis 64 sein</source>
        <translation>--lut-size debe estar entre 2 y 64</translation>
    </message>
    <message>
        <source>die Vorschau konnte das Bild nicht bearbeiten</source>
        <translation>la vista previa no ha podido corregir el fotograma</translation>
    </message>
    <message>
        <source>keine Presets neben dem Programm</source>
        <translation>no hay ajustes preestablecidos junto al programa</translation>
    </message>
    <message>
        <source>--all nimmt 0 oder 1</source>
        <translation>--all admite 0 o 1</translation>
    </message>
    <message>
        <source>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</source>
        <translation>al catálogo le falta el desenfoque gaussiano o la máscara de piel</translation>
    </message>
    <message>
        <source>braucht --clip DATEI</source>
        <translation>necesita --clip ARCHIVO</translation>
    </message>
    <message>
        <source>read-pipe braucht --clip DATEI</source>
        <translation>read-pipe necesita --clip ARCHIVO</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden</source>
        <translation>no se puede analizar «%1»</translation>
    </message>
</context>
<context>
    <name>CliClip</name>
    <message>
        <source>Export abgebrochen; nichts wurde geschrieben</source>
        <translation>exportación cancelada; no se ha escrito nada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</source>
        <translation>no se puede escribir «%1»: la carpeta no existe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</source>
        <translation>no se puede escribir «%1»: es el clip de entrada</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</source>
        <translation>%1 no encontrado o no ejecutable en %2 (instale ffmpeg, o haga que VANTROPE_FFMPEG_DIR apunte a una carpeta que lo contenga)</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</source>
        <translation>no se puede leer el clip «%1»: el archivo no existe</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</source>
        <translation>no se puede leer el clip «%1»: no es un archivo normal</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</source>
        <translation>no se puede leer el clip «%1»: permiso denegado</translation>
    </message>
    <message>
        <source>kein temporärer Ordner: %1</source>
        <translation>no hay carpeta temporal: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</source>
        <translation>«%1» está vacío (0 bytes), no es un clip de vídeo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</source>
        <translation>no se puede analizar «%1»: no es un archivo multimedia que ffprobe entienda (dañado, cortado o de otro tipo)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</source>
        <translation>«%1» no contiene ningún flujo de vídeo, solo %2 flujo(s) de audio</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream</source>
        <translation>«%1» no contiene ningún flujo de vídeo</translation>
    </message>
    <message>
        <source>%1 hat nicht rechtzeitig geantwortet und wurde beendet</source>
        <translation>%1 no respondió a tiempo y se ha detenido</translation>
    </message>
</context>
<context>
    <name>CliFrame</name>
    <message>
        <source>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</source>
        <translation>«%1»: --frame escribe archivos .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm o .tif32</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht dekodiert werden: %2</source>
        <translation>no se puede decodificar «%1»: %2</translation>
    </message>
    <message>
        <source>kein Bild %1 in &apos;%2&apos;: %3</source>
        <translation>no hay fotograma %1 en «%2»: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</source>
        <translation>«%1» no tiene el fotograma %2 (el último es el fotograma %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>entweder --at oder --frame angeben</source>
        <translation>indique --at o --frame, no ambos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</source>
        <translation>«%1» no tiene una extensión que indique un formato de imagen</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</source>
        <translation>no se ha podido extraer ningún fotograma en %1 ms de «%2»</translation>
    </message>
</context>
<context>
    <name>CliGrade</name>
    <message>
        <source>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</source>
        <translation>el ajuste preestablecido «%1» usa operadores que esta versión no tiene: %2</translation>
    </message>
    <message>
        <source>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</source>
        <translation>operador desconocido «%1» (véase vantrope-cli operators)</translation>
    </message>
    <message>
        <source>--set braucht ein --operator davor</source>
        <translation>--set necesita un --operator antes</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</source>
        <translation>--set no válido «%1» (INDEX=V0,V1,... con INDEX un conjunto de %2, de 0 a %3)</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</source>
        <translation>--set no válido «%1»: «%2» no es un número</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</source>
        <translation>--set no válido «%1»: el conjunto %2 de %3 admite %4 valores</translation>
    </message>
    <message>
        <source>--%1 braucht --film-type</source>
        <translation>--%1 necesita --film-type</translation>
    </message>
    <message>
        <source>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</source>
        <translation>tipo de película desconocido «%1» (conocidos: %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</source>
        <translation>valor no válido para --blend: «%1» (FOTOGRAMAS:MODO, fotogramas 1, 2, 3 o 5, modo 1 a 11)</translation>
    </message>
    <message>
        <source>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</source>
        <translation>--%1 es para clips (una salida terminada en .mp4 o .avi)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>no se puede escribir «%1»: extensión de imagen desconocida</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>no se puede leer la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</source>
        <translation>no se puede corregir «%1»: memoria insuficiente</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>grade braucht EIN AUS (siehe vantrope-cli grade --help)</source>
        <translation>grade necesita ENTRADA SALIDA (véase vantrope-cli grade --help)</translation>
    </message>
    <message>
        <source>die Korrektur kann nicht gebacken werden: nicht genug Speicher</source>
        <translation>no se puede hornear la corrección: memoria insuficiente</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>[Optionen]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1</source>
        <translation>Uso: vantrope-cli %1</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>der Benchmark (siehe --list)</source>
        <translation>la prueba de rendimiento (véase --list)</translation>
    </message>
    <message>
        <source>listet die Benchmarks</source>
        <translation>lista las pruebas de rendimiento</translation>
    </message>
    <message>
        <source>die Bildgröße (Vorgabe 1920x1080)</source>
        <translation>el tamaño de fotograma (1920x1080 por defecto)</translation>
    </message>
    <message>
        <source>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</source>
        <translation>ejecuciones cronometradas tras dos de calentamiento (20 por defecto)</translation>
    </message>
    <message>
        <source>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</source>
        <translation>hilos de trabajo, de 1 a 64 (por defecto: los de la máquina)</translation>
    </message>
    <message>
        <source>LUT-Punkte je Achse</source>
        <translation>puntos de LUT por eje</translation>
    </message>
    <message>
        <source>DATEI.cube</source>
        <translation>ARCHIVO.cube</translation>
    </message>
    <message>
        <source>eine LUT statt einer erfundenen</source>
        <translation>una LUT en lugar de una inventada</translation>
    </message>
    <message>
        <source>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</source>
        <translation>un fotograma de RGB de 16 bits empaquetado en lugar de uno inventado</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>der zu lesende Clip</source>
        <translation>el clip que se lee</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT</source>
        <translation>el modo de fusión de la LUT</translation>
    </message>
    <message>
        <source>misst die Referenz-Zeilenfunktion</source>
        <translation>cronometra la función de fila de referencia</translation>
    </message>
    <message>
        <source>das Nachschlagen der LUT zwischen ihren Punkten</source>
        <translation>la consulta de la LUT entre sus puntos</translation>
    </message>
    <message>
        <source>die Tabellen der Engine zwischen Durchläufen behalten</source>
        <translation>conservar las tablas del motor entre ejecuciones</translation>
    </message>
    <message>
        <source>kopierte Bytes je Pixel</source>
        <translation>bytes copiados por píxel</translation>
    </message>
    <message>
        <source>PIXEL</source>
        <translation>PÍXELES</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau</source>
        <translation>el lado largo de la vista previa</translation>
    </message>
    <message>
        <source>die Zeitmesszeilen der Engine</source>
        <translation>las líneas de tiempos del motor</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes</source>
        <translation>el tamaño de la imagen del monitor</translation>
    </message>
    <message>
        <source>nur dieses Scope</source>
        <translation>solo este monitor</translation>
    </message>
    <message>
        <source>nach dem Scrubben gemessene Schritte zum nächsten Bild</source>
        <translation>pasos al fotograma siguiente cronometrados tras el desplazamiento</translation>
    </message>
    <message>
        <source>Sekunden Wiedergabe</source>
        <translation>segundos de reproducción</translation>
    </message>
    <message>
        <source>jeder Operator der Familie</source>
        <translation>cada operador de la familia</translation>
    </message>
    <message>
        <source>nur dieser Operator, mit den Vorgaben des Katalogs</source>
        <translation>solo este operador, con los valores por defecto del catálogo</translation>
    </message>
    <message>
        <source>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</source>
        <translation>los operadores locales con su radio mínimo o máximo</translation>
    </message>
    <message>
        <source>Operatorgruppen im Preset, das preset-load liest</source>
        <translation>grupos de operadores en el ajuste preestablecido que lee preset-load</translation>
    </message>
    <message>
        <source>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</source>
        <translation>ejecuta una prueba de rendimiento indicada tras el calentamiento y muestra su línea de tiempos</translation>
    </message>
    <message>
        <source>der Clip</source>
        <translation>el clip</translation>
    </message>
    <message>
        <source>die Position des Bildes in Millisekunden</source>
        <translation>la posición del fotograma en milisegundos</translation>
    </message>
    <message>
        <source>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</source>
        <translation>el fotograma N (contando desde 0), decodificado en el programa; escrito en un formato de imagen fija</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung nennt das Format</source>
        <translation>la imagen que se escribe; su extensión indica el formato</translation>
    </message>
    <message>
        <source>das Bild auf diese Größe skaliert</source>
        <translation>el fotograma escalado a este tamaño</translation>
    </message>
    <message>
        <source>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</source>
        <translation>un fotograma de un clip como archivo de imagen, tomado como lo hace el panel de vídeo</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>ENTRADA</translation>
    </message>
    <message>
        <source>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</source>
        <translation>una imagen fija, o un clip si SALIDA lo es (con --project: la salida)</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</source>
        <translation>la imagen que se escribe (su extensión elige el formato), o un clip terminado en .mp4 o .avi</translation>
    </message>
    <message>
        <source>NAME|DATEI.ini</source>
        <translation>NOMBRE|ARCHIVO.ini</translation>
    </message>
    <message>
        <source>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</source>
        <translation>la cadena de operadores de un ajuste preestablecido: el nombre visible o de archivo de un ajuste incluido o del usuario, o un archivo de ajuste (véase presets)</translation>
    </message>
    <message>
        <source>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</source>
        <translation>añade un operador con los valores por defecto del catálogo (repetible, en orden; véase operators)</translation>
    </message>
    <message>
        <source>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</source>
        <translation>sustituye los primeros valores de un conjunto del --operator anterior (repetible)</translation>
    </message>
    <message>
        <source>DATEI.cml</source>
        <translation>ARCHIVO.cml</translation>
    </message>
    <message>
        <source>Farbebenen des Farbfensters, vor der Kette angewandt</source>
        <translation>capas de color de la ventana de color, aplicadas antes de la cadena</translation>
    </message>
    <message>
        <source>DATEI.vantropeProject</source>
        <translation>ARCHIVO.vantropeProject</translation>
    </message>
    <message>
        <source>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</source>
        <translation>corrige la imagen fija o el clip del proyecto con su corrección guardada (entonces solo SALIDA)</translation>
    </message>
    <message>
        <source>ein Filmtyp aus filmtypes_vantrope.xml</source>
        <translation>un tipo de película de filmtypes_vantrope.xml</translation>
    </message>
    <message>
        <source>seine Stärke von 0 bis 1 (Vorgabe 1)</source>
        <translation>su intensidad de 0 a 1 (1 por defecto)</translation>
    </message>
    <message>
        <source>seine Körnung von 0 bis 1 (Vorgabe 0)</source>
        <translation>su grano de 0 a 1 (0 por defecto)</translation>
    </message>
    <message>
        <source>vor oder nach der Kette (Vorgabe post)</source>
        <translation>antes o después de la cadena (post por defecto)</translation>
    </message>
    <message>
        <source>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</source>
        <translation>0: H.264 en .mp4; 1: RGBA sin comprimir en .avi</translation>
    </message>
    <message>
        <source>die Qualität des Encoders (Vorgabe normal)</source>
        <translation>la calidad del codificador (normal por defecto)</translation>
    </message>
    <message>
        <source>Artefaktminderung</source>
        <translation>reducción de artefactos</translation>
    </message>
    <message>
        <source>lässt die Tonspuren weg</source>
        <translation>omite las pistas de audio</translation>
    </message>
    <message>
        <source>lässt die Metadaten der Quelle weg</source>
        <translation>omite los metadatos del origen</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von links nach rechts</source>
        <translation>refleja cada fotograma de izquierda a derecha</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von oben nach unten</source>
        <translation>refleja cada fotograma de arriba abajo</translation>
    </message>
    <message>
        <source>BILDER:MODUS</source>
        <translation>FOTOGRAMAS:MODO</translation>
    </message>
    <message>
        <source>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</source>
        <translation>fusión de fotogramas sobre 1, 2, 3 o 5 fotogramas, modo 1 a 11</translation>
    </message>
    <message>
        <source>unbearbeitet und bearbeitet nebeneinander</source>
        <translation>sin corregir y corregido lado a lado</translation>
    </message>
    <message>
        <source>die Bildgröße der Ausgabe</source>
        <translation>el tamaño de fotograma exportado</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64</source>
        <translation>puntos por eje, de 2 a 64</translation>
    </message>
    <message>
        <source>die zu schreibende Cube-Datei</source>
        <translation>el archivo cube que se escribe</translation>
    </message>
    <message>
        <source>der Titel der LUT (Vorgabe: der Grundname der Datei)</source>
        <translation>el título de la LUT (por defecto: el nombre base del archivo)</translation>
    </message>
    <message>
        <source>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</source>
        <translation>corrige una imagen fija a tamaño completo, o exporta un clip entero con la misma corrección (salida 0 terminado, 2 error, 3 cancelado)</translation>
    </message>
    <message>
        <source>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</source>
        <translation>hornea la parte de color de una corrección (capas, operadores de color, tipo de película, LUT) en un archivo cube; los operadores que miran vecinos o posiciones se omiten y se nombran</translation>
    </message>
    <message>
        <source>der Titel der LUT</source>
        <translation>el título de la LUT</translation>
    </message>
    <message>
        <source>QUELLE</source>
        <translation>ORIGEN</translation>
    </message>
    <message>
        <source>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</source>
        <translation>el archivo LUT de partida (un archivo cube o cualquier archivo que lea lut import)</translation>
    </message>
    <message>
        <source>ZIEL.cube</source>
        <translation>DESTINO.cube</translation>
    </message>
    <message>
        <source>das zu bearbeitende Standbild</source>
        <translation>la imagen fija que se corrige</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung wählt das Format</source>
        <translation>la imagen que se escribe; su extensión elige el formato</translation>
    </message>
    <message>
        <source>das Referenzbild</source>
        <translation>la imagen de referencia</translation>
    </message>
    <message>
        <source>Punkte je Achse (Vorgabe 17)</source>
        <translation>puntos por eje (17 por defecto)</translation>
    </message>
    <message>
        <source>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</source>
        <translation>1: curvas tonales por canal; 2: además lleva hacia el gris los tonos que la referencia apenas contiene (por defecto)</translation>
    </message>
    <message>
        <source>FREMD</source>
        <translation>AJENO</translation>
    </message>
    <message>
        <source>eine LUT-Datei in jedem Format, das der Import liest</source>
        <translation>un archivo LUT en cualquier formato que lea la importación</translation>
    </message>
    <message>
        <source>EIGENE.cube</source>
        <translation>PROPIO.cube</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</source>
        <translation>puntos por eje, de 2 a 64 (por defecto: el tamaño 3D propio del archivo hasta 64, 33 si no tiene)</translation>
    </message>
    <message>
        <source>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</source>
        <translation>escribe el archivo LUT (un archivo cube o cualquier archivo que lea lut import), horneado con los controles deslizantes por defecto, en la biblioteca con el nombre --name</translation>
    </message>
    <message>
        <source>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</source>
        <translation>el nombre de la entrada (sin &apos;/&apos;, ni &apos;.&apos; ni &apos;..&apos;, no vacío)</translation>
    </message>
    <message>
        <source>löscht den Eintrag dieses Namens</source>
        <translation>elimina la entrada con ese nombre</translation>
    </message>
    <message>
        <source>ein Bild</source>
        <translation>una imagen</translation>
    </message>
    <message>
        <source>das Bild, mit dem es verglichen wird</source>
        <translation>la imagen con la que se compara</translation>
    </message>
    <message>
        <source>das zu ändernde Bild</source>
        <translation>la imagen que se cambia</translation>
    </message>
    <message>
        <source>das Bild, dessen Histogramme es übernimmt</source>
        <translation>la imagen cuyos histogramas toma</translation>
    </message>
    <message>
        <source>das zu schreibende Bild</source>
        <translation>la imagen que se escribe</translation>
    </message>
    <message>
        <source>schreibt eine Identitäts-LUT</source>
        <translation>escribe una LUT identidad</translation>
    </message>
    <message>
        <source>backt Reglerstellungen in eine Cube-Datei</source>
        <translation>hornea las posiciones de los controles deslizantes en un archivo cube</translation>
    </message>
    <message>
        <source>wendet eine LUT auf ein Standbild an</source>
        <translation>aplica una LUT a una imagen fija</translation>
    </message>
    <message>
        <source>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</source>
        <translation>deriva una LUT de una imagen de referencia (escalada a 1000 x 1000 como en el panel LUT)</translation>
    </message>
    <message>
        <source>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</source>
        <translation>muestrea un archivo LUT de otro programa (.cube con dominio o shaper, .3dl, .csp, .spi3d, .clf, ...) en un archivo cube</translation>
    </message>
    <message>
        <source>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</source>
        <translation>edita la biblioteca de LUT en ~/ProjectData/Lut/ y luego lista sus entradas en el orden del panel</translation>
    </message>
    <message>
        <source>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</source>
        <translation>distancia earth mover entre los histogramas de dos imágenes por canal, en niveles de 8 bits</translation>
    </message>
    <message>
        <source>einfache Histogrammangleichung je Kanal von EIN an REF</source>
        <translation>igualación simple de histogramas por canal de ENTRADA a REF</translation>
    </message>
    <message>
        <source>jeder Katalogeintrag: Kernel, Typ, Anzeigename</source>
        <translation>cada entrada del catálogo: kernel, tipo, nombre visible</translation>
    </message>
    <message>
        <source>das zu bearbeitende Bild (ein Standbild)</source>
        <translation>la imagen que se corrige (una imagen fija)</translation>
    </message>
    <message>
        <source>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</source>
        <translation>la hoja de contactos que se escribe (su extensión elige el formato)</translation>
    </message>
    <message>
        <source>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</source>
        <translation>cada ajuste preestablecido que muestra el panel de ajustes: archivo, categoría, nombre visible, ok o broken</translation>
    </message>
    <message>
        <source>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</source>
        <translation>una imagen corregida con cada ajuste preestablecido, como cuadrícula de miniaturas rotuladas</translation>
    </message>
    <message>
        <source>der zu untersuchende Clip</source>
        <translation>el clip que se analiza</translation>
    </message>
    <message>
        <source>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</source>
        <translation>las características del clip, un &quot;key: value&quot; por línea</translation>
    </message>
    <message>
        <source>STANDBILD</source>
        <translation>IMAGEN</translation>
    </message>
    <message>
        <source>das Standbild, das das Projekt bearbeitet</source>
        <translation>la imagen fija que corrige el proyecto</translation>
    </message>
    <message>
        <source>der Clip, den das Projekt bearbeitet</source>
        <translation>el clip que corrige el proyecto</translation>
    </message>
    <message>
        <source>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</source>
        <translation>el proyecto que se escribe (se añade &quot;.vantropeProject&quot; si no termina así; la carpeta de datos se coloca al lado)</translation>
    </message>
    <message>
        <source>eine Projektdatei</source>
        <translation>un archivo de proyecto</translation>
    </message>
    <message>
        <source>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</source>
        <translation>escribe un proyecto de una imagen fija o un clip con la corrección de las opciones, como lo guarda la ventana</translation>
    </message>
    <message>
        <source>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</source>
        <translation>muestra las claves principales de un proyecto y lo que contienen sus componentes</translation>
    </message>
    <message>
        <source>ein Standbild oder ein Clip</source>
        <translation>una imagen fija o un clip</translation>
    </message>
    <message>
        <source>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</source>
        <translation>la imagen del monitor (.png, .tiff, …; 16 bits la contienen con exactitud)</translation>
    </message>
    <message>
        <source>welches Scope</source>
        <translation>qué monitor</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes (Vorgabe 640x360)</source>
        <translation>el tamaño de la imagen del monitor (640x360 por defecto)</translation>
    </message>
    <message>
        <source>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</source>
        <translation>el fotograma de un clip en esta posición (por defecto: su primer fotograma)</translation>
    </message>
    <message>
        <source>hellt die Spuren auf, 0.1 bis 10</source>
        <translation>aclara los trazos, de 0.1 a 10</translation>
    </message>
    <message>
        <source>ein Histogramm mit logarithmischer Höhe</source>
        <translation>un histograma de altura logarítmica</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</source>
        <translation>el lado largo de la vista previa en píxeles (por defecto como en la ventana)</translation>
    </message>
    <message>
        <source>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</source>
        <translation>la imagen que el panel &quot;Monitores&quot; muestra para una imagen fija o un fotograma de clip</translation>
    </message>
    <message>
        <source>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</source>
        <translation>una LUT 3D (un archivo cube o cualquier archivo que lea lut import), aplicada al final</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>NOMBRE=VALOR</translation>
    </message>
    <message>
        <source>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</source>
        <translation>un control deslizante de la LUT de 0 a 1 (repetible): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</source>
        <translation>el modo de fusión de la LUT (0-47, 50-58, 60-68; 0 normal)</translation>
    </message>
    <message>
        <source>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</source>
        <translation>cómo se consulta la LUT entre sus puntos (trilinear por defecto)</translation>
    </message>
    <message>
        <source>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</source>
        <translation>Vantrope %1 — corrección de color de clips de vídeo y LUT 3D (línea de comandos)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</source>
        <translation>Uso: vantrope-cli ORDEN [opciones] ARGUMENTOS
     vantrope-cli ORDEN --help | --help | --version</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos; (siehe --help)</source>
        <translation>orden desconocida «%1» (véase --help)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</source>
        <translation>Uso: vantrope-cli %1 SUBORDEN [opciones] ARGUMENTOS</translation>
    </message>
    <message>
        <source>%1 braucht einen dieser Unterbefehle: %2</source>
        <translation>%1 necesita una de estas subórdenes: %2</translation>
    </message>
</context>
<context>
    <name>CliLut</name>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>no se puede leer la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>no se puede escribir «%1»: extensión de imagen desconocida</translation>
    </message>
    <message>
        <source>library nimmt entweder --add oder --remove</source>
        <translation>library admite --add o --remove, no ambas</translation>
    </message>
    <message>
        <source>--add DATEI und --name NAME gehören zusammen</source>
        <translation>--add ARCHIVO y --name NOMBRE van juntos</translation>
    </message>
    <message>
        <source>ungültiger Name &apos;%1&apos;: %2</source>
        <translation>nombre no válido «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</source>
        <translation>no se puede añadir «%1» a %2: %3</translation>
    </message>
    <message>
        <source>kein Bibliothekseintrag &apos;%1&apos; in %2</source>
        <translation>no hay ninguna entrada de biblioteca «%1» en %2</translation>
    </message>
</context>
<context>
    <name>CliLutOptions</name>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</source>
        <translation>no se puede leer la LUT «%1»: no es un archivo</translation>
    </message>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>no se puede leer la LUT «%1»: %2</translation>
    </message>
    <message>
        <source>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</source>
        <translation>parámetro de LUT no válido «%1» (se espera NOMBRE=VALOR con NOMBRE entre %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>valor no válido en «%1» (se espera un número de 0 a 1)</translation>
    </message>
    <message>
        <source>--lut-param, --lut-mode und --interp brauchen --lut</source>
        <translation>--lut-param, --lut-mode y --interp necesitan --lut</translation>
    </message>
    <message>
        <source>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</source>
        <translation>modo de fusión no válido «%1» (0-47, 50-58, 60-68)</translation>
    </message>
</context>
<context>
    <name>CliOperators</name>
    <message>
        <source>der Operatorkatalog konnte nicht gelesen werden</source>
        <translation>no se ha podido leer el catálogo de operadores</translation>
    </message>
</context>
<context>
    <name>CliPresets</name>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>no se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>no se ha podido crear la hoja de contactos de «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Bilder %1/%2</source>
        <translation>fotogramas %1/%2</translation>
    </message>
    <message>
        <source>Bilder %1</source>
        <translation>fotogramas %1</translation>
    </message>
    <message>
        <source>Rest %1</source>
        <translation>restante %1</translation>
    </message>
</context>
<context>
    <name>CliProject</name>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</source>
        <translation>no se puede leer el proyecto «%1»: falta el archivo del proyecto o su carpeta de datos</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</source>
        <translation>no se puede leer el proyecto «%1»: lo escribió una versión más reciente</translation>
    </message>
    <message>
        <source>project save braucht entweder --image STANDBILD oder --clip CLIP</source>
        <translation>project save necesita --image IMAGEN o --clip CLIP</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</source>
        <translation>no se puede escribir «%1»: los proyectos de ejemplo no se sobrescriben</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>no se puede leer la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</source>
        <translation>no se puede escribir el proyecto «%1»: no se ha podido escribir %2</translation>
    </message>
    <message>
        <source>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</source>
        <translation>grade --project solo admite SALIDA: el proyecto indica su imagen fija o su clip</translation>
    </message>
    <message>
        <source>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</source>
        <translation>--%1 no se puede combinar con --project: el proyecto contiene la corrección</translation>
    </message>
    <message>
        <source>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</source>
        <translation>el proyecto contiene un clip: la salida debe terminar en .mp4 o .avi</translation>
    </message>
    <message>
        <source>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</source>
        <translation>el proyecto «%1» no contiene ni imagen ni clip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</source>
        <translation>no se puede escribir «%1»: el proyecto contiene una imagen fija</translation>
    </message>
</context>
<context>
    <name>CliScope</name>
    <message>
        <source>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</source>
        <translation>monitor desconocido «%1» (waveform, parade, vectorscope, histogram)</translation>
    </message>
    <message>
        <source>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</source>
        <translation>ganancia no válida «%1» (de %2 a %3)</translation>
    </message>
    <message>
        <source>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</source>
        <translation>tamaño de vista previa no válido «%1» (lado largo, de %2 a %3 píxeles)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</source>
        <translation>«%1» no termina en la extensión de un formato de imagen (.png, .tiff, …)</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</source>
        <translation>no se ha podido leer ningún fotograma en %1 ms de «%2»</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</source>
        <translation>no se ha podido leer ningún fotograma en %1 ms de «%2»: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>no se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>no se ha podido crear la vista previa de «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</source>
        <translation>uso: scope ENTRADA SALIDA --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation>Eliminar capa</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation>¿Seguro que desea eliminar esta capa?</translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation>Copiar capa</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation>¿Seguro que desea sustituir esta capa por los datos copiados?</translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation>Copiar color de origen</translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation>¿Seguro que desea copiar el color de origen en el destino?</translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation>Restablecer ajustes de color</translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation>¿Seguro que desea restablecer los ajustes de color?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation>Con %2 bytes, el archivo %1 es demasiado grande para un archivo de capas (máximo %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation>El archivo %1 no es un archivo de capas de la versión 1.</translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation>Guardar capas</translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation>Mis capas</translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation>Cargar capas</translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation>¿Seguro que desea sobrescribir las capas existentes?</translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation>Cargar capas</translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation>Capas (*.%1)</translation>
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
        <translation>Módulo de color</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Runter</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation>Tomar el color de origen de la imagen</translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation>Tono desde</translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation>Tono hasta</translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation>Saturación desde</translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation>Saturación hasta</translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation>Brillo mínimo</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Suavidad</translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation>Invertir selección</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation>Tomar el color de destino de la imagen</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation>Contraste de saturación</translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation>Contraste de brillo</translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation>Color de origen al destino</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation>Mostrar máscara</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation>Colores seleccionables</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Capa %1</translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation>No hay ninguna imagen cargada</translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation>Sin máscara</translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation>Proyecto guardado automáticamente</translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation>Se ha encontrado un proyecto guardado automáticamente. ¿Desea cargarlo?</translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation>Cargar vídeo</translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation>Abrir un archivo de vídeo</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation>Abrir una sola imagen</translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation>Guardar imagen resultante</translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation>Guardar la imagen editada como archivo</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Guardar vídeo</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Guardar todo el vídeo con la corrección actual</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>Ajustes del programa</translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation>Módulo de color</translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation>Editar capas de color</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation>Cargue un solo archivo de vídeo.</translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation>Complemento</translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation>Esta versión no admite complementos.</translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation>Cargue solo archivos de vídeo.</translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation>La imagen o el fotograma cargado con su tamaño</translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation>Serie de exposiciones</translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation>Histograma de la imagen editada: rojo, verde, azul y luminancia</translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation>Histograma HDR</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation>Abra un vídeo o una imagen, o arrastre un archivo de vídeo a esta ventana.</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation>Sitúe el ratón sobre un control para leer aquí su descripción.</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation>Mostrar la imagen sin editar</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>Dividido</translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation>A la izquierda la imagen sin editar, a la derecha la editada</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation>Un píxel de imagen por píxel de pantalla (arrastre para desplazar); desactivado: ajustar</translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation>Vista previa de la imagen editada</translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation>En el modo de plug-in de filtro no se pueden cargar datos de imagen nuevos.</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Cargar proyecto</translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation>Abrir archivo de vídeo</translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation>El archivo no contiene ningún vídeo legible.</translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation>No se ha podido leer ningún fotograma del vídeo.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>No hay memoria suficiente para la imagen.</translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation>No se ha podido cargar el vídeo %1.
%2</translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation>Vídeo cargado: %1</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation>No se ha podido cargar la imagen %1.
%2</translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation>No se ha podido leer el archivo de intercambio %1.</translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation>Revelado RAW</translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation>El revelado RAW no está incluido en esta versión.</translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation>Mi imagen</translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation>¡Modo de vista previa! ¿Recalcular?</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation>Preparando el guardado.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation>No se ha podido guardar la imagen:
%1
%2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation>Vídeo guardado: %1</translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation>Se ha cancelado el procesamiento del vídeo.</translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation>No se ha podido guardar el vídeo.</translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation>Calculando la corrección</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Guardar proyecto como</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Projekte</source>
        <translation>Proyectos recientes</translation>
    </message>
    <message>
        <source>Beispielprojekte</source>
        <translation>Proyectos de ejemplo</translation>
    </message>
    <message>
        <source>Beispielprojekt %1</source>
        <translation>Proyecto de ejemplo %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo-Punkt speichern</source>
        <translation>Guardar punto de deshacer</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Keine Projekte</source>
        <translation>No hay proyectos</translation>
    </message>
    <message>
        <source>MyProject</source>
        <translation>Mi proyecto</translation>
    </message>
    <message>
        <source>Vantrope-Marlix Projektdatei</source>
        <translation>Archivo de proyecto Vantrope Marlix</translation>
    </message>
    <message>
        <source>Projekt überschreiben nicht nöglich</source>
        <translation>No se puede sobrescribir el proyecto</translation>
    </message>
    <message>
        <source>Beispielprojekte können nicht überschrieben werden.</source>
        <translation>Los proyectos de ejemplo no se pueden sobrescribir.</translation>
    </message>
    <message>
        <source>Dateifehler: %1 konnte nicht erstellt werden</source>
        <translation>Error de archivo: no se ha podido crear %1</translation>
    </message>
    <message>
        <source>Projektdateien unvollständig.</source>
        <translation>Archivos de proyecto incompletos.</translation>
    </message>
    <message>
        <source>Projektdateien sind nicht kompatibel.</source>
        <translation>Los archivos de proyecto no son compatibles.</translation>
    </message>
    <message>
        <source>Projekt nicht gespeichert. Speichern?</source>
        <translation>Proyecto no guardado. ¿Guardarlo?</translation>
    </message>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Ajustes de vídeo</translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation>Preguntar antes de acciones que modifican</translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation>Mostrar ventana de progreso</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation>Última carpeta utilizada</translation>
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
        <translation>Ponderación igual</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> píxeles</translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation>Carpeta predeterminada fija</translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation>Ponderación de luminancia</translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation>Lado largo de la vista previa</translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation>El nuevo idioma se usará la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>English GB</source>
        <translation>Inglés (Reino Unido)</translation>
    </message>
    <message>
        <source>English US</source>
        <translation>Inglés (Estados Unidos)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Undo-Punkte mit dem Projekt speichern</source>
        <translation>Guardar los puntos de deshacer con el proyecto</translation>
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
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation>El nombre «%1» no está permitido.</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation>El nombre no puede contener «/» ni caracteres nulos.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>El nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation>Añadir LUT a la biblioteca</translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation>Nombre de la LUT:</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation>No se puede guardar la LUT «%1»: %2</translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation>Eliminar estilo LUT</translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation>¿Desea eliminar el estilo LUT seleccionado?</translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation>Cargar archivo LUT</translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation>Archivo LUT</translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation>Mi estilo LUT</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Guardar LUT</translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation>Mi LUT</translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation>No hay ninguna LUT</translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation>No hay estilos LUT guardados.</translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation>Explorador de LUT</translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation>¿Iniciar el explorador de LUT aunque se pierdan los ajustes actuales?</translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation>Crear LUT nueva</translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation>¿Desea crear un estilo LUT vacío nuevo y descartar los ajustes actuales?</translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation>LUT nueva</translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation>Nitidez y reducción de ruido</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Geometría</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation>Desenfoque</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Artístico</translation>
    </message>
    <message>
        <source>Masken</source>
        <translation>Máscaras</translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation>Ajustes básicos</translation>
    </message>
    <message>
        <source>LUT balance Areas</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>LUT protect Areas</source>
        <translation>Protección</translation>
    </message>
    <message>
        <source>Expertenmodus</source>
        <translation>Modo experto</translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation>Operadores</translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation>Tipo de película</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation>Modo de fusión de la LUT</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Creando vistas previas: </translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation>Este operador no tiene ajustes.</translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation>Elija un operador de la lista o añada uno.</translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation>Valor predeterminado</translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation>Quitar máscara</translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation>Limita el efecto a las formas dibujadas en la vista previa</translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation>Máscara - Luminancia</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>Límite inferior</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>oscuro</translation>
    </message>
    <message>
        <source>hell</source>
        <translation>claro</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>Límite superior</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Suavidad</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>duro</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>suave</translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation>Cómo se combina esta máscara con las anteriores</translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation>Máscara - Saturación</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>colorido</translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation>Máscara - Tono</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>estrecho</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>amplio</translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation>Máscara - Altas luces</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation>Máscara - Sombras</translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation>Máscara - Medios tonos</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>estrecho</translation>
    </message>
    <message>
        <source>breit</source>
        <translation>ancho</translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation>Máscara reducción de artefactos (HD)</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fino</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>grueso</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>débil</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>fuerte</translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation>Suavizado de color</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>pequeño</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation>Enmascarado</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>Reducción de ruido</translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation>Brillo contraste gamma</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation>más oscuro</translation>
    </message>
    <message>
        <source>heller</source>
        <translation>más claro</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>weniger</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>mehr</source>
        <translation>más</translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation>Corrección gamma</translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation>Punto negro/blanco manual</translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation>Punto negro</translation>
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
        <translation>Punto blanco</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation>Viñeteado</translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation>aclarar</translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation>oscurecer</translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation>Radio interior</translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation>Radio exterior</translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation>Curva tonal</translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation>Añadir grano</translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation>Tamaño del grano</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>Contraste local</translation>
    </message>
    <message>
        <source>glätten</source>
        <translation>suavizar</translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation>reforzar</translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation>Exponer tonos de color</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation>Gamma por canal</translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation>Gamma rojo</translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation>Gamma verde</translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation>Gamma azul</translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation>Viveza del color</translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation>Mezclar un tono</translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation>Temperatura de color</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>kalt</source>
        <translation>frío</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>cálido</translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation>Balance de color</translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation>Cian-rojo</translation>
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
        <translation>Amarillo-azul</translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation>Virado sepia</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>Paleta de colores</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Aura</source>
        <translation>Aura</translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation>Resplandor</translation>
    </message>
    <message>
        <source>scharf</source>
        <translation>nítido</translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation>No se puede cargar la LUT</translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation>No se ha podido cargar el archivo LUT.</translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation>Archivo LUT: %1</translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation>Tamaño encontrado: %1</translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation>Se admiten tamaños de 2 a %1.</translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation>Operadores activos</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation>Quitar operador</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation>Grano</translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation>antes de los operadores</translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation>después de los operadores</translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation>sin tipo de película</translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation>Forma %1 (%2)</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation>Mover y estirar formas en la vista previa</translation>
    </message>
    <message>
        <source>Form +</source>
        <translation>Forma +</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation>Añadir una forma en la que se aplica el efecto</translation>
    </message>
    <message>
        <source>Form −</source>
        <translation>Forma −</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation>Añadir una forma en la que el efecto se atenúa</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>additiv</source>
        <translation>aditivo</translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation>sustractivo</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation>Modo de fusión</translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation>LUT activa</translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation>Aplicar la LUT a la imagen</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation>Crear una LUT vacía nueva</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation>Quitar LUT</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Explorador</translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation>Mostrar todos los modos de fusión como vistas previas</translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation>Restablecer los valores de este grupo</translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation>LUT: %1 (%2 puntos por eje)</translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation>No hay ninguna LUT cargada</translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation>Todos los operadores</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation>Añadir el operador elegido a la cadena</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation>Elegir una posición en la vista previa</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>Trazar</translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation>Trazar una línea en la vista previa</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation>Tomar un color de la vista previa</translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation>Proteger altas luces</translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation>Proteger sombras</translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation>Proteger saturación</translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation>Proteger tonos de piel</translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation>Proteger cielo</translation>
    </message>
    <message>
        <source>Belichtung einstellen</source>
        <translation>Ajustar exposición</translation>
    </message>
    <message>
        <source>Farbnegativ Porträt warm</source>
        <translation>Negativo color retrato cálido</translation>
    </message>
    <message>
        <source>Farbnegativ Alltag</source>
        <translation>Negativo color cotidiano</translation>
    </message>
    <message>
        <source>Diafilm kühl</source>
        <translation>Diapositiva fría</translation>
    </message>
    <message>
        <source>Diafilm brillant</source>
        <translation>Diapositiva brillante</translation>
    </message>
    <message>
        <source>Verblasster Abzug</source>
        <translation>Copia desvaída</translation>
    </message>
    <message>
        <source>Sepia-Abzug</source>
        <translation>Copia sepia</translation>
    </message>
    <message>
        <source>Sofortbild</source>
        <translation>Foto instantánea</translation>
    </message>
    <message>
        <source>Schwarzweiß kontrastreich</source>
        <translation>Blanco y negro contrastado</translation>
    </message>
    <message>
        <source>Schwarzweiß weich</source>
        <translation>Blanco y negro suave</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarrojo</translation>
    </message>
    <message>
        <source>Cross-Entwicklung</source>
        <translation>Proceso cruzado</translation>
    </message>
    <message>
        <source>Bleichbad-Überbrückung</source>
        <translation>Sin blanqueo</translation>
    </message>
    <message>
        <source>Kino Blaugrün-Orange</source>
        <translation>Cine verde azulado y naranja</translation>
    </message>
    <message>
        <source>Herbstlicht</source>
        <translation>Luz de otoño</translation>
    </message>
    <message>
        <source>Nachtblau</source>
        <translation>Azul noche</translation>
    </message>
    <message>
        <source>Lomo</source>
        <translation>Lo-fi</translation>
    </message>
    <message>
        <source>Farbton und Stärke: Punkt auf der Scheibe ziehen</source>
        <translation>Tono e intensidad: arrastre el punto sobre la rueda</translation>
    </message>
    <message>
        <source>Licht/Schatten färben</source>
        <translation>Teñir luces/sombras</translation>
    </message>
    <message>
        <source>Schatten (Lift)</source>
        <translation>Sombras (lift)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</source>
        <translation>Color y brillo de las sombras: sube o baja los tonos oscuros, atenuándose hacia el blanco</translation>
    </message>
    <message>
        <source>Mitteltöne (Gamma)</source>
        <translation>Medios tonos (gamma)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</source>
        <translation>Color y brillo de los medios tonos: curva la gradación, el negro y el blanco se mantienen</translation>
    </message>
    <message>
        <source>Lichter (Gain)</source>
        <translation>Altas luces (ganancia)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</source>
        <translation>Color y brillo de las altas luces: refuerza o atenúa los tonos claros, atenuándose hacia el negro</translation>
    </message>
    <message>
        <source>Farbkanal Gradation</source>
        <translation>Curvas por canal</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle</source>
        <translation>Curva tonal para los tres canales de color</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals</source>
        <translation>Curva del canal rojo</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals</source>
        <translation>Curva del canal verde</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals</source>
        <translation>Curva del canal azul</translation>
    </message>
    <message>
        <source>Farbkanal Gradation (logarithm.)</source>
        <translation>Curvas por canal (logarítmicas)</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</source>
        <translation>Curva para los tres canales sobre tonos logarítmicos (ocho pasos)</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals über logarithmischen Tonwerten</source>
        <translation>Curva del canal rojo sobre tonos logarítmicos</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals über logarithmischen Tonwerten</source>
        <translation>Curva del canal verde sobre tonos logarítmicos</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals über logarithmischen Tonwerten</source>
        <translation>Curva del canal azul sobre tonos logarítmicos</translation>
    </message>
    <message>
        <source>Farbton korrigieren</source>
        <translation>Corregir tono</translation>
    </message>
    <message>
        <source>Farbton nach Farbton</source>
        <translation>Tono según tono</translation>
    </message>
    <message>
        <source>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</source>
        <translation>Gira cada tono hasta 90 grados; el centro lo deja sin cambios</translation>
    </message>
    <message>
        <source>Sättigung nach Farbton</source>
        <translation>Saturación según tono</translation>
    </message>
    <message>
        <source>Sättigung je Farbton: unten grau, oben doppelt so kräftig</source>
        <translation>Saturación por tono: gris abajo, el doble de intensa arriba</translation>
    </message>
    <message>
        <source>Helligkeit nach Farbton</source>
        <translation>Brillo según tono</translation>
    </message>
    <message>
        <source>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</source>
        <translation>Brillo por tono hasta un paso; los grises no cambian</translation>
    </message>
    <message>
        <source>manueller Weißabgleich</source>
        <translation>Balance de blancos manual</translation>
    </message>
    <message>
        <source>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</source>
        <translation>Con el cuentagotas elija un punto que deba ser gris neutro o blanco</translation>
    </message>
    <message>
        <source>automatischer lokaler Weißabgleich</source>
        <translation>Balance de blancos local automático</translation>
    </message>
    <message>
        <source>Größe der Umgebung, in der ein Farbstich gemessen wird</source>
        <translation>Tamaño de la zona en la que se mide una dominante</translation>
    </message>
    <message>
        <source>Wie weit die örtlichen Farbstiche entfernt werden</source>
        <translation>Cuánto se eliminan las dominantes locales</translation>
    </message>
    <message>
        <source>Farbdynamik</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>blasser</source>
        <translation>más pálido</translation>
    </message>
    <message>
        <source>kräftiger</source>
        <translation>más intenso</translation>
    </message>
    <message>
        <source>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</source>
        <translation>Realza más los colores pálidos que los intensos y respeta los tonos de piel</translation>
    </message>
    <message>
        <source>Farbdynamik (Smart)</source>
        <translation>Intensidad (inteligente)</translation>
    </message>
    <message>
        <source>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</source>
        <translation>Intensidad que se adapta al colorido de toda la imagen</translation>
    </message>
    <message>
        <source>Hauttöne schützen</source>
        <translation>Proteger tonos de piel</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>poco</translation>
    </message>
    <message>
        <source>viel</source>
        <translation>mucho</translation>
    </message>
    <message>
        <source>Lichter schützen</source>
        <translation>Proteger altas luces</translation>
    </message>
    <message>
        <source>Farbtöne anpassen</source>
        <translation>Ajustar tonos</translation>
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
        <translation>Tono saturación exposición</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Farbwert kalibrieren</source>
        <translation>Calibrar color</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Color real</translation>
    </message>
    <message>
        <source>Mit der Pipette die Farbe wählen, die korrigiert werden soll</source>
        <translation>Con el cuentagotas elija el color que se va a corregir</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Color deseado</translation>
    </message>
    <message>
        <source>Die Farbe, die der Istwert bekommen soll</source>
        <translation>El color que debe adoptar el color real</translation>
    </message>
    <message>
        <source>Reichweite</source>
        <translation>Alcance</translation>
    </message>
    <message>
        <source>nur ähnliche Farben</source>
        <translation>solo colores similares</translation>
    </message>
    <message>
        <source>ganzes Bild</source>
        <translation>toda la imagen</translation>
    </message>
    <message>
        <source>Normalisieren (RGB)</source>
        <translation>Normalizar (RGB)</translation>
    </message>
    <message>
        <source>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</source>
        <translation>Estira cada canal entre su tono más oscuro y el más claro</translation>
    </message>
    <message>
        <source>Beschnitt</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</source>
        <translation>Proporción de tonos que puede recortarse en cada extremo</translation>
    </message>
    <message>
        <source>manueller RGB-Punkt</source>
        <translation>Punto RGB manual</translation>
    </message>
    <message>
        <source>Schwarzpunkt Rot</source>
        <translation>Punto negro rojo</translation>
    </message>
    <message>
        <source>Schwarzpunkt Grün</source>
        <translation>Punto negro verde</translation>
    </message>
    <message>
        <source>Schwarzpunkt Blau</source>
        <translation>Punto negro azul</translation>
    </message>
    <message>
        <source>Weißpunkt Rot</source>
        <translation>Punto blanco rojo</translation>
    </message>
    <message>
        <source>Weißpunkt Grün</source>
        <translation>Punto blanco verde</translation>
    </message>
    <message>
        <source>Weißpunkt Blau</source>
        <translation>Punto blanco azul</translation>
    </message>
    <message>
        <source>RGB Transformation (autom.)</source>
        <translation>Transformación RGB (auto)</translation>
    </message>
    <message>
        <source>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</source>
        <translation>Iguala la media y el contraste de los tres canales de color</translation>
    </message>
    <message>
        <source>RGB Transformation</source>
        <translation>Transformación RGB</translation>
    </message>
    <message>
        <source>Steigung Rot</source>
        <translation>Pendiente rojo</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>Steigung Grün</source>
        <translation>Pendiente verde</translation>
    </message>
    <message>
        <source>Steigung Blau</source>
        <translation>Pendiente azul</translation>
    </message>
    <message>
        <source>Versatz Rot</source>
        <translation>Desplazamiento rojo</translation>
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
        <translation>Desplazamiento verde</translation>
    </message>
    <message>
        <source>Versatz Blau</source>
        <translation>Desplazamiento azul</translation>
    </message>
    <message>
        <source>Exponent Rot</source>
        <translation>Exponente rojo</translation>
    </message>
    <message>
        <source>Exponent Grün</source>
        <translation>Exponente verde</translation>
    </message>
    <message>
        <source>Exponent Blau</source>
        <translation>Exponente azul</translation>
    </message>
    <message>
        <source>Farbkanal Sigmoid</source>
        <translation>Sigmoide por canal</translation>
    </message>
    <message>
        <source>Kontrast Rot</source>
        <translation>Contraste rojo</translation>
    </message>
    <message>
        <source>flacher</source>
        <translation>más plano</translation>
    </message>
    <message>
        <source>steiler</source>
        <translation>más pronunciado</translation>
    </message>
    <message>
        <source>Kontrast Grün</source>
        <translation>Contraste verde</translation>
    </message>
    <message>
        <source>Kontrast Blau</source>
        <translation>Contraste azul</translation>
    </message>
    <message>
        <source>Chrominanz ausgleichen</source>
        <translation>Equilibrar crominancia</translation>
    </message>
    <message>
        <source>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</source>
        <translation>Elimina las dominantes por separado en sombras, medios tonos y altas luces</translation>
    </message>
    <message>
        <source>gewogene Farbkanäle</source>
        <translation>Canales ponderados</translation>
    </message>
    <message>
        <source>Helligkeit erhalten</source>
        <translation>Conservar brillo</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>ganz</source>
        <translation>totalmente</translation>
    </message>
    <message>
        <source>Farbkanäle mischen</source>
        <translation>Mezclador de canales</translation>
    </message>
    <message>
        <source>Rot aus Rot</source>
        <translation>Rojo desde rojo</translation>
    </message>
    <message>
        <source>Rot aus Grün</source>
        <translation>Rojo desde verde</translation>
    </message>
    <message>
        <source>Rot aus Blau</source>
        <translation>Rojo desde azul</translation>
    </message>
    <message>
        <source>Grün aus Rot</source>
        <translation>Verde desde rojo</translation>
    </message>
    <message>
        <source>Grün aus Grün</source>
        <translation>Verde desde verde</translation>
    </message>
    <message>
        <source>Grün aus Blau</source>
        <translation>Verde desde azul</translation>
    </message>
    <message>
        <source>Blau aus Rot</source>
        <translation>Azul desde rojo</translation>
    </message>
    <message>
        <source>Blau aus Grün</source>
        <translation>Azul desde verde</translation>
    </message>
    <message>
        <source>Blau aus Blau</source>
        <translation>Azul desde azul</translation>
    </message>
    <message>
        <source>Farbfilter</source>
        <translation>Filtro de color</translation>
    </message>
    <message>
        <source>Filterfarbe</source>
        <translation>Color del filtro</translation>
    </message>
    <message>
        <source>Farbe des Filters vor dem Objektiv</source>
        <translation>Color del filtro delante del objetivo</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Esquema de colores</translation>
    </message>
    <message>
        <source>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</source>
        <translation>1 atardecer, 2 bosque, 3 océano, 4 otoño, 5 neón, 6 desierto, 7 invierno, 8 pastel</translation>
    </message>
    <message>
        <source>Himmel schützen</source>
        <translation>Proteger cielo</translation>
    </message>
    <message>
        <source>graue Tinte</source>
        <translation>Tinta gris</translation>
    </message>
    <message>
        <source>Tinte</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>Die Farbe, die graue und blasse Bereiche annehmen</source>
        <translation>El color que adoptan las zonas grises y pálidas</translation>
    </message>
    <message>
        <source>Sättigungsgrenze</source>
        <translation>Límite de saturación</translation>
    </message>
    <message>
        <source>nur Grau</source>
        <translation>solo gris</translation>
    </message>
    <message>
        <source>auch Farben</source>
        <translation>también colores</translation>
    </message>
    <message>
        <source>Pastellfarben</source>
        <translation>Colores pastel</translation>
    </message>
    <message>
        <source>Aufhellung</source>
        <translation>Aclarado</translation>
    </message>
    <message>
        <source>C64 Farben</source>
        <translation>Colores de 8 bits</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Difuminado</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Rastert Verläufe aus benachbarten Farben der Palette</source>
        <translation>Reproduce los degradados con colores vecinos de la paleta</translation>
    </message>
    <message>
        <source>Rote Augen</source>
        <translation>Ojos rojos</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>nur tiefrot</source>
        <translation>solo rojo intenso</translation>
    </message>
    <message>
        <source>auch rötlich</source>
        <translation>también rojizo</translation>
    </message>
    <message>
        <source>Mit der Geometrie auf die Augen begrenzen</source>
        <translation>Limitar a los ojos con la geometría</translation>
    </message>
    <message>
        <source>Tageszeit</source>
        <translation>Hora del día</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>12 Uhr lässt das Bild unverändert</source>
        <translation>Las 12 dejan la imagen sin cambios</translation>
    </message>
    <message>
        <source>Jahreszeit</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Frühling</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</source>
        <translation>1 primavera, 2 verano (sin cambios), 3 otoño, 4 invierno</translation>
    </message>
    <message>
        <source>Fotostil: Low-Key</source>
        <translation>Estilo fotográfico: clave baja</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>profundo</translation>
    </message>
    <message>
        <source>Fotostil: High-Key</source>
        <translation>Estilo fotográfico: clave alta</translation>
    </message>
    <message>
        <source>Fotostil: Cross-Entwicklung</source>
        <translation>Estilo fotográfico: proceso cruzado</translation>
    </message>
    <message>
        <source>Fotostil: Indian Summer</source>
        <translation>Estilo fotográfico: veranillo</translation>
    </message>
    <message>
        <source>Fotostil: Infrarot</source>
        <translation>Estilo fotográfico: infrarrojo</translation>
    </message>
    <message>
        <source>Fotostil: Lith-Print</source>
        <translation>Estilo fotográfico: copia lith</translation>
    </message>
    <message>
        <source>Tönung</source>
        <translation>Virado</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutro</translation>
    </message>
    <message>
        <source>Fotostil: Buttercream</source>
        <translation>Estilo fotográfico: crema de mantequilla</translation>
    </message>
    <message>
        <source>Fotostil: Holga</source>
        <translation>Estilo fotográfico: cámara de juguete</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Viñeta</translation>
    </message>
    <message>
        <source>Fotostil: Orton</source>
        <translation>Estilo fotográfico: resplandor suave</translation>
    </message>
    <message>
        <source>gering</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>Fotostil: Lomo</source>
        <translation>Estilo fotográfico: lo-fi</translation>
    </message>
    <message>
        <source>Fotostil: Dragan</source>
        <translation>Estilo fotográfico: retrato dramático</translation>
    </message>
    <message>
        <source>Originalbild einblenden</source>
        <translation>Mezclar el original</translation>
    </message>
    <message>
        <source>Mischt das unbearbeitete Bild wieder ein</source>
        <translation>Vuelve a mezclar la imagen sin editar</translation>
    </message>
    <message>
        <source>Foto-Reflektor</source>
        <translation>Reflector fotográfico</translation>
    </message>
    <message>
        <source>Hellt die Schatten mit dem Licht eines Reflektors auf</source>
        <translation>Aclara las sombras con la luz de un reflector</translation>
    </message>
    <message>
        <source>Reflektor</source>
        <translation>Reflector</translation>
    </message>
    <message>
        <source>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</source>
        <translation>Oro, plata (blanco) u otro color del reflector</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Degradado de color</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</source>
        <translation>Intensidad total en el primer punto, desvaneciéndose hacia el segundo</translation>
    </message>
    <message>
        <source>Color Contrast</source>
        <translation>Contraste de color</translation>
    </message>
    <message>
        <source>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</source>
        <translation>Separa los colores vecinos entre sí; el brillo se mantiene</translation>
    </message>
    <message>
        <source>Polfilter</source>
        <translation>Filtro polarizador</translation>
    </message>
    <message>
        <source>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</source>
        <translation>Elimina la neblina y los reflejos, oscurece el cielo azul</translation>
    </message>
    <message>
        <source>Chromatische Korrektur</source>
        <translation>Corrección cromática</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>más pequeño</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>más grande</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Amplía o reduce el canal rojo hasta que sus bordes coincidan con el verde</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Amplía o reduce el canal azul hasta que sus bordes coincidan con el verde</translation>
    </message>
    <message>
        <source>chromatische Aberrationen korrigieren</source>
        <translation>Corregir aberraciones cromáticas</translation>
    </message>
    <message>
        <source>Entfernt violette und grüne Farbsäume an harten Kanten</source>
        <translation>Elimina los halos violetas y verdes en los bordes marcados</translation>
    </message>
    <message>
        <source>Motive (Halloween)</source>
        <translation>Motivos (Halloween)</translation>
    </message>
    <message>
        <source>Motiv</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>1 Kürbis, 2 Geist, 3 Fledermaus, 4 Spinnennetz, 5 Mond</source>
        <translation>1 calabaza, 2 fantasma, 3 murciélago, 4 telaraña, 5 luna</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>durchsichtig</source>
        <translation>transparente</translation>
    </message>
    <message>
        <source>deckend</source>
        <translation>opaco</translation>
    </message>
    <message>
        <source>Flaggen</source>
        <translation>Banderas</translation>
    </message>
    <message>
        <source>Flagge</source>
        <translation>Bandera</translation>
    </message>
    <message>
        <source>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</source>
        <translation>1 Alemania, 2 Francia, 3 Italia, 4 Países Bajos, 5 Austria, 6 Bélgica, 7 Irlanda, 8 Polonia, 9 Ucrania, 10 Suiza, 11 Japón, 12 Suecia, 13 Dinamarca</translation>
    </message>
    <message>
        <source>Motive (Fußball)</source>
        <translation>Motivos (fútbol)</translation>
    </message>
    <message>
        <source>1 Ball, 2 Tor, 3 Pokal</source>
        <translation>1 balón, 2 portería, 3 copa</translation>
    </message>
    <message>
        <source>Mask Entrauschen Luminance (HD)</source>
        <translation>Máscara reducción de ruido de luminancia (HD)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</source>
        <translation>Cuánto se suaviza el ruido de luminancia en las zonas planas</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die geglättet wird</source>
        <translation>Tamaño de la zona sobre la que se suaviza</translation>
    </message>
    <message>
        <source>Detailschwelle</source>
        <translation>Umbral de detalle</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</source>
        <translation>Aumento de brillo por píxel a partir del cual una zona cuenta como estructura y no cambia</translation>
    </message>
    <message>
        <source>Wirkung abhängig von der Helligkeit des Bildpunkts</source>
        <translation>Efecto según el brillo del píxel</translation>
    </message>
    <message>
        <source>Mask Schärfen Luminance (HD)</source>
        <translation>Máscara nitidez de luminancia (HD)</translation>
    </message>
    <message>
        <source>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</source>
        <translation>Cuánto se enfocan bordes y estructuras; las zonas planas no se enfocan</translation>
    </message>
    <message>
        <source>Größe der Details, die geschärft werden</source>
        <translation>Tamaño de los detalles que se enfocan</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</source>
        <translation>Aumento de brillo por píxel a partir del cual una zona cuenta como estructura y se enfoca</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>Sobreimpulso</translation>
    </message>
    <message>
        <source>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</source>
        <translation>Cuánto puede superar un borde enfocado el brillo de su entorno; limita los halos</translation>
    </message>
    <message>
        <source>adaptive Bildschärfe</source>
        <translation>Nitidez adaptativa</translation>
    </message>
    <message>
        <source>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</source>
        <translation>Cuánto se enfoca; la intensidad sigue el contraste local: nada en zonas planas, menos en bordes marcados</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren</source>
        <translation>Reducir la trepidación</translation>
    </message>
    <message>
        <source>Wie weit die Verwacklung herausgerechnet wird</source>
        <translation>Cuánto se elimina la trepidación</translation>
    </message>
    <message>
        <source>Unschärferadius</source>
        <translation>Radio de desenfoque</translation>
    </message>
    <message>
        <source>Wie weit das Bild verwackelt ist</source>
        <translation>Cuánto está movida la imagen</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Iteraciones</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>pocas</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>muchas</translation>
    </message>
    <message>
        <source>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</source>
        <translation>Pasos de la deconvolución: más pasos recuperan más nitidez y tardan más</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren (Farbe)</source>
        <translation>Reducir la trepidación (color)</translation>
    </message>
    <message>
        <source>Entrauschen Farbwolken</source>
        <translation>Reducir manchas de color</translation>
    </message>
    <message>
        <source>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</source>
        <translation>Se eliminan manchas de color de hasta un tercio de este tamaño</translation>
    </message>
    <message>
        <source>Wie weit die Farbwolken entfernt werden</source>
        <translation>Cuánto se eliminan las manchas de color</translation>
    </message>
    <message>
        <source>kräftig</source>
        <translation>intenso</translation>
    </message>
    <message>
        <source>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</source>
        <translation>Desviación de color hasta la que una mancha cuenta como ruido; los colores más intensos se mantienen</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (UHD)</source>
        <translation>Reducción de ruido de luminancia (UHD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</source>
        <translation>Cuánto se suaviza el ruido de luminancia; se promedian zonas similares del entorno</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (U2HD)</source>
        <translation>Reducción de ruido de luminancia (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen (Gap Fill)</source>
        <translation>Reducción de ruido (relleno)</translation>
    </message>
    <message>
        <source>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</source>
        <translation>Cuánto se rellenan los píxeles atípicos con la media de sus vecinos</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</source>
        <translation>Cuánto debe salirse un píxel del rango de sus vecinos, en relación con ese rango, para considerarse un hueco</translation>
    </message>
    <message>
        <source>Details restaurieren</source>
        <translation>Restaurar detalles</translation>
    </message>
    <message>
        <source>Detailgröße</source>
        <translation>Tamaño del detalle</translation>
    </message>
    <message>
        <source>Größe der Details, die aus dem Originalbild zurückgeholt werden</source>
        <translation>Tamaño de los detalles que se recuperan de la imagen original</translation>
    </message>
    <message>
        <source>Wie viel der verlorenen Details zurückkehrt</source>
        <translation>Cuánto del detalle perdido se recupera</translation>
    </message>
    <message>
        <source>Rauschschwelle</source>
        <translation>Umbral de ruido</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</source>
        <translation>Las diferencias más finas cuentan como ruido y no se recuperan</translation>
    </message>
    <message>
        <source>Dither (Floyd Steinberg)</source>
        <translation>Difuminado (difusión de error)</translation>
    </message>
    <message>
        <source>Bittiefe</source>
        <translation>Profundidad de bits</translation>
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
        <translation>Niveles por canal tras la reducción</translation>
    </message>
    <message>
        <source>Fehlerverteilung</source>
        <translation>Difusión de error</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>completo</translation>
    </message>
    <message>
        <source>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</source>
        <translation>Cuánto del error de redondeo pasa a los vecinos: evita escalones en los degradados</translation>
    </message>
    <message>
        <source>Entrauschen (Farbe)</source>
        <translation>Reducción de ruido (color)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die die Farbe geglättet wird</source>
        <translation>Tamaño de la zona sobre la que se suaviza el color</translation>
    </message>
    <message>
        <source>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</source>
        <translation>Cuánto se suaviza el ruido de color; el brillo no cambia</translation>
    </message>
    <message>
        <source>Entrauschen (Flächen glätten)</source>
        <translation>Reducción de ruido (suavizar superficies)</translation>
    </message>
    <message>
        <source>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</source>
        <translation>Cuánto se suavizan las superficies planas hacia su media</translation>
    </message>
    <message>
        <source>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</source>
        <translation>Dispersión de brillo hasta la que una zona cuenta como plana</translation>
    </message>
    <message>
        <source>Entrauschen (Banding)</source>
        <translation>Reducción de ruido (bandas)</translation>
    </message>
    <message>
        <source>Breite der Streifen, die zu einem glatten Verlauf werden</source>
        <translation>Anchura de las bandas que pasan a ser un degradado suave</translation>
    </message>
    <message>
        <source>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</source>
        <translation>Altura de los escalones que se suavizan; los bordes más altos se conservan</translation>
    </message>
    <message>
        <source>Kantenverstärker</source>
        <translation>Realce de bordes</translation>
    </message>
    <message>
        <source>Größe der Kanten, die verstärkt werden</source>
        <translation>Tamaño de los bordes que se realzan</translation>
    </message>
    <message>
        <source>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</source>
        <translation>Cuánto se refuerza el contraste de brillo en los bordes</translation>
    </message>
    <message>
        <source>Farbton Kantenverstärker</source>
        <translation>Realce de bordes de tono</translation>
    </message>
    <message>
        <source>Wie stark der Farbkontrast an Farbkanten verstärkt wird</source>
        <translation>Cuánto se refuerza el contraste de color en los bordes de color</translation>
    </message>
    <message>
        <source>Entrauschen (soften)</source>
        <translation>Reducción de ruido (suavizar)</translation>
    </message>
    <message>
        <source>Länge, über die entlang der Kanten gemittelt wird</source>
        <translation>Longitud sobre la que se promedia a lo largo de los bordes</translation>
    </message>
    <message>
        <source>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</source>
        <translation>Cuánto se suaviza a lo largo de los bordes; los bordes siguen nítidos</translation>
    </message>
    <message>
        <source>Schärfen HD Gradient</source>
        <translation>Nitidez HD gradiente</translation>
    </message>
    <message>
        <source>Breite des Schärfens quer zur Kante</source>
        <translation>Anchura del enfoque transversal al borde</translation>
    </message>
    <message>
        <source>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</source>
        <translation>Cuánto se enfoca transversalmente a los bordes; el ruido a lo largo de ellos no se refuerza</translation>
    </message>
    <message>
        <source>Schärfen Chrominance (HD)</source>
        <translation>Nitidez de crominancia (HD)</translation>
    </message>
    <message>
        <source>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</source>
        <translation>Cuánto se enfocan los bordes de color; el brillo no cambia</translation>
    </message>
    <message>
        <source>Größe der Farbdetails, die geschärft werden</source>
        <translation>Tamaño de los detalles de color que se enfocan</translation>
    </message>
    <message>
        <source>Schärfen Luminance (HD)</source>
        <translation>Nitidez de luminancia (HD)</translation>
    </message>
    <message>
        <source>Wie stark die Helligkeit geschärft wird</source>
        <translation>Cuánto se enfoca el brillo</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</source>
        <translation>Las diferencias más finas cuentan como ruido y no se enfocan</translation>
    </message>
    <message>
        <source>Schärfen Luminance (UHD)</source>
        <translation>Nitidez de luminancia (UHD)</translation>
    </message>
    <message>
        <source>Stärke fein</source>
        <translation>Intensidad fina</translation>
    </message>
    <message>
        <source>Schärfung der feinsten Details</source>
        <translation>Enfoque de los detalles más finos</translation>
    </message>
    <message>
        <source>Stärke mittel</source>
        <translation>Intensidad media</translation>
    </message>
    <message>
        <source>Schärfung der Details doppelter Größe</source>
        <translation>Enfoque de los detalles de doble tamaño</translation>
    </message>
    <message>
        <source>Größe der feinsten Details</source>
        <translation>Tamaño de los detalles más finos</translation>
    </message>
    <message>
        <source>Schärfen Luminance (U2HD)</source>
        <translation>Nitidez de luminancia (U2HD)</translation>
    </message>
    <message>
        <source>Stärke grob</source>
        <translation>Intensidad gruesa</translation>
    </message>
    <message>
        <source>Schärfung der Details vierfacher Größe</source>
        <translation>Enfoque de los detalles de cuatro veces el tamaño</translation>
    </message>
    <message>
        <source>Entrauschen (Median)</source>
        <translation>Reducción de ruido (mediana)</translation>
    </message>
    <message>
        <source>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</source>
        <translation>Cuánto se acerca cada canal a la mediana de su entorno 3×3: elimina el ruido de píxeles aislados</translation>
    </message>
    <message>
        <source>Entrauschen (Varianz)</source>
        <translation>Reducción de ruido (varianza)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, deren Streuung gemessen wird</source>
        <translation>Tamaño de la zona cuya dispersión se mide</translation>
    </message>
    <message>
        <source>Rauschpegel</source>
        <translation>Nivel de ruido</translation>
    </message>
    <message>
        <source>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</source>
        <translation>Dispersión que cuenta como ruido: las zonas con menos dispersión se suavizan, las estructuras se mantienen</translation>
    </message>
    <message>
        <source>Himmel entrauschen</source>
        <translation>Reducir ruido del cielo</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die der Himmel geglättet wird</source>
        <translation>Tamaño de la zona sobre la que se suaviza el cielo</translation>
    </message>
    <message>
        <source>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</source>
        <translation>Cuánto se suavizan el ruido y las bandas en las zonas color cielo</translation>
    </message>
    <message>
        <source>Entrauschen (Min-Max)</source>
        <translation>Reducción de ruido (mín-máx)</translation>
    </message>
    <message>
        <source>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</source>
        <translation>Cuánto se devuelven los valores atípicos al rango de sus vecinos</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</source>
        <translation>Cuánto puede superar un valor a sus vecinos antes de limitarse</translation>
    </message>
    <message>
        <source>Entrauschen (Iterativ)</source>
        <translation>Reducción de ruido (iterativa)</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</source>
        <translation>Número de pasos de suavizado: más pasos suavizan en una zona más amplia</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</source>
        <translation>Diferencia de brillo hasta la que se suaviza; las diferencias mayores cuentan como bordes</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (HD)</source>
        <translation>Reducción de ruido de crominancia (HD)</translation>
    </message>
    <message>
        <source>Größe der feinsten Farbflecken, die geglättet werden</source>
        <translation>Tamaño de las manchas de color más finas que se suavizan</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (UHD)</source>
        <translation>Reducción de ruido de crominancia (UHD)</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (U2HD)</source>
        <translation>Reducción de ruido de crominancia (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD)</source>
        <translation>Reducción de ruido de luminancia (HD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</source>
        <translation>Cuánto se suaviza el ruido de luminancia; los bordes se conservan</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD iter)</source>
        <translation>Reducción de ruido de luminancia (HD iterativa)</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</source>
        <translation>Número de pasadas de suavizado, cada una algo más débil que la anterior</translation>
    </message>
    <message>
        <source>Größe der Umgebung eines Durchgangs</source>
        <translation>Tamaño de la zona de una pasada</translation>
    </message>
    <message>
        <source>Artefakte reduzieren</source>
        <translation>Reducir artefactos</translation>
    </message>
    <message>
        <source>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</source>
        <translation>Altura de los bordes de bloque de compresión que se suavizan; los bordes más altos se mantienen</translation>
    </message>
    <message>
        <source>Blockgröße</source>
        <translation>Tamaño de bloque</translation>
    </message>
    <message>
        <source>Rastergröße der Kompressionsblöcke im Originalbild</source>
        <translation>Tamaño de la cuadrícula de bloques de compresión en la imagen original</translation>
    </message>
    <message>
        <source>Bewegungsunschärfe reduzieren</source>
        <translation>Reducir desenfoque de movimiento</translation>
    </message>
    <message>
        <source>Wie weit die Bewegungsunschärfe herausgerechnet wird</source>
        <translation>Cuánto se elimina el desenfoque de movimiento</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>corto</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>largo</translation>
    </message>
    <message>
        <source>Länge der Bewegungsspur im Bild</source>
        <translation>Longitud de la estela de movimiento en la imagen</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</source>
        <translation>Dirección del movimiento: 0° horizontal, 90° vertical</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosión</translation>
    </message>
    <message>
        <source>Wie weit dunkle Bereiche in helle hineinwachsen</source>
        <translation>Cuánto crecen las zonas oscuras hacia las claras</translation>
    </message>
    <message>
        <source>Dilatation</source>
        <translation>Dilatación</translation>
    </message>
    <message>
        <source>Wie weit helle Bereiche in dunkle hineinwachsen</source>
        <translation>Cuánto crecen las zonas claras hacia las oscuras</translation>
    </message>
    <message>
        <source>Doppler</source>
        <translation>Imagen doble</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Versatz des Doppelbildes</source>
        <translation>Desplazamiento de la imagen doble</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</source>
        <translation>Dirección del desplazamiento, en sentido antihorario desde la derecha</translation>
    </message>
    <message>
        <source>Deckkraft des Doppelbildes</source>
        <translation>Opacidad de la imagen doble</translation>
    </message>
    <message>
        <source>Normalisieren</source>
        <translation>Normalizar</translation>
    </message>
    <message>
        <source>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</source>
        <translation>Cuánto se estiran los tonos a todo el rango y se equilibran los medios tonos</translation>
    </message>
    <message>
        <source>Zielhelligkeit</source>
        <translation>Brillo objetivo</translation>
    </message>
    <message>
        <source>Helligkeit, auf die der Median des Bildes gebracht wird</source>
        <translation>Brillo al que se lleva la mediana de la imagen</translation>
    </message>
    <message>
        <source>Local Contrast (Mask)</source>
        <translation>Contraste local (máscara)</translation>
    </message>
    <message>
        <source>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</source>
        <translation>Tamaño de la zona en píxeles de la imagen a resolución completa</translation>
    </message>
    <message>
        <source>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</source>
        <translation>Contraste local del brillo; los colores se conservan</translation>
    </message>
    <message>
        <source>Kantenschutz</source>
        <translation>Protección de bordes</translation>
    </message>
    <message>
        <source>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</source>
        <translation>Contiene los grandes saltos de brillo para que no aparezcan halos en los bordes</translation>
    </message>
    <message>
        <source>Stärke der Wirkung abhängig von der Helligkeit</source>
        <translation>Intensidad del efecto según el brillo</translation>
    </message>
    <message>
        <source>Luminanz Kontrast</source>
        <translation>Contraste de luminancia</translation>
    </message>
    <message>
        <source>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</source>
        <translation>Contraste del brillo; tono y saturación se conservan</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>Pivote</translation>
    </message>
    <message>
        <source>Helligkeit, die unverändert bleibt</source>
        <translation>Brillo que no cambia</translation>
    </message>
    <message>
        <source>Helligkeit ebnen</source>
        <translation>Igualar el brillo</translation>
    </message>
    <message>
        <source>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</source>
        <translation>Compensa la iluminación irregular; los detalles se conservan</translation>
    </message>
    <message>
        <source>Größe der Flächen, über die die Helligkeit ausgeglichen wird</source>
        <translation>Tamaño de las zonas sobre las que se iguala el brillo</translation>
    </message>
    <message>
        <source>_Highlight Recover</source>
        <translation>Recuperación de altas luces</translation>
    </message>
    <message>
        <source>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</source>
        <translation>Comprime suavemente los tonos más claros sin que ningún canal se queme</translation>
    </message>
    <message>
        <source>Einsatzpunkt</source>
        <translation>Punto de inicio</translation>
    </message>
    <message>
        <source>früh</source>
        <translation>pronto</translation>
    </message>
    <message>
        <source>spät</source>
        <translation>tarde</translation>
    </message>
    <message>
        <source>Helligkeit, ab der die Lichter zusammengedrückt werden</source>
        <translation>Brillo a partir del cual se comprimen las altas luces</translation>
    </message>
    <message>
        <source>Nebel reduzieren</source>
        <translation>Reducir neblina</translation>
    </message>
    <message>
        <source>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</source>
        <translation>Elimina el velo claro de niebla y neblina de la imagen</translation>
    </message>
    <message>
        <source>Spitzlichter wiederherstellen</source>
        <translation>Recuperar reflejos especulares</translation>
    </message>
    <message>
        <source>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</source>
        <translation>Oscurece las zonas claras en conjunto y conserva su detalle</translation>
    </message>
    <message>
        <source>Helligkeit der Umgebung, ab der abgedunkelt wird</source>
        <translation>Brillo del entorno a partir del cual se oscurece</translation>
    </message>
    <message>
        <source>Weißkorrektur</source>
        <translation>Corrección del blanco</translation>
    </message>
    <message>
        <source>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</source>
        <translation>Elimina la dominante de las altas luces y las aclara hasta el blanco puro</translation>
    </message>
    <message>
        <source>Helligkeit, ab der korrigiert wird</source>
        <translation>Brillo a partir del cual se corrige</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>Degradado de brillo</translation>
    </message>
    <message>
        <source>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</source>
        <translation>Gamma del lado de la imagen antes de la línea; los valores negativos lo oscurecen (por ejemplo un cielo)</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Richtung des Verlaufs; 90° verläuft von oben nach unten</source>
        <translation>Dirección del degradado; 90° va de arriba abajo</translation>
    </message>
    <message>
        <source>Übergang</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Breite des Übergangs über die Linie</source>
        <translation>Anchura de la transición a través de la línea</translation>
    </message>
    <message>
        <source>Linienmitte</source>
        <translation>Centro de la línea</translation>
    </message>
    <message>
        <source>Punkt, durch den die Übergangslinie läuft</source>
        <translation>Punto por el que pasa la línea de transición</translation>
    </message>
    <message>
        <source>Weiche Details</source>
        <translation>Detalles suaves</translation>
    </message>
    <message>
        <source>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</source>
        <translation>Suaviza estructuras finas como la piel o el ruido; los bordes siguen nítidos</translation>
    </message>
    <message>
        <source>Größe der Strukturen, die geglättet werden</source>
        <translation>Tamaño de las estructuras que se suavizan</translation>
    </message>
    <message>
        <source>Weiche Kontur</source>
        <translation>Contorno suave</translation>
    </message>
    <message>
        <source>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</source>
        <translation>Da a los contornos un borde suave y luminoso; las superficies siguen nítidas</translation>
    </message>
    <message>
        <source>Breite des weichen Randes</source>
        <translation>Anchura del borde suave</translation>
    </message>
    <message>
        <source>Randlicht-Verteilung</source>
        <translation>Distribución de la luz en los bordes</translation>
    </message>
    <message>
        <source>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</source>
        <translation>Compensa la caída de luz hacia el borde de la imagen (viñeteado, flash)</translation>
    </message>
    <message>
        <source>Dynamische Helligkeit</source>
        <translation>Brillo dinámico</translation>
    </message>
    <message>
        <source>erweitern</source>
        <translation>expandir</translation>
    </message>
    <message>
        <source>verdichten</source>
        <translation>comprimir</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</source>
        <translation>Aclara los entornos oscuros y oscurece los claros (o al revés)</translation>
    </message>
    <message>
        <source>automatischer Schwarz/Weißpunkt</source>
        <translation>Punto negro/blanco automático</translation>
    </message>
    <message>
        <source>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</source>
        <translation>Cuánto se estiran los puntos negro y blanco de la imagen a todo el rango</translation>
    </message>
    <message>
        <source>gewogener Schwarz/Weißpunkt</source>
        <translation>Punto negro/blanco ponderado</translation>
    </message>
    <message>
        <source>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</source>
        <translation>Cuánto se estiran los puntos medidos a todo el rango</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</source>
        <translation>Proporción de los píxeles más oscuros y más claros cuya media da los puntos negro y blanco</translation>
    </message>
    <message>
        <source>Histogramm Abgleich</source>
        <translation>Ecualización del histograma</translation>
    </message>
    <message>
        <source>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</source>
        <translation>Reparte los tonos uniformemente por todo el rango</translation>
    </message>
    <message>
        <source>Kontrastbegrenzung</source>
        <translation>Límite de contraste</translation>
    </message>
    <message>
        <source>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</source>
        <translation>Limita cuánto se estiran las grandes zonas uniformes</translation>
    </message>
    <message>
        <source>Licht/Schatten anpassen</source>
        <translation>Ajustar luces/sombras</translation>
    </message>
    <message>
        <source>Lichter</source>
        <translation>Altas luces</translation>
    </message>
    <message>
        <source>Belichtung der hellen Töne</source>
        <translation>Exposición de los tonos claros</translation>
    </message>
    <message>
        <source>Belichtung der dunklen Töne</source>
        <translation>Exposición de los tonos oscuros</translation>
    </message>
    <message>
        <source>Tonbreite</source>
        <translation>Amplitud tonal</translation>
    </message>
    <message>
        <source>Wie weit Lichter und Schatten in die Mitteltöne reichen</source>
        <translation>Cuánto llegan las luces y las sombras a los medios tonos</translation>
    </message>
    <message>
        <source>Lichttuner</source>
        <translation>Ajuste de luz</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</source>
        <translation>Aclara más los entornos oscuros que los claros; después se vuelven a fijar los puntos negro y blanco</translation>
    </message>
    <message>
        <source>Percentile justieren</source>
        <translation>Ajustar percentiles</translation>
    </message>
    <message>
        <source>Dunkles Perzentil</source>
        <translation>Percentil oscuro</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der schwarz wird</source>
        <translation>Proporción de los píxeles de cada canal que pasan a negro</translation>
    </message>
    <message>
        <source>Helles Perzentil</source>
        <translation>Percentil claro</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der weiß wird</source>
        <translation>Proporción de los píxeles de cada canal que pasan a blanco</translation>
    </message>
    <message>
        <source>Gradationskurve (logarithm.)</source>
        <translation>Curva tonal (logarítmica)</translation>
    </message>
    <message>
        <source>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</source>
        <translation>Curva tonal sobre el brillo logarítmico: las sombras ocupan la mayor parte</translation>
    </message>
    <message>
        <source>Tonwerte justieren</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Schwarzwert</source>
        <translation>Nivel de negro</translation>
    </message>
    <message>
        <source>Helligkeit, die schwarz wird</source>
        <translation>Brillo que pasa a negro</translation>
    </message>
    <message>
        <source>Weißwert</source>
        <translation>Nivel de blanco</translation>
    </message>
    <message>
        <source>Helligkeit, die weiß wird</source>
        <translation>Brillo que pasa a blanco</translation>
    </message>
    <message>
        <source>Mitteltöne</source>
        <translation>Medios tonos</translation>
    </message>
    <message>
        <source>Gamma der Mitteltöne</source>
        <translation>Gamma de los medios tonos</translation>
    </message>
    <message>
        <source>Ausgabe Schwarz</source>
        <translation>Negro de salida</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Schwarz gesetzt wird</source>
        <translation>Brillo al que se lleva el negro</translation>
    </message>
    <message>
        <source>Ausgabe Weiß</source>
        <translation>Blanco de salida</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Weiß gesetzt wird</source>
        <translation>Brillo al que se lleva el blanco</translation>
    </message>
    <message>
        <source>Graustufenumwandlung</source>
        <translation>Conversión a escala de grises</translation>
    </message>
    <message>
        <source>Rotanteil</source>
        <translation>Proporción de rojo</translation>
    </message>
    <message>
        <source>Anteil des roten Kanals am Grau</source>
        <translation>Proporción del canal rojo en el gris</translation>
    </message>
    <message>
        <source>Grünanteil</source>
        <translation>Proporción de verde</translation>
    </message>
    <message>
        <source>Anteil des grünen Kanals am Grau</source>
        <translation>Proporción del canal verde en el gris</translation>
    </message>
    <message>
        <source>Blauanteil</source>
        <translation>Proporción de azul</translation>
    </message>
    <message>
        <source>Anteil des blauen Kanals am Grau</source>
        <translation>Proporción del canal azul en el gris</translation>
    </message>
    <message>
        <source>Fraktales_Korn</source>
        <translation>Grano fractal</translation>
    </message>
    <message>
        <source>Stärke des Korns</source>
        <translation>Intensidad del grano</translation>
    </message>
    <message>
        <source>Größe der Körner im Bild in voller Auflösung</source>
        <translation>Tamaño de los granos en la imagen a resolución completa</translation>
    </message>
    <message>
        <source>Rauheit</source>
        <translation>Rugosidad</translation>
    </message>
    <message>
        <source>rau</source>
        <translation>rugoso</translation>
    </message>
    <message>
        <source>Anteil der feineren Kornstufen</source>
        <translation>Proporción de los niveles de grano más finos</translation>
    </message>
    <message>
        <source>Kornbewegung</source>
        <translation>Movimiento del grano</translation>
    </message>
    <message>
        <source>eingefroren</source>
        <translation>congelado</translation>
    </message>
    <message>
        <source>jedes Bild neu</source>
        <translation>nuevo en cada fotograma</translation>
    </message>
    <message>
        <source>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</source>
        <translation>Con qué frecuencia cambia el grano en los vídeos; 0 lo mantiene fijo en todos los fotogramas</translation>
    </message>
    <message>
        <source>Analoges_Korn</source>
        <translation>Grano analógico</translation>
    </message>
    <message>
        <source>Farbkorn</source>
        <translation>Grano de color</translation>
    </message>
    <message>
        <source>einfarbig</source>
        <translation>monocromo</translation>
    </message>
    <message>
        <source>farbig</source>
        <translation>en color</translation>
    </message>
    <message>
        <source>Anteil des Korns, der in jedem Farbkanal eigen ist</source>
        <translation>Proporción del grano que es propia de cada canal de color</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSV)</source>
        <translation>Grano fractal (HSV)</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSL)</source>
        <translation>Grano fractal (HSL)</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSV)</source>
        <translation>Grano analógico (HSV)</translation>
    </message>
    <message>
        <source>Sättigungskorn</source>
        <translation>Grano de saturación</translation>
    </message>
    <message>
        <source>Korn auch in der Sättigung; der Farbton bleibt erhalten</source>
        <translation>Grano también en la saturación; el tono se conserva</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSL)</source>
        <translation>Grano analógico (HSL)</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Sin blanqueo</translation>
    </message>
    <message>
        <source>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</source>
        <translation>Más contraste y menos color, como al omitir el baño de blanqueo</translation>
    </message>
    <message>
        <source>Veiling Glare</source>
        <translation>Velo de luz</translation>
    </message>
    <message>
        <source>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</source>
        <translation>Luz parásita en el objetivo: las zonas claras velan su entorno</translation>
    </message>
    <message>
        <source>Local Contour</source>
        <translation>Contorno local</translation>
    </message>
    <message>
        <source>Verstärkung der Konturen</source>
        <translation>Realce de contornos</translation>
    </message>
    <message>
        <source>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</source>
        <translation>Las diferencias más finas (grano, ruido) no se refuerzan</translation>
    </message>
    <message>
        <source>Struktur (Tonung)</source>
        <translation>Textura (virado)</translation>
    </message>
    <message>
        <source>Wie stark die Struktur über dem Bild liegt</source>
        <translation>Cuánto se superpone la textura a la imagen</translation>
    </message>
    <message>
        <source>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</source>
        <translation>Escala de la textura, de un cuarto a cuatro veces</translation>
    </message>
    <message>
        <source>Muster</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Wählt eine von tausend Varianten der Struktur</source>
        <translation>Elige una de las mil variantes de la textura</translation>
    </message>
    <message>
        <source>Farbe der Struktur</source>
        <translation>Color de la textura</translation>
    </message>
    <message>
        <source>Struktur (Staub)</source>
        <translation>Textura (polvo)</translation>
    </message>
    <message>
        <source>Struktur (Licht)</source>
        <translation>Textura (luz)</translation>
    </message>
    <message>
        <source>Struktur (Doppelbelichtung)</source>
        <translation>Textura (doble exposición)</translation>
    </message>
    <message>
        <source>Struktur (Projektion)</source>
        <translation>Textura (proyección)</translation>
    </message>
    <message>
        <source>Struktur (Vignette)</source>
        <translation>Textura (viñeta)</translation>
    </message>
    <message>
        <source>Struktur (Stoffe)</source>
        <translation>Textura (tejidos)</translation>
    </message>
    <message>
        <source>Struktur (Risse)</source>
        <translation>Textura (grietas)</translation>
    </message>
    <message>
        <source>Struktur (Stein)</source>
        <translation>Textura (piedra)</translation>
    </message>
    <message>
        <source>Struktur (Papier)</source>
        <translation>Textura (papel)</translation>
    </message>
    <message>
        <source>Struktur (Metalle)</source>
        <translation>Textura (metales)</translation>
    </message>
    <message>
        <source>Struktur (Puzzle)</source>
        <translation>Textura (puzle)</translation>
    </message>
    <message>
        <source>Schwarz-Weiß</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Lokaler Kontrast</source>
        <translation>Contraste local</translation>
    </message>
    <message>
        <source>Lokaler Kontrast des Graubilds</source>
        <translation>Contraste local de la imagen en gris</translation>
    </message>
    <message>
        <source>Rotfilter</source>
        <translation>Filtro rojo</translation>
    </message>
    <message>
        <source>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</source>
        <translation>Cuánto se aclaran los tonos rojos en el gris (un filtro rojo oscurece el cielo azul)</translation>
    </message>
    <message>
        <source>Grünfilter</source>
        <translation>Filtro verde</translation>
    </message>
    <message>
        <source>Wie hell grüne Töne im Grau werden</source>
        <translation>Cuánto se aclaran los tonos verdes en el gris</translation>
    </message>
    <message>
        <source>Blaufilter</source>
        <translation>Filtro azul</translation>
    </message>
    <message>
        <source>Wie hell blaue Töne im Grau werden</source>
        <translation>Cuánto se aclaran los tonos azules en el gris</translation>
    </message>
    <message>
        <source>Zentrum belichten</source>
        <translation>Exponer el centro</translation>
    </message>
    <message>
        <source>Belichtung des Zentrums in Blendenstufen</source>
        <translation>Exposición del centro en pasos</translation>
    </message>
    <message>
        <source>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</source>
        <translation>Tamaño del centro totalmente expuesto, respecto a la mitad de la diagonal</translation>
    </message>
    <message>
        <source>Breite des Übergangs nach außen</source>
        <translation>Anchura de la transición hacia fuera</translation>
    </message>
    <message>
        <source>Mitte des belichteten Bereichs</source>
        <translation>Centro de la zona expuesta</translation>
    </message>
    <message>
        <source>Weicher Kontrast</source>
        <translation>Contraste suave</translation>
    </message>
    <message>
        <source>weicher</source>
        <translation>más suave</translation>
    </message>
    <message>
        <source>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</source>
        <translation>Curva en S del brillo cuyas luces y sombras se suavizan</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Helligkeit, um die die Kurve dreht</source>
        <translation>Brillo alrededor del cual gira la curva</translation>
    </message>
    <message>
        <source>Halftone</source>
        <translation>Semitono</translation>
    </message>
    <message>
        <source>Rasterweite</source>
        <translation>Lineatura</translation>
    </message>
    <message>
        <source>Abstand der Rasterpunkte im Bild in voller Auflösung</source>
        <translation>Distancia de los puntos de trama en la imagen a resolución completa</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Winkel des Rasters</source>
        <translation>Ángulo de la trama</translation>
    </message>
    <message>
        <source>Wie stark das Raster über dem Bild liegt</source>
        <translation>Cuánto se superpone la trama a la imagen</translation>
    </message>
    <message>
        <source>Farbraster</source>
        <translation>Trama de color</translation>
    </message>
    <message>
        <source>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</source>
        <translation>Una trama propia para cada canal de color en lugar de una gris</translation>
    </message>
    <message>
        <source>Struktur (Wellen)</source>
        <translation>Textura (ondas)</translation>
    </message>
    <message>
        <source>Struktur (Leinen)</source>
        <translation>Textura (lino)</translation>
    </message>
    <message>
        <source>Alterung</source>
        <translation>Envejecimiento</translation>
    </message>
    <message>
        <source>Gesamtwirkung der Alterung</source>
        <translation>Efecto global del envejecimiento</translation>
    </message>
    <message>
        <source>Vergilbung</source>
        <translation>Amarilleo</translation>
    </message>
    <message>
        <source>Gelbstich, vor allem in den Lichtern</source>
        <translation>Dominante amarilla, sobre todo en las altas luces</translation>
    </message>
    <message>
        <source>Verblassen</source>
        <translation>Desvanecimiento</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Angehobene Schwarztöne und stumpfe Lichter</source>
        <translation>Negros levantados y altas luces apagadas</translation>
    </message>
    <message>
        <source>Flecken</source>
        <translation>Manchas</translation>
    </message>
    <message>
        <source>Braune Flecken und Staubpunkte</source>
        <translation>Manchas marrones y motas de polvo</translation>
    </message>
    <message>
        <source>Iter Tonemapping Kontrast</source>
        <translation>Mapeo de tonos iterativo contraste</translation>
    </message>
    <message>
        <source>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</source>
        <translation>Tamaño de las zonas cuyo brillo se iguala en conjunto.</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</source>
        <translation>Cuánto se acercan entre sí las zonas claras y oscuras.</translation>
    </message>
    <message>
        <source>erhalten</source>
        <translation>conservado</translation>
    </message>
    <message>
        <source>Iter Tonemapping Brillanz</source>
        <translation>Mapeo de tonos iterativo brillantez</translation>
    </message>
    <message>
        <source>Brillanz</source>
        <translation>Brillantez</translation>
    </message>
    <message>
        <source>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</source>
        <translation>Refuerza los detalles y colores de cada canal frente al brillo.</translation>
    </message>
    <message>
        <source>Maske - Details</source>
        <translation>Máscara - Detalles</translation>
    </message>
    <message>
        <source>feine Details</source>
        <translation>detalles finos</translation>
    </message>
    <message>
        <source>grobe Kanten</source>
        <translation>bordes gruesos</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</source>
        <translation>Diferencia de brillo en el entorno 3×3 a partir de la cual un píxel cuenta como detalle.</translation>
    </message>
    <message>
        <source>Maske - NonDetails</source>
        <translation>Máscara - Zonas sin detalle</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Rot</source>
        <translation>Máscara - Proporción de rojo</translation>
    </message>
    <message>
        <source>rein</source>
        <translation>puro</translation>
    </message>
    <message>
        <source>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Proporción del canal rojo en la suma de los tres canales a partir de la cual se selecciona un píxel (gris: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Grün</source>
        <translation>Máscara - Proporción de verde</translation>
    </message>
    <message>
        <source>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Proporción del canal verde en la suma de los tres canales a partir de la cual se selecciona un píxel (gris: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Blau</source>
        <translation>Máscara - Proporción de azul</translation>
    </message>
    <message>
        <source>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Proporción del canal azul en la suma de los tres canales a partir de la cual se selecciona un píxel (gris: 33 %).</translation>
    </message>
    <message>
        <source>Maske - MinMax</source>
        <translation>Máscara - Mín/máx</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</source>
        <translation>El canal más oscuro debe ser al menos así de claro: las sombras empastadas quedan excluidas.</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</source>
        <translation>El canal más claro puede ser como mucho así de claro: las altas luces quemadas quedan excluidas.</translation>
    </message>
    <message>
        <source>Maske - Gradation</source>
        <translation>Máscara - Curva tonal</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Auswahlstärke über der Helligkeit.</source>
        <translation>Intensidad de la selección según el brillo.</translation>
    </message>
    <message>
        <source>Maske - Verlauf</source>
        <translation>Máscara - Degradado</translation>
    </message>
    <message>
        <source>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</source>
        <translation>Seleccionado por completo en el primer punto, ya no a partir del segundo.</translation>
    </message>
    <message>
        <source>Maske - Vignette</source>
        <translation>Máscara - Viñeta</translation>
    </message>
    <message>
        <source>Zentrum</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</source>
        <translation>Más allá de esta distancia del centro (100 %: las esquinas) el borde queda seleccionado por completo.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne</source>
        <translation>Máscara - Tonos de piel</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf.</source>
        <translation>Cuánto puede desviarse el tono del tono de piel.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne schützen</source>
        <translation>Máscara - Proteger tonos de piel</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</source>
        <translation>Cuánto puede desviarse el tono del tono de piel; se selecciona todo excepto la piel.</translation>
    </message>
    <message>
        <source>Maske - Himmelsfarben</source>
        <translation>Máscara - Colores del cielo</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Himmelblau abweichen darf.</source>
        <translation>Cuánto puede desviarse el tono del azul cielo.</translation>
    </message>
    <message>
        <source>Maske - organisches Grün</source>
        <translation>Máscara - Verde vegetal</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</source>
        <translation>Cuánto puede desviarse el tono del verde de hojas y hierba.</translation>
    </message>
    <message>
        <source>horizontale Weichzeichnung</source>
        <translation>Desenfoque horizontal</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</source>
        <translation>Desenfoque solo a lo largo de las filas: los bordes horizontales siguen nítidos.</translation>
    </message>
    <message>
        <source>vertikale Weichzeichnung</source>
        <translation>Desenfoque vertical</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</source>
        <translation>Desenfoque solo a lo largo de las columnas: los bordes verticales siguen nítidos.</translation>
    </message>
    <message>
        <source>gerichtete Weichzeichnung</source>
        <translation>Desenfoque direccional</translation>
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
        <translation>Dirección del desenfoque; 0° horizontal, 90° vertical.</translation>
    </message>
    <message>
        <source>Verflüssigen</source>
        <translation>Licuar</translation>
    </message>
    <message>
        <source>Größte Verschiebung der Bildpunkte.</source>
        <translation>Desplazamiento máximo de los píxeles.</translation>
    </message>
    <message>
        <source>Strukturgröße</source>
        <translation>Tamaño de la estructura</translation>
    </message>
    <message>
        <source>Kirlian Weichzeichnung</source>
        <translation>Desenfoque de corona</translation>
    </message>
    <message>
        <source>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</source>
        <translation>Cuánto irradian suavemente las zonas claras hacia su entorno más oscuro.</translation>
    </message>
    <message>
        <source>Kirlian Leuchten</source>
        <translation>Resplandor de corona</translation>
    </message>
    <message>
        <source>Breite der Korona um die Kanten.</source>
        <translation>Anchura de la corona alrededor de los bordes.</translation>
    </message>
    <message>
        <source>Leuchtkraft</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>Neon Leuchten</source>
        <translation>Resplandor de neón</translation>
    </message>
    <message>
        <source>Leuchtradius</source>
        <translation>Radio del resplandor</translation>
    </message>
    <message>
        <source>Breite des Leuchtens um die Kanten.</source>
        <translation>Anchura del resplandor alrededor de los bordes.</translation>
    </message>
    <message>
        <source>Hintergrund abdunkeln</source>
        <translation>Oscurecer fondo</translation>
    </message>
    <message>
        <source>Bildleuchten</source>
        <translation>Resplandor de la imagen</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Bildbereiche leuchten.</source>
        <translation>Brillo a partir del cual brillan las zonas de la imagen.</translation>
    </message>
    <message>
        <source>kantenerhaltende Weichzeichnung</source>
        <translation>Desenfoque que conserva bordes</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</source>
        <translation>Hasta qué diferencia de brillo se suaviza; los bordes mayores se conservan.</translation>
    </message>
    <message>
        <source>Gauss-Weichzeichnung</source>
        <translation>Desenfoque gaussiano</translation>
    </message>
    <message>
        <source>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</source>
        <translation>Distancia máxima desde la que contribuye un píxel (unas tres desviaciones típicas).</translation>
    </message>
    <message>
        <source>Farbkanal Weichzeichnung</source>
        <translation>Desenfoque por canal</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Rotkanal.</source>
        <translation>Proporción del radio para el canal rojo.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Grünkanal.</source>
        <translation>Proporción del radio para el canal verde.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Blaukanal.</source>
        <translation>Proporción del radio para el canal azul.</translation>
    </message>
    <message>
        <source>Farbton Weichzeichnung</source>
        <translation>Desenfoque de tono</translation>
    </message>
    <message>
        <source>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</source>
        <translation>Se desenfoca el color y el brillo se mantiene: desaparecen el ruido de color y los halos.</translation>
    </message>
    <message>
        <source>Kreis-Weichzeichnung</source>
        <translation>Desenfoque radial</translation>
    </message>
    <message>
        <source>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</source>
        <translation>Arco sobre el que cada píxel se difumina alrededor del centro.</translation>
    </message>
    <message>
        <source>Fokus</source>
        <translation>Enfoque</translation>
    </message>
    <message>
        <source>Unschärfe</source>
        <translation>Desenfoque</translation>
    </message>
    <message>
        <source>Schärfebereich</source>
        <translation>Zona nítida</translation>
    </message>
    <message>
        <source>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</source>
        <translation>Radio de la zona nítida alrededor del centro (100 %: las esquinas).</translation>
    </message>
    <message>
        <source>Bokeh</source>
        <translation>Bokeh</translation>
    </message>
    <message>
        <source>Radius der Unschärfescheibe.</source>
        <translation>Radio del disco de desenfoque.</translation>
    </message>
    <message>
        <source>Lichter betonen</source>
        <translation>Realzar las luces</translation>
    </message>
    <message>
        <source>Helle Lichter werden zu hellen Scheiben.</source>
        <translation>Las luces brillantes se convierten en discos luminosos.</translation>
    </message>
    <message>
        <source>Licht-Bokeh</source>
        <translation>Bokeh luminoso</translation>
    </message>
    <message>
        <source>Radius der Lichtscheiben.</source>
        <translation>Radio de los discos de luz.</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Lichter Scheiben bilden.</source>
        <translation>Brillo a partir del cual las luces forman discos.</translation>
    </message>
    <message>
        <source>Warp</source>
        <translation>Deformar</translation>
    </message>
    <message>
        <source>Verschiebung</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Einflussradius</source>
        <translation>Radio de influencia</translation>
    </message>
    <message>
        <source>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</source>
        <translation>Zona alrededor del centro que se desplaza con él (proporción del lado corto de la imagen).</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0° nach rechts, 90° nach unten.</source>
        <translation>0° hacia la derecha, 90° hacia abajo.</translation>
    </message>
    <message>
        <source>Intensives Leuchten</source>
        <translation>Resplandor intenso</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 kann nicht geöffnet werden.</source>
        <translation>No se puede abrir el archivo LUT %1.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</source>
        <translation>El archivo LUT %1 contiene una línea de más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</source>
        <translation>El archivo LUT %1 contiene una palabra de más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</source>
        <translation>El archivo LUT %1 pide una tabla de %2 puntos; se admiten como máximo %3.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist keine Datei.</source>
        <translation>El archivo LUT %1 no es un archivo.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist größer als %2 MB.</source>
        <translation>El archivo LUT %1 supera los %2 MB.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>No se ha podido leer el archivo LUT %1: %2</translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Importar LUT</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten je Achse übernommen.</source>
        <translation>Se han adoptado %1 de %2 puntos por eje.</translation>
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
        <translation>D</translation>
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
        <translation>Mostrar máscara: muestra la selección tras el operador elegido como imagen en gris</translation>
    </message>
    <message>
        <source>Tetraedrisch interpolieren</source>
        <translation>Interpolación tetraédrica</translation>
    </message>
    <message>
        <source>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</source>
        <translation>Interpolar entre los puntos de la LUT a partir de cuatro vecinos en lugar de ocho</translation>
    </message>
    <message>
        <source>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</source>
        <translation>Estos ajustes actúan sobre píxeles vecinos o posiciones de la imagen y no están incluidos en la LUT: %1</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Guardar la corrección como LUT</translation>
    </message>
    <message>
        <source>Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</source>
        <translation>¿Añadir la LUT a la biblioteca de LUT (Sí) o guardarla como archivo (No)?</translation>
    </message>
    <message>
        <source>Der LUT wurde nicht geschrieben: %1</source>
        <translation>No se ha escrito la LUT: %1</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Mittelwert, Ausreißer betont</source>
        <translation>Media, valores atípicos acentuados</translation>
    </message>
    <message>
        <source>Mittelwert, Mehrheit betont</source>
        <translation>Media, mayoría acentuada</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Dispersión</translation>
    </message>
    <message>
        <source>Bewegungskarte</source>
        <translation>Mapa de movimiento</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Mitte zwischen Minimum und Maximum</source>
        <translation>Punto medio entre mínimo y máximo</translation>
    </message>
    <message>
        <source>Verblassende Spur</source>
        <translation>Estela que se desvanece</translation>
    </message>
    <message>
        <source>Spitzheit der Verteilung</source>
        <translation>Curtosis de la distribución</translation>
    </message>
    <message>
        <source>Beim Videoexport</source>
        <translation>Al exportar vídeo</translation>
    </message>
    <message>
        <source>Überblendete Bilder</source>
        <translation>Fotogramas fusionados</translation>
    </message>
    <message>
        <source>Überblendung</source>
        <translation>Fusión</translation>
    </message>
    <message>
        <source>Vorher/Nachher</source>
        <translation>Antes/después</translation>
    </message>
    <message>
        <source>Hälfte</source>
        <translation>Mitad</translation>
    </message>
    <message>
        <source>Mitte nebeneinander</source>
        <translation>Centros lado a lado</translation>
    </message>
</context>
<context>
    <name>HDRPresetCombineWindow</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combinar ajustes</translation>
    </message>
    <message>
        <source>Kombinieren ausführen</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Voreinstellung A</source>
        <translation>Ajuste A</translation>
    </message>
    <message>
        <source>Voreinstellung B</source>
        <translation>Ajuste B</translation>
    </message>
</context>
<context>
    <name>HDRPresetGroupBox</name>
    <message>
        <source>Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.</source>
        <translation>Este ajuste usa efectos que esta versión no conoce.</translation>
    </message>
    <message>
        <source>Klicken, um die Voreinstellung anzuwenden</source>
        <translation>Haga clic para aplicar el ajuste</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Kopiert die Voreinstellung als eigene Voreinstellung</source>
        <translation>Copia el ajuste como ajuste propio</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Lädt die Voreinstellung wieder aus ihrer Datei</source>
        <translation>Vuelve a cargar el ajuste desde su archivo</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Speichert die aktuelle Bearbeitung in diese Voreinstellung</source>
        <translation>Guarda la corrección actual en este ajuste</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Gibt der Voreinstellung einen neuen Namen</source>
        <translation>Da un nombre nuevo al ajuste</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Löscht die Voreinstellung</source>
        <translation>Elimina el ajuste</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach oben</source>
        <translation>Sube el ajuste una posición</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach unten</source>
        <translation>Baja el ajuste una posición</translation>
    </message>
    <message>
        <source>Fehlende Effekte</source>
        <translation>Efectos que faltan</translation>
    </message>
</context>
<context>
    <name>HDRPresetsDockWidget</name>
    <message>
        <source>Voreinstellungen</source>
        <translation>Ajustes preestablecidos</translation>
    </message>
    <message>
        <source>Zeigt nur Voreinstellungen mit diesem Stichwort</source>
        <translation>Muestra solo los ajustes con esta palabra clave</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Importar ajustes</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Exportar ajuste</translation>
    </message>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Combinar ajustes</translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation>Se ha producido un error: registro o continuar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation>calculando</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Tiempo transcurrido: </translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation>Tiempo restante estimado: </translation>
    </message>
    <message numerus="yes">
        <source>%n Tage</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Stunden</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minuten</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sekunden</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HDRScopesDockWidget</name>
    <message>
        <source>Scopes</source>
        <translation>Monitores</translation>
    </message>
</context>
<context>
    <name>HDRTimelineDockWidget</name>
    <message>
        <source>Timeline Window</source>
        <translation>Línea de tiempo</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt einladen</source>
        <translation>Cargar este punto de deshacer</translation>
    </message>
    <message>
        <source>tooltip Timeline-Notiz editieren</source>
        <translation>Editar la nota de este punto</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt löschen</source>
        <translation>Eliminar este punto de deshacer</translation>
    </message>
    <message>
        <source>Notiz eintragen</source>
        <translation>Introducir nota</translation>
    </message>
    <message>
        <source>Geben Sie eine Notiz ein:</source>
        <translation>Introduzca una nota:</translation>
    </message>
    <message>
        <source>Soll dieser Undo-Punkt wirklich gelöscht werden?</source>
        <translation>¿Seguro que desea eliminar este punto de deshacer?</translation>
    </message>
    <message>
        <source>Undo-Eintrag</source>
        <translation>entrada de deshacer</translation>
    </message>
    <message>
        <source>Undo-Einträge</source>
        <translation>entradas de deshacer</translation>
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
        <translation>Aclarar</translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation>Oscurecer</translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation>Media geométrica</translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation>Intensificar</translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation>Negación</translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation>Trama</translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation>Exclusión</translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation>Luz suave</translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation>Superponer</translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation>Sobreexponer color</translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation>Subexponer color</translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation>Subexposición lineal</translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation>Luz lineal</translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation>Luz intensa</translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation>Luz focal</translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation>Mezcla definida</translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation>Resplandor</translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation>Calor</translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation>Suma cúbica</translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation>Media cuadrática</translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation>Reducir contraste</translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation>Aumentar contraste</translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation>Luz fuerte (luminancia)</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation>Aclarar (suave)</translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation>Sombras</translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation>Medios tonos</translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation>Altas luces</translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation>Tonos grises</translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation>Tonos coloridos</translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation>Canal rojo</translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation>Canal verde</translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation>Canal azul</translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation>Canales verde y azul</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation>Canales rojo y azul</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation>Canales rojo y verde</translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation>Sombras profundas</translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation>Altas luces brillantes</translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation>Sumar (limitado)</translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation>Sumar (sombras)</translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation>Añadir diferencia</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation>Tono HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation>Saturación HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation>Color HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation>Valor HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation>Media HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation>Oscurecer HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation>Aclarar HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation>Desaturar HSV</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation>Saturar HSV</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation>Tono HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation>Saturación HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation>Color HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation>Luminosidad HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation>Media HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation>Oscurecer HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation>Aclarar HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation>Desaturar HSL</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation>Saturar HSL</translation>
    </message>
</context>
<context>
    <name>LutBrowserWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation>Estilos LUT guardados: elija uno para aplicarlo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Explorador</translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation>Biblioteca de LUT</translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation>Añadir la LUT actual a la biblioteca</translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation>Eliminar la LUT elegida de la biblioteca</translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation>Cargar LUT</translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation>Cargar una LUT desde un archivo cube</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Guardar LUT</translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation>Guardar la LUT actual como archivo cube</translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation>Crear la LUT a partir de la imagen anterior de la carpeta</translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation>LUT desde imagen</translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation>Crear la LUT a partir de la imagen siguiente de la carpeta</translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation>Tipo 1</translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation>Método 1: adopta la distribución tonal de cada canal de color</translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation>Tipo 2</translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation>Método 2: adopta tonos y matices</translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation>LUT con 17 puntos por eje</translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation>LUT con 25 puntos por eje</translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation>LUT con 32 puntos por eje</translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation>LUT con 64 puntos por eje</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Creando vistas previas: </translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Importar LUT</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Guardar la corrección como LUT</translation>
    </message>
    <message>
        <source>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</source>
        <translation>Guardar el efecto de color de toda la corrección como LUT del tamaño elegido</translation>
    </message>
</context>
<context>
    <name>PPPreset</name>
    <message>
        <source>Klarer Tag</source>
        <translation>Día despejado</translation>
    </message>
    <message>
        <source>Sanftes Licht</source>
        <translation>Luz suave</translation>
    </message>
    <message>
        <source>Warmer Abend</source>
        <translation>Atardecer cálido</translation>
    </message>
    <message>
        <source>Frische Farben</source>
        <translation>Colores frescos</translation>
    </message>
    <message>
        <source>Natürlicher Kontrast</source>
        <translation>Contraste natural</translation>
    </message>
    <message>
        <source>Helle Mitten</source>
        <translation>Medios tonos claros</translation>
    </message>
    <message>
        <source>Negativtraum</source>
        <translation>Sueño negativo</translation>
    </message>
    <message>
        <source>Traumleuchten</source>
        <translation>Resplandor de sueño</translation>
    </message>
    <message>
        <source>Fremde Welt</source>
        <translation>Mundo extraño</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrarrojo</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Blaue Umkehr</source>
        <translation>Inversión azul</translation>
    </message>
    <message>
        <source>Blauer Himmel</source>
        <translation>Cielo azul</translation>
    </message>
    <message>
        <source>Sattes Grün</source>
        <translation>Verde intenso</translation>
    </message>
    <message>
        <source>Herbstwald</source>
        <translation>Bosque otoñal</translation>
    </message>
    <message>
        <source>Nebelmorgen</source>
        <translation>Mañana de niebla</translation>
    </message>
    <message>
        <source>Dramatischer Himmel</source>
        <translation>Cielo dramático</translation>
    </message>
    <message>
        <source>Wüstensonne</source>
        <translation>Sol del desierto</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Hormigón</translation>
    </message>
    <message>
        <source>Glas und Stahl</source>
        <translation>Cristal y acero</translation>
    </message>
    <message>
        <source>Klare Linien</source>
        <translation>Líneas limpias</translation>
    </message>
    <message>
        <source>Altstadt</source>
        <translation>Casco antiguo</translation>
    </message>
    <message>
        <source>Nachtstadt</source>
        <translation>Ciudad de noche</translation>
    </message>
    <message>
        <source>Warme Haut</source>
        <translation>Piel cálida</translation>
    </message>
    <message>
        <source>Weiche Haut</source>
        <translation>Piel suave</translation>
    </message>
    <message>
        <source>Portrait Schwarzweiß</source>
        <translation>Retrato en blanco y negro</translation>
    </message>
    <message>
        <source>High Key</source>
        <translation>Clave alta</translation>
    </message>
    <message>
        <source>Low Key</source>
        <translation>Clave baja</translation>
    </message>
    <message>
        <source>Sepia Klassik</source>
        <translation>Sepia clásico</translation>
    </message>
    <message>
        <source>Filmkorn</source>
        <translation>Grano de película</translation>
    </message>
    <message>
        <source>Kreuzentwicklung</source>
        <translation>Proceso cruzado</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Zweiton</source>
        <translation>Duotono</translation>
    </message>
    <message>
        <source>Lochkamera</source>
        <translation>Cámara estenopeica</translation>
    </message>
</context>
<context>
    <name>PPPresetCategory</name>
    <message>
        <source>SearchTag leer</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>SearchTag Benutzer</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>user</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>surreal</source>
        <translation>Surrealista</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Paisaje</translation>
    </message>
    <message>
        <source>architecture</source>
        <translation>Arquitectura</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>artistic</source>
        <translation>Artístico</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Weich</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Cálido</translation>
    </message>
    <message>
        <source>Farbig</source>
        <translation>Colorido</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Kühl</source>
        <translation>Frío</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>Blanco y negro</translation>
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
        <translation>Mapeo de tonos</translation>
    </message>
    <message>
        <source>Undo-Daten bereinigen</source>
        <translation>Limpiando los datos de deshacer</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Initialisiere System</source>
        <translation>Inicializando el sistema</translation>
    </message>
</context>
<context>
    <name>WindowsRegistryHelper</name>
    <message>
        <source>Vantrope Marlix Projektdatei</source>
        <translation>Archivo de proyecto Vantrope Marlix</translation>
    </message>
    <message>
        <source>Error in setting Registry values</source>
        <translation>Error al asociar los archivos</translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation>No se ha podido registrar la asociación de archivos para «%1».</translation>
    </message>
</context>
</TS>
