<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="de_DE">
<context>
    <name>CCliArguments</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>параметру %1 нужно значение</translation>
    </message>
    <message>
        <source>unerwartetes Argument &apos;%1&apos;</source>
        <translation>лишний аргумент «%1»</translation>
    </message>
    <message>
        <source>%1 braucht %2 (siehe vantrope-cli %1 --help)</source>
        <translation>для %1 нужно: %2 (см. vantrope-cli %1 --help)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lässt sich nicht benennen: %2</source>
        <translation>невозможно обратиться к «%1»: %2</translation>
    </message>
    <message>
        <source>Option --%1 fehlt</source>
        <translation>не указан параметр --%1</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>недопустимое значение --%1: «%2» (ожидается число от 0 до 1)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</source>
        <translation>недопустимое значение --%1: «%2» (ожидается целое число от %3 до %4)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (%3)</source>
        <translation>недопустимое значение --%1: «%2» (%3)</translation>
    </message>
    <message>
        <source>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</source>
        <translation>недопустимая позиция «%1» (миллисекунды, 0 или больше)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</source>
        <translation>недопустимый размер «%1» (ожидается WxH, от %2 до %3 каждая сторона)</translation>
    </message>
</context>
<context>
    <name>CClipDecoder</name>
    <message>
        <source>Die Datei %1 enthält kein lesbares Video.</source>
        <translation>Файл %1 не содержит читаемого видео.</translation>
    </message>
    <message>
        <source>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</source>
        <translation>Видео имеет неподдерживаемый размер кадра (%1 × %2).</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für den Videodecoder.</source>
        <translation>Недостаточно памяти для видеодекодера.</translation>
    </message>
    <message>
        <source>Das Videoformat von %1 kann nicht dekodiert werden.</source>
        <translation>Формат видео %1 не удаётся декодировать.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать файл %1.</translation>
    </message>
    <message>
        <source>Kein Video geöffnet.</source>
        <translation>Видео не открыто.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden.</source>
        <translation>Не удалось преобразовать кадр.</translation>
    </message>
    <message>
        <source>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</source>
        <translation>В позиции %1 не удаётся прочитать кадр: файл повреждён или неполон.</translation>
    </message>
</context>
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation>Обработка видео</translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation>Прервать обработку видео?</translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation>Произошла непредвиденная ошибка. Код: %1</translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation>Программа %1 не ответила вовремя и была остановлена.</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>Запись в папку назначения невозможна.</translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation>Диск папки назначения заполнен.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation>Выбранный формат видео даст очень большой файл. Продолжить?</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation>Обработка видеофайла</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation>Обработка видеофайла (звук)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation>Обработка видеофайла (преобразование)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation>Обработка видеофайла (завершение)</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation>Обработка видеофайла (изображение)</translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать файл %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation>Файл %1 размером %2 байт слишком велик для пресета (не более %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation>Файл %1 содержит %2 операторов; в пресете допускается не более %3.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation>Файл %1 не является пресетом.</translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation>В файле %1 отсутствует запись Kernel группы %2.</translation>
    </message>
</context>
<context>
    <name>CPresetCombiner</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Объединить пресеты</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Введите имя:</translation>
    </message>
</context>
<context>
    <name>CPresetLibrary</name>
    <message>
        <source>Critical error</source>
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>No post-processing presets found! Please reinstall...</source>
        <translation>Пресеты обработки не найдены! Переустановите программу.</translation>
    </message>
    <message>
        <source>Importierte Presets:</source>
        <translation>Импортированные пресеты:</translation>
    </message>
    <message>
        <source>Bereits vorhandene Presets:</source>
        <translation>Уже имеющиеся пресеты:</translation>
    </message>
    <message>
        <source>Inkompatible Presets:</source>
        <translation>Несовместимые пресеты:</translation>
    </message>
    <message>
        <source>Fehlerhafte Presets:</source>
        <translation>Повреждённые пресеты:</translation>
    </message>
    <message>
        <source>Zu Addons gehörende Presets:</source>
        <translation>Пресеты из дополнений:</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Импорт пресетов</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
    <message>
        <source>Preset Import Messagetitle</source>
        <translation>Импорт пресетов</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Экспорт пресета</translation>
    </message>
    <message>
        <source>MyPreset</source>
        <translation>Мой пресет</translation>
    </message>
    <message>
        <source>Voreinstellung kopieren</source>
        <translation>Копировать пресет</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>Введите имя:</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Копия</translation>
    </message>
    <message>
        <source>Voreinstellung umbenennen</source>
        <translation>Переименовать пресет</translation>
    </message>
    <message>
        <source>Vergeben sie einen neuen Namen:</source>
        <translation>Введите новое имя:</translation>
    </message>
    <message>
        <source>Voreinstellung löschen?</source>
        <translation>Удалить пресет?</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</source>
        <translation>Удалить пресет «%1»?</translation>
    </message>
    <message>
        <source>Voreinstellung zurücksetzen</source>
        <translation>Сбросить пресет</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</source>
        <translation>Сбросить пресет «%1»?</translation>
    </message>
</context>
<context>
    <name>CPresetsDockModel</name>
    <message>
        <source>Alle</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Natürlich</source>
        <translation>Естественные</translation>
    </message>
    <message>
        <source>Surreal</source>
        <translation>Сюрреалистичные</translation>
    </message>
    <message>
        <source>Landschaft</source>
        <translation>Пейзаж</translation>
    </message>
    <message>
        <source>Architektur</source>
        <translation>Архитектура</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Портрет</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Художественные</translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation>Осциллограф (яркость)</translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation>RGB-парад</translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation>Вектороскоп</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Гистограмма</translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation>Какой монитор показывать здесь</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation>Усиление </translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation>Яркость следов: при больших значениях хорошо видны и редкие значения</translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation>Логарифмическая</translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation>Высота столбцов гистограммы в логарифмическом, а не линейном масштабе</translation>
    </message>
</context>
<context>
    <name>CVideoDockWidget</name>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Настройки видео</translation>
    </message>
    <message>
        <source>Das Quellvideo im Standardprogramm abspielen</source>
        <translation>Воспроизвести исходное видео в стандартном проигрывателе</translation>
    </message>
    <message>
        <source>Das gespeicherte Video im Standardprogramm abspielen</source>
        <translation>Воспроизвести сохранённое видео в стандартном проигрывателе</translation>
    </message>
    <message>
        <source>Den Ton des Quellvideos übernehmen</source>
        <translation>Сохранить звук исходного видео</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Die Metadaten des Quellvideos übernehmen</source>
        <translation>Сохранить метаданные исходного видео</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <translation>Метаданные</translation>
    </message>
    <message>
        <source>Das Video waagerecht spiegeln</source>
        <translation>Отразить видео по горизонтали</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Отразить</translation>
    </message>
    <message>
        <source>Das Video senkrecht spiegeln</source>
        <translation>Перевернуть видео по вертикали</translation>
    </message>
    <message>
        <source>Kippen</source>
        <translation>Перевернуть</translation>
    </message>
    <message>
        <source>Videoformat der gespeicherten Datei</source>
        <translation>Формат видео сохраняемого файла</translation>
    </message>
    <message>
        <source>Qualität der gespeicherten Datei</source>
        <translation>Качество сохраняемого файла</translation>
    </message>
    <message>
        <source>Kompressionsartefakte der Quelle mindern</source>
        <translation>Уменьшить артефакты сжатия исходного видео</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Сохранить всё видео с текущей цветокоррекцией</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Сохранить видео</translation>
    </message>
    <message>
        <source>Klicken oder ziehen wählt das Bild, das bearbeitet wird</source>
        <translation>Щёлкните или перетащите, чтобы выбрать обрабатываемый кадр</translation>
    </message>
    <message>
        <source>Mehr Vorschaubilder in der Zeitleiste zeigen</source>
        <translation>Показать больше миниатюр на шкале времени</translation>
    </message>
    <message>
        <source>Zum Anfang (Pos1)</source>
        <translation>В начало (Home)</translation>
    </message>
    <message>
        <source>Eine Sekunde zurück (Umschalt+Links)</source>
        <translation>На секунду назад (Shift+Влево)</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Links)</source>
        <translation>На кадр назад (Влево)</translation>
    </message>
    <message>
        <source>Zur Mitte</source>
        <translation>В середину</translation>
    </message>
    <message>
        <source>Ein Bild vor (Rechts)</source>
        <translation>На кадр вперёд (Вправо)</translation>
    </message>
    <message>
        <source>Eine Sekunde vor (Umschalt+Rechts)</source>
        <translation>На секунду вперёд (Shift+Вправо)</translation>
    </message>
    <message>
        <source>Zum Ende (Ende)</source>
        <translation>В конец (End)</translation>
    </message>
    <message>
        <source>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</source>
        <translation>Время (часы:минуты:секунды:кадры) и номер показанного кадра</translation>
    </message>
    <message>
        <source>Wiedergabe anhalten (Leertaste, Esc)</source>
        <translation>Остановить воспроизведение (Пробел, Esc)</translation>
    </message>
    <message>
        <source>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</source>
        <translation>Воспроизвести обработанное видео в предпросмотре (Пробел)</translation>
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
        <translation>Без сжатия (AVI)</translation>
    </message>
    <message>
        <source>Unkomprimiert (AVI)</source>
        <translation>Без сжатия (AVI)</translation>
    </message>
    <message>
        <source>Video Quality Best</source>
        <translation>Наилучшее качество</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Наилучшее качество</translation>
    </message>
    <message>
        <source>Video Quality Better</source>
        <translation>Высокое качество</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>Высокое качество</translation>
    </message>
    <message>
        <source>Video Quality Normal</source>
        <translation>Обычное качество</translation>
    </message>
    <message>
        <source>Normale Qualität</source>
        <translation>Обычное качество</translation>
    </message>
    <message>
        <source>Video Quality Low</source>
        <translation>Низкое качество</translation>
    </message>
    <message>
        <source>Geringe Qualität</source>
        <translation>Низкое качество</translation>
    </message>
    <message>
        <source>Video Quality Lowest</source>
        <translation>Самое низкое качество</translation>
    </message>
    <message>
        <source>Geringste Qualität</source>
        <translation>Самое низкое качество</translation>
    </message>
    <message>
        <source>Video Artefact Unchanged</source>
        <translation>Без подавления артефактов</translation>
    </message>
    <message>
        <source>Keine Artefaktminderung</source>
        <translation>Без подавления артефактов</translation>
    </message>
    <message>
        <source>Video Artefact Slight</source>
        <translation>Слабое подавление артефактов</translation>
    </message>
    <message>
        <source>Leichte Artefaktminderung</source>
        <translation>Слабое подавление артефактов</translation>
    </message>
    <message>
        <source>Video Artefact Strong</source>
        <translation>Сильное подавление артефактов</translation>
    </message>
    <message>
        <source>Starke Artefaktminderung</source>
        <translation>Сильное подавление артефактов</translation>
    </message>
    <message>
        <source>Video Artefact Intensive</source>
        <translation>Интенсивное подавление артефактов</translation>
    </message>
    <message>
        <source>Intensive Artefaktminderung</source>
        <translation>Интенсивное подавление артефактов</translation>
    </message>
    <message>
        <source>Video Artefact Maximal</source>
        <translation>Максимальное подавление артефактов</translation>
    </message>
    <message>
        <source>Maximale Artefaktminderung</source>
        <translation>Максимальное подавление артефактов</translation>
    </message>
    <message>
        <source>Auflösung: %1 x %2 px</source>
        <translation>Разрешение: %1 x %2 пикс.</translation>
    </message>
    <message>
        <source>Länge: %1  (%2 fps)</source>
        <translation>Длительность: %1  (%2 кадр/с)</translation>
    </message>
    <message>
        <source>Länge: %1</source>
        <translation>Длительность: %1</translation>
    </message>
    <message>
        <source>%1  (Bild %2)</source>
        <translation>%1  (кадр %2)</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Недостаточно памяти для изображения.</translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation>Сохранить видео</translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation>Моё видео</translation>
    </message>
</context>
<context>
    <name>CliBench</name>
    <message>
        <source>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</source>
        <translation>недопустимый размер «%1» (не более 200 000 000 пикселей)</translation>
    </message>
    <message>
        <source>kein Benchmark genannt (siehe bench --list)</source>
        <translation>не указан тест производительности (см. bench --list)</translation>
    </message>
    <message>
        <source>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</source>
        <translation>неизвестный тест производительности «%1» (см. bench --list)</translation>
    </message>
    <message>
        <source>%1 ist nicht im Katalog</source>
        <translation>%1 нет в каталоге</translation>
    </message>
    <message>
        <source>ungültiges --bpp (1..16)</source>
        <translation>недопустимый --bpp (1..16)</translation>
    </message>
    <message>
        <source>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</source>
        <translation>не удаётся прочитать %1 байт rgb48le из «%2»</translation>
    </message>
    <message>
        <source>ungültiges --reuse (0 oder 1)</source>
        <translation>недопустимый --reuse (0 или 1)</translation>
    </message>
    <message>
        <source>das Arbeitsbild kann nicht angelegt werden</source>
        <translation>не удаётся выделить рабочее изображение</translation>
    </message>
    <message>
        <source>ein Preset mit %1 Operatoren kann nicht geschrieben werden</source>
        <translation>не удаётся записать пресет из %1 операторов</translation>
    </message>
    <message>
        <source>keine Verbesserungsoperatoren im Katalog</source>
        <translation>в каталоге нет операторов улучшения</translation>
    </message>
    <message>
        <source>ungültiger --radius (min oder max)</source>
        <translation>недопустимый --radius (min или max)</translation>
    </message>
    <message>
        <source>unbekannter --operator &apos;%1&apos;</source>
        <translation>неизвестный --operator «%1»</translation>
    </message>
    <message>
        <source>ungültige --lut-size (2..64)</source>
        <translation>недопустимый --lut-size (2..64)</translation>
    </message>
    <message>
        <source>--lut %1 kann nicht gelesen werden</source>
        <translation>не удаётся прочитать --lut %1</translation>
    </message>
    <message>
        <source>aus --frame %2 lassen sich keine %1 Bytes lesen</source>
        <translation>не удаётся прочитать %1 байт из --frame %2</translation>
    </message>
    <message>
        <source>ungültiges --interp (trilinear, tetrahedral)</source>
        <translation>недопустимый --interp (trilinear, tetrahedral)</translation>
    </message>
    <message>
        <source>ungültige Größe für --scope (WxH, je %1 bis %2)</source>
        <translation>недопустимый размер --scope (WxH, от %1 до %2 каждая сторона)</translation>
    </message>
    <message>
        <source>--kind muss waveform, parade, vectorscope oder histogram sein</source>
        <translation>--kind должен быть waveform, parade, vectorscope или histogram</translation>
    </message>
    <message>
        <source>der Katalog hat kein %1</source>
        <translation>в каталоге нет %1</translation>
    </message>
    <message>
        <source>%1 hat keinen Satz %2</source>
        <translation>у %1 нет набора %2</translation>
    </message>
    <message>
        <source>--lut-size muss 2 bis 64 sein</source>
        <translation>--lut-size должен быть от 2 до 64</translation>
    </message>
    <message>
        <source>die Vorschau konnte das Bild nicht bearbeiten</source>
        <translation>предпросмотр не смог обработать кадр</translation>
    </message>
    <message>
        <source>keine Presets neben dem Programm</source>
        <translation>рядом с программой нет пресетов</translation>
    </message>
    <message>
        <source>--all nimmt 0 oder 1</source>
        <translation>--all принимает 0 или 1</translation>
    </message>
    <message>
        <source>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</source>
        <translation>в каталоге нет гауссова размытия или маски кожи</translation>
    </message>
    <message>
        <source>braucht --clip DATEI</source>
        <translation>нужен --clip ФАЙЛ</translation>
    </message>
    <message>
        <source>read-pipe braucht --clip DATEI</source>
        <translation>для read-pipe нужен --clip ФАЙЛ</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden</source>
        <translation>не удаётся исследовать «%1»</translation>
    </message>
</context>
<context>
    <name>CliClip</name>
    <message>
        <source>Export abgebrochen; nichts wurde geschrieben</source>
        <translation>экспорт прерван; ничего не записано</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</source>
        <translation>не удаётся записать «%1»: папка не существует</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</source>
        <translation>не удаётся записать «%1»: это входной клип</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</source>
        <translation>%1 не найден или не является исполняемым в %2 (установите ffmpeg или укажите в VANTROPE_FFMPEG_DIR папку, где он находится)</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</source>
        <translation>не удаётся прочитать клип «%1»: файл не существует</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</source>
        <translation>не удаётся прочитать клип «%1»: это не обычный файл</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</source>
        <translation>не удаётся прочитать клип «%1»: доступ запрещён</translation>
    </message>
    <message>
        <source>kein temporärer Ordner: %1</source>
        <translation>нет временной папки: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</source>
        <translation>«%1» пуст (0 байт), это не видеоклип</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</source>
        <translation>не удаётся исследовать «%1»: это не медиафайл, понятный ffprobe (повреждён, обрезан или другого типа)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</source>
        <translation>в «%1» нет видеопотока, только аудиопотоков: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream</source>
        <translation>в «%1» нет видеопотока</translation>
    </message>
    <message>
        <source>%1 hat nicht rechtzeitig geantwortet und wurde beendet</source>
        <translation>%1 не ответил вовремя и был остановлен</translation>
    </message>
</context>
<context>
    <name>CliFrame</name>
    <message>
        <source>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</source>
        <translation>«%1»: --frame записывает файлы .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm или .tif32</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht dekodiert werden: %2</source>
        <translation>не удаётся декодировать «%1»: %2</translation>
    </message>
    <message>
        <source>kein Bild %1 in &apos;%2&apos;: %3</source>
        <translation>в «%2» нет кадра %1: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</source>
        <translation>в «%1» нет кадра %2 (последний — кадр %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>entweder --at oder --frame angeben</source>
        <translation>укажите либо --at, либо --frame</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</source>
        <translation>у «%1» нет расширения, задающего формат изображения</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</source>
        <translation>не удалось извлечь кадр на %1 мс из «%2»</translation>
    </message>
</context>
<context>
    <name>CliGrade</name>
    <message>
        <source>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</source>
        <translation>пресет «%1» использует операторы, которых нет в этой версии: %2</translation>
    </message>
    <message>
        <source>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</source>
        <translation>неизвестный оператор «%1» (см. vantrope-cli operators)</translation>
    </message>
    <message>
        <source>--set braucht ein --operator davor</source>
        <translation>перед --set нужен --operator</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</source>
        <translation>недопустимый --set «%1» (INDEX=V0,V1,..., где INDEX — набор %2, от 0 до %3)</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</source>
        <translation>недопустимый --set «%1»: «%2» — не число</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</source>
        <translation>недопустимый --set «%1»: набор %2 оператора %3 содержит %4 значений</translation>
    </message>
    <message>
        <source>--%1 braucht --film-type</source>
        <translation>для --%1 нужен --film-type</translation>
    </message>
    <message>
        <source>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</source>
        <translation>неизвестный тип плёнки «%1» (известны: %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</source>
        <translation>недопустимое значение --blend: «%1» (КАДРЫ:РЕЖИМ, кадров 1, 2, 3 или 5, режим от 1 до 11)</translation>
    </message>
    <message>
        <source>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</source>
        <translation>--%1 — только для клипов (выход с окончанием .mp4 или .avi)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>не удаётся записать «%1»: неизвестное расширение изображения</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>не удаётся прочитать изображение «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</source>
        <translation>не удаётся обработать «%1»: недостаточно памяти</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать изображение «%1»: %2</translation>
    </message>
    <message>
        <source>grade braucht EIN AUS (siehe vantrope-cli grade --help)</source>
        <translation>для grade нужны ВХОД ВЫХОД (см. vantrope-cli grade --help)</translation>
    </message>
    <message>
        <source>die Korrektur kann nicht gebacken werden: nicht genug Speicher</source>
        <translation>не удаётся запечь коррекцию: недостаточно памяти</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>[Optionen]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1</source>
        <translation>Использование: vantrope-cli %1</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Аргументы:</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>эта справка</translation>
    </message>
    <message>
        <source>der Benchmark (siehe --list)</source>
        <translation>тест производительности (см. --list)</translation>
    </message>
    <message>
        <source>listet die Benchmarks</source>
        <translation>выводит список тестов производительности</translation>
    </message>
    <message>
        <source>die Bildgröße (Vorgabe 1920x1080)</source>
        <translation>размер кадра (по умолчанию 1920x1080)</translation>
    </message>
    <message>
        <source>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</source>
        <translation>замеряемые прогоны после двух разогревочных (по умолчанию 20)</translation>
    </message>
    <message>
        <source>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</source>
        <translation>рабочие потоки, от 1 до 64 (по умолчанию: по числу ядер машины)</translation>
    </message>
    <message>
        <source>LUT-Punkte je Achse</source>
        <translation>точек LUT на ось</translation>
    </message>
    <message>
        <source>DATEI.cube</source>
        <translation>ФАЙЛ.cube</translation>
    </message>
    <message>
        <source>eine LUT statt einer erfundenen</source>
        <translation>LUT вместо сгенерированной</translation>
    </message>
    <message>
        <source>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</source>
        <translation>кадр в упакованном 16-битном RGB вместо сгенерированного</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>der zu lesende Clip</source>
        <translation>читаемый клип</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT</source>
        <translation>режим наложения LUT</translation>
    </message>
    <message>
        <source>misst die Referenz-Zeilenfunktion</source>
        <translation>замеряет эталонную построчную функцию</translation>
    </message>
    <message>
        <source>das Nachschlagen der LUT zwischen ihren Punkten</source>
        <translation>чтение LUT между её точками</translation>
    </message>
    <message>
        <source>die Tabellen der Engine zwischen Durchläufen behalten</source>
        <translation>сохранять таблицы движка между прогонами</translation>
    </message>
    <message>
        <source>kopierte Bytes je Pixel</source>
        <translation>копируемых байт на пиксель</translation>
    </message>
    <message>
        <source>PIXEL</source>
        <translation>ПИКСЕЛИ</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau</source>
        <translation>длинная сторона предпросмотра</translation>
    </message>
    <message>
        <source>die Zeitmesszeilen der Engine</source>
        <translation>строки замеров времени движка</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes</source>
        <translation>размер изображения монитора</translation>
    </message>
    <message>
        <source>nur dieses Scope</source>
        <translation>только этот монитор</translation>
    </message>
    <message>
        <source>nach dem Scrubben gemessene Schritte zum nächsten Bild</source>
        <translation>шаги к следующему кадру, замеряемые после перемотки</translation>
    </message>
    <message>
        <source>Sekunden Wiedergabe</source>
        <translation>секунды воспроизведения</translation>
    </message>
    <message>
        <source>jeder Operator der Familie</source>
        <translation>каждый оператор семейства</translation>
    </message>
    <message>
        <source>nur dieser Operator, mit den Vorgaben des Katalogs</source>
        <translation>только этот оператор, со значениями каталога по умолчанию</translation>
    </message>
    <message>
        <source>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</source>
        <translation>локальные операторы с наименьшим или наибольшим радиусом</translation>
    </message>
    <message>
        <source>Operatorgruppen im Preset, das preset-load liest</source>
        <translation>группы операторов в пресете, который читает preset-load</translation>
    </message>
    <message>
        <source>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</source>
        <translation>запускает указанный тест производительности после разогрева и выводит строку времени</translation>
    </message>
    <message>
        <source>der Clip</source>
        <translation>клип</translation>
    </message>
    <message>
        <source>die Position des Bildes in Millisekunden</source>
        <translation>позиция кадра в миллисекундах</translation>
    </message>
    <message>
        <source>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</source>
        <translation>N-й кадр (считая с 0), декодируется внутри программы; записывается в формате неподвижного изображения</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung nennt das Format</source>
        <translation>записываемое изображение; расширение задаёт формат</translation>
    </message>
    <message>
        <source>das Bild auf diese Größe skaliert</source>
        <translation>кадр, масштабированный до этого размера</translation>
    </message>
    <message>
        <source>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</source>
        <translation>один кадр клипа в виде файла изображения, взятый так же, как на панели видео</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>ВХОД</translation>
    </message>
    <message>
        <source>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</source>
        <translation>неподвижное изображение или клип, если ВЫХОД — клип (с --project: выход)</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</source>
        <translation>записываемое изображение (формат задаётся расширением) или клип с окончанием .mp4 или .avi</translation>
    </message>
    <message>
        <source>NAME|DATEI.ini</source>
        <translation>ИМЯ|ФАЙЛ.ini</translation>
    </message>
    <message>
        <source>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</source>
        <translation>цепочка операторов пресета: отображаемое имя или имя файла поставляемого или пользовательского пресета либо файл пресета (см. presets)</translation>
    </message>
    <message>
        <source>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</source>
        <translation>добавляет оператор со значениями каталога по умолчанию (можно повторять, по порядку; см. operators)</translation>
    </message>
    <message>
        <source>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</source>
        <translation>заменяет первые значения набора предшествующего --operator (можно повторять)</translation>
    </message>
    <message>
        <source>DATEI.cml</source>
        <translation>ФАЙЛ.cml</translation>
    </message>
    <message>
        <source>Farbebenen des Farbfensters, vor der Kette angewandt</source>
        <translation>цветовые слои окна цвета, применяются перед цепочкой</translation>
    </message>
    <message>
        <source>DATEI.vantropeProject</source>
        <translation>ФАЙЛ.vantropeProject</translation>
    </message>
    <message>
        <source>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</source>
        <translation>обрабатывает неподвижное изображение или клип проекта его сохранённой коррекцией (тогда только ВЫХОД)</translation>
    </message>
    <message>
        <source>ein Filmtyp aus filmtypes_vantrope.xml</source>
        <translation>тип плёнки из filmtypes_vantrope.xml</translation>
    </message>
    <message>
        <source>seine Stärke von 0 bis 1 (Vorgabe 1)</source>
        <translation>его сила от 0 до 1 (по умолчанию 1)</translation>
    </message>
    <message>
        <source>seine Körnung von 0 bis 1 (Vorgabe 0)</source>
        <translation>его зерно от 0 до 1 (по умолчанию 0)</translation>
    </message>
    <message>
        <source>vor oder nach der Kette (Vorgabe post)</source>
        <translation>до или после цепочки (по умолчанию post)</translation>
    </message>
    <message>
        <source>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</source>
        <translation>0: H.264 в .mp4; 1: несжатый RGBA в .avi</translation>
    </message>
    <message>
        <source>die Qualität des Encoders (Vorgabe normal)</source>
        <translation>качество кодировщика (по умолчанию normal)</translation>
    </message>
    <message>
        <source>Artefaktminderung</source>
        <translation>подавление артефактов</translation>
    </message>
    <message>
        <source>lässt die Tonspuren weg</source>
        <translation>не переносит звуковые потоки</translation>
    </message>
    <message>
        <source>lässt die Metadaten der Quelle weg</source>
        <translation>не переносит метаданные источника</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von links nach rechts</source>
        <translation>отражает каждый кадр слева направо</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von oben nach unten</source>
        <translation>отражает каждый кадр сверху вниз</translation>
    </message>
    <message>
        <source>BILDER:MODUS</source>
        <translation>КАДРЫ:РЕЖИМ</translation>
    </message>
    <message>
        <source>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</source>
        <translation>смешивание кадров по 1, 2, 3 или 5 кадрам, режим от 1 до 11</translation>
    </message>
    <message>
        <source>unbearbeitet und bearbeitet nebeneinander</source>
        <translation>до и после обработки рядом</translation>
    </message>
    <message>
        <source>die Bildgröße der Ausgabe</source>
        <translation>размер экспортируемого кадра</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64</source>
        <translation>точек на ось, от 2 до 64</translation>
    </message>
    <message>
        <source>die zu schreibende Cube-Datei</source>
        <translation>записываемый файл cube</translation>
    </message>
    <message>
        <source>der Titel der LUT (Vorgabe: der Grundname der Datei)</source>
        <translation>название LUT (по умолчанию: базовое имя файла)</translation>
    </message>
    <message>
        <source>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</source>
        <translation>обрабатывает неподвижное изображение в полном размере или экспортирует весь клип с той же коррекцией (код выхода 0 — готово, 2 — ошибка, 3 — прервано)</translation>
    </message>
    <message>
        <source>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</source>
        <translation>запекает цветовую часть коррекции (слои, цветовые операторы, тип плёнки, LUT) в файл cube; операторы, зависящие от соседей или положения, пропускаются и перечисляются</translation>
    </message>
    <message>
        <source>der Titel der LUT</source>
        <translation>название LUT</translation>
    </message>
    <message>
        <source>QUELLE</source>
        <translation>ИСТОЧНИК</translation>
    </message>
    <message>
        <source>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</source>
        <translation>исходный файл LUT (файл cube или любой файл, который читает lut import)</translation>
    </message>
    <message>
        <source>ZIEL.cube</source>
        <translation>ЦЕЛЬ.cube</translation>
    </message>
    <message>
        <source>das zu bearbeitende Standbild</source>
        <translation>обрабатываемое неподвижное изображение</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung wählt das Format</source>
        <translation>записываемое изображение; формат задаётся расширением</translation>
    </message>
    <message>
        <source>das Referenzbild</source>
        <translation>эталонное изображение</translation>
    </message>
    <message>
        <source>Punkte je Achse (Vorgabe 17)</source>
        <translation>точек на ось (по умолчанию 17)</translation>
    </message>
    <message>
        <source>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</source>
        <translation>1: тоновые кривые по каналам; 2: также смещает к серому оттенки, которых в эталоне почти нет (по умолчанию)</translation>
    </message>
    <message>
        <source>FREMD</source>
        <translation>ЧУЖОЙ</translation>
    </message>
    <message>
        <source>eine LUT-Datei in jedem Format, das der Import liest</source>
        <translation>файл LUT в любом формате, который читает импорт</translation>
    </message>
    <message>
        <source>EIGENE.cube</source>
        <translation>НАШ.cube</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</source>
        <translation>точек на ось, от 2 до 64 (по умолчанию: собственный 3D-размер файла до 64, без него 33)</translation>
    </message>
    <message>
        <source>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</source>
        <translation>записывает файл LUT (файл cube или любой файл, который читает lut import), запечённый с ползунками по умолчанию, в библиотеку под именем --name</translation>
    </message>
    <message>
        <source>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</source>
        <translation>имя записи (без &apos;/&apos;, не &apos;.&apos; и не &apos;..&apos;, не пустое)</translation>
    </message>
    <message>
        <source>löscht den Eintrag dieses Namens</source>
        <translation>удаляет запись с этим именем</translation>
    </message>
    <message>
        <source>ein Bild</source>
        <translation>изображение</translation>
    </message>
    <message>
        <source>das Bild, mit dem es verglichen wird</source>
        <translation>изображение для сравнения</translation>
    </message>
    <message>
        <source>das zu ändernde Bild</source>
        <translation>изменяемое изображение</translation>
    </message>
    <message>
        <source>das Bild, dessen Histogramme es übernimmt</source>
        <translation>изображение, гистограммы которого берутся</translation>
    </message>
    <message>
        <source>das zu schreibende Bild</source>
        <translation>записываемое изображение</translation>
    </message>
    <message>
        <source>schreibt eine Identitäts-LUT</source>
        <translation>записывает тождественную LUT</translation>
    </message>
    <message>
        <source>backt Reglerstellungen in eine Cube-Datei</source>
        <translation>запекает положения ползунков в файл cube</translation>
    </message>
    <message>
        <source>wendet eine LUT auf ein Standbild an</source>
        <translation>применяет LUT к неподвижному изображению</translation>
    </message>
    <message>
        <source>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</source>
        <translation>строит LUT по эталонному изображению (масштаб 1000 x 1000, как на панели LUT)</translation>
    </message>
    <message>
        <source>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</source>
        <translation>переводит файл LUT другой программы (.cube с доменом или шейпером, .3dl, .csp, .spi3d, .clf, ...) в файл cube</translation>
    </message>
    <message>
        <source>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</source>
        <translation>изменяет библиотеку LUT в ~/ProjectData/Lut/, затем выводит её записи в порядке панели</translation>
    </message>
    <message>
        <source>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</source>
        <translation>расстояние землекопа (earth mover) между гистограммами двух изображений по каналам, в 8-битных уровнях</translation>
    </message>
    <message>
        <source>einfache Histogrammangleichung je Kanal von EIN an REF</source>
        <translation>простое согласование гистограмм ВХОД с REF по каналам</translation>
    </message>
    <message>
        <source>jeder Katalogeintrag: Kernel, Typ, Anzeigename</source>
        <translation>каждая запись каталога: ядро, тип, отображаемое имя</translation>
    </message>
    <message>
        <source>das zu bearbeitende Bild (ein Standbild)</source>
        <translation>обрабатываемое изображение (неподвижное)</translation>
    </message>
    <message>
        <source>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</source>
        <translation>записываемый контактный лист (формат задаётся расширением)</translation>
    </message>
    <message>
        <source>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</source>
        <translation>каждый пресет панели пресетов: файл, категория, отображаемое имя, ok или broken</translation>
    </message>
    <message>
        <source>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</source>
        <translation>изображение, обработанное каждым пресетом, в виде подписанной сетки миниатюр</translation>
    </message>
    <message>
        <source>der zu untersuchende Clip</source>
        <translation>исследуемый клип</translation>
    </message>
    <message>
        <source>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</source>
        <translation>параметры клипа, по одной строке &quot;key: value&quot;</translation>
    </message>
    <message>
        <source>STANDBILD</source>
        <translation>ИЗОБРАЖЕНИЕ</translation>
    </message>
    <message>
        <source>das Standbild, das das Projekt bearbeitet</source>
        <translation>неподвижное изображение, которое обрабатывает проект</translation>
    </message>
    <message>
        <source>der Clip, den das Projekt bearbeitet</source>
        <translation>клип, который обрабатывает проект</translation>
    </message>
    <message>
        <source>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</source>
        <translation>записываемый проект (&quot;.vantropeProject&quot; добавляется, если имя так не оканчивается; папка данных создаётся рядом)</translation>
    </message>
    <message>
        <source>eine Projektdatei</source>
        <translation>файл проекта</translation>
    </message>
    <message>
        <source>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</source>
        <translation>записывает проект неподвижного изображения или клипа с коррекцией из параметров так же, как его сохраняет окно</translation>
    </message>
    <message>
        <source>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</source>
        <translation>выводит основные ключи проекта и содержимое его компонентов</translation>
    </message>
    <message>
        <source>ein Standbild oder ein Clip</source>
        <translation>неподвижное изображение или клип</translation>
    </message>
    <message>
        <source>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</source>
        <translation>изображение монитора (.png, .tiff, …; 16 бит передают его точно)</translation>
    </message>
    <message>
        <source>welches Scope</source>
        <translation>какой монитор</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes (Vorgabe 640x360)</source>
        <translation>размер изображения монитора (по умолчанию 640x360)</translation>
    </message>
    <message>
        <source>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</source>
        <translation>кадр клипа в этой позиции (по умолчанию: первый кадр)</translation>
    </message>
    <message>
        <source>hellt die Spuren auf, 0.1 bis 10</source>
        <translation>делает следы ярче, от 0.1 до 10</translation>
    </message>
    <message>
        <source>ein Histogramm mit logarithmischer Höhe</source>
        <translation>гистограмма логарифмической высоты</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</source>
        <translation>длинная сторона предпросмотра в пикселях (по умолчанию как в окне)</translation>
    </message>
    <message>
        <source>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</source>
        <translation>изображение, которое панель «Мониторы» показывает для неподвижного изображения или кадра клипа</translation>
    </message>
    <message>
        <source>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</source>
        <translation>3D LUT (файл cube или любой файл, который читает lut import), применяется последней</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>ИМЯ=ЗНАЧЕНИЕ</translation>
    </message>
    <message>
        <source>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</source>
        <translation>ползунок LUT от 0 до 1 (можно повторять): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</source>
        <translation>режим наложения LUT (0-47, 50-58, 60-68; 0 — обычный)</translation>
    </message>
    <message>
        <source>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</source>
        <translation>как LUT читается между её точками (по умолчанию trilinear)</translation>
    </message>
    <message>
        <source>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</source>
        <translation>Vantrope %1 — цветокоррекция видеоклипов и 3D LUT (командная строка)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</source>
        <translation>Использование: vantrope-cli КОМАНДА [параметры] АРГУМЕНТЫ
               vantrope-cli КОМАНДА --help | --help | --version</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos; (siehe --help)</source>
        <translation>неизвестная команда «%1» (см. --help)</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</source>
        <translation>Использование: vantrope-cli %1 ПОДКОМАНДА [параметры] АРГУМЕНТЫ</translation>
    </message>
    <message>
        <source>%1 braucht einen dieser Unterbefehle: %2</source>
        <translation>для %1 нужна одна из подкоманд: %2</translation>
    </message>
</context>
<context>
    <name>CliLut</name>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>не удаётся прочитать изображение «%1»: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать изображение «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>не удаётся записать «%1»: неизвестное расширение изображения</translation>
    </message>
    <message>
        <source>library nimmt entweder --add oder --remove</source>
        <translation>library принимает либо --add, либо --remove</translation>
    </message>
    <message>
        <source>--add DATEI und --name NAME gehören zusammen</source>
        <translation>--add ФАЙЛ и --name ИМЯ указываются вместе</translation>
    </message>
    <message>
        <source>ungültiger Name &apos;%1&apos;: %2</source>
        <translation>недопустимое имя «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</source>
        <translation>не удаётся добавить «%1» в %2: %3</translation>
    </message>
    <message>
        <source>kein Bibliothekseintrag &apos;%1&apos; in %2</source>
        <translation>в %2 нет записи библиотеки «%1»</translation>
    </message>
</context>
<context>
    <name>CliLutOptions</name>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</source>
        <translation>не удаётся прочитать LUT «%1»: это не файл</translation>
    </message>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>не удаётся прочитать LUT «%1»: %2</translation>
    </message>
    <message>
        <source>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</source>
        <translation>недопустимый параметр LUT «%1» (ожидается ИМЯ=ЗНАЧЕНИЕ, ИМЯ из: %2)</translation>
    </message>
    <message>
        <source>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>недопустимое значение в «%1» (ожидается число от 0 до 1)</translation>
    </message>
    <message>
        <source>--lut-param, --lut-mode und --interp brauchen --lut</source>
        <translation>для --lut-param, --lut-mode и --interp нужен --lut</translation>
    </message>
    <message>
        <source>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</source>
        <translation>недопустимый режим наложения «%1» (0-47, 50-58, 60-68)</translation>
    </message>
</context>
<context>
    <name>CliOperators</name>
    <message>
        <source>der Operatorkatalog konnte nicht gelesen werden</source>
        <translation>не удалось прочитать каталог операторов</translation>
    </message>
</context>
<context>
    <name>CliPresets</name>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>не удалось создать контактный лист «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Bilder %1/%2</source>
        <translation>кадры %1/%2</translation>
    </message>
    <message>
        <source>Bilder %1</source>
        <translation>кадры %1</translation>
    </message>
    <message>
        <source>Rest %1</source>
        <translation>осталось %1</translation>
    </message>
</context>
<context>
    <name>CliProject</name>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</source>
        <translation>не удаётся прочитать проект «%1»: отсутствует файл проекта или его папка данных</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</source>
        <translation>не удаётся прочитать проект «%1»: он записан более новой версией</translation>
    </message>
    <message>
        <source>project save braucht entweder --image STANDBILD oder --clip CLIP</source>
        <translation>для project save нужен --image ИЗОБРАЖЕНИЕ или --clip CLIP</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</source>
        <translation>не удаётся записать «%1»: примеры проектов не перезаписываются</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>не удаётся прочитать изображение «%1»: %2</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</source>
        <translation>не удаётся записать проект «%1»: не удалось записать %2</translation>
    </message>
    <message>
        <source>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</source>
        <translation>grade --project принимает только ВЫХОД: изображение или клип задаёт проект</translation>
    </message>
    <message>
        <source>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</source>
        <translation>--%1 нельзя сочетать с --project: коррекция хранится в проекте</translation>
    </message>
    <message>
        <source>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</source>
        <translation>проект содержит клип: выход должен оканчиваться на .mp4 или .avi</translation>
    </message>
    <message>
        <source>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</source>
        <translation>проект «%1» не содержит ни изображения, ни клипа</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</source>
        <translation>не удаётся записать «%1»: проект содержит неподвижное изображение</translation>
    </message>
</context>
<context>
    <name>CliScope</name>
    <message>
        <source>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</source>
        <translation>неизвестный монитор «%1» (waveform, parade, vectorscope, histogram)</translation>
    </message>
    <message>
        <source>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</source>
        <translation>недопустимое усиление «%1» (от %2 до %3)</translation>
    </message>
    <message>
        <source>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</source>
        <translation>недопустимый размер предпросмотра «%1» (длинная сторона, от %2 до %3 пикселей)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</source>
        <translation>«%1» не оканчивается расширением формата изображения (.png, .tiff, …)</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</source>
        <translation>не удалось прочитать кадр на %1 мс из «%2»</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</source>
        <translation>не удалось прочитать кадр на %1 мс из «%2»: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>не удалось создать предпросмотр «%1»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</source>
        <translation>использование: scope ВХОД ВЫХОД --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation>Удалить слой</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation>Удалить этот слой?</translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation>Копировать слой</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation>Заменить этот слой скопированными данными?</translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation>Копировать исходный цвет</translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation>Скопировать исходный цвет в целевой?</translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation>Сбросить настройки цвета</translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation>Сбросить настройки цвета?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>Не удаётся записать файл %1: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать файл %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation>Файл %1 размером %2 байт слишком велик для файла слоёв (не более %3).</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation>Файл %1 не является файлом слоёв версии 1.</translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation>Сохранить слои</translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation>Мои слои</translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation>Загрузить слои</translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation>Перезаписать существующие слои?</translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation>Загрузить слои</translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation>Слои (*.%1)</translation>
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
        <translation>Цветовой модуль</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Runter</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Слой</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation>Взять исходный цвет из изображения</translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation>Цветовой тон от</translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation>Цветовой тон до</translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation>Насыщенность от</translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation>Насыщенность до</translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation>Минимальная яркость</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Мягкость</translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation>Инвертировать выделение</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation>Взять целевой цвет из изображения</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Цветовой тон</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation>Контраст насыщенности</translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation>Контраст яркости</translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation>Исходный цвет в целевой</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation>Показать маску</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation>Выбираемые цвета</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Слой %1</translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation>Изображение не загружено</translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation>Без маски</translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation>Автоматически сохранённый проект</translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation>Найден автоматически сохранённый проект. Загрузить его?</translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation>Загрузить видео</translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation>Открыть видеофайл</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation>Открыть одно изображение</translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation>Сохранить итоговое изображение</translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation>Сохранить обработанное изображение в файл</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>Сохранить видео</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>Сохранить всё видео с текущей цветокоррекцией</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation>Цветовой модуль</translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation>Редактировать цветовые слои</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation>Загружайте только один видеофайл.</translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation>Дополнение</translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation>Эта версия не поддерживает дополнения.</translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation>Загружайте только видеофайлы.</translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation>Загруженное изображение или кадр видео и его размер</translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation>Серия экспозиций</translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation>Гистограмма обработанного изображения: красный, зелёный, синий и яркость</translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation>HDR-гистограмма</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation>Откройте видео или изображение либо перетащите видеофайл в это окно.</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation>Наведите указатель на элемент управления, чтобы прочитать здесь его описание.</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation>Показать необработанное изображение</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>Разделение</translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation>Слева необработанное, справа обработанное изображение</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation>Один пиксель изображения на пиксель экрана (перетаскивание сдвигает); выкл.: вписать</translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation>Предпросмотр обработанного изображения</translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation>В режиме плагина-фильтра нельзя загружать новые изображения.</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Загрузить проект</translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation>Открыть видеофайл</translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation>Файл не содержит читаемого видео.</translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation>Не удалось прочитать кадр из видео.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>Недостаточно памяти для изображения.</translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation>Не удалось загрузить видео %1.
%2</translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation>Видео загружено: %1</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation>Не удалось загрузить изображение %1.
%2</translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation>Не удалось прочитать файл обмена %1.</translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation>RAW-проявка</translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation>RAW-проявка не входит в эту версию.</translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation>Моё изображение</translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation>Режим предпросмотра! Пересчитать?</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation>Подготовка к сохранению.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation>Не удалось сохранить изображение:
%1
%2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation>Видео сохранено: %1</translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation>Обработка видео прервана.</translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation>Не удалось сохранить видео.</translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation>Расчёт обработки</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>Новый проект</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Сохранить проект как</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Projekte</source>
        <translation>Последние проекты</translation>
    </message>
    <message>
        <source>Beispielprojekte</source>
        <translation>Примеры проектов</translation>
    </message>
    <message>
        <source>Beispielprojekt %1</source>
        <translation>Пример проекта %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Undo-Punkt speichern</source>
        <translation>Сохранить точку отмены</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Keine Projekte</source>
        <translation>Нет проектов</translation>
    </message>
    <message>
        <source>MyProject</source>
        <translation>Мой проект</translation>
    </message>
    <message>
        <source>Vantrope-Marlix Projektdatei</source>
        <translation>Файл проекта Vantrope Marlix</translation>
    </message>
    <message>
        <source>Projekt überschreiben nicht nöglich</source>
        <translation>Невозможно перезаписать проект</translation>
    </message>
    <message>
        <source>Beispielprojekte können nicht überschrieben werden.</source>
        <translation>Примеры проектов нельзя перезаписать.</translation>
    </message>
    <message>
        <source>Dateifehler: %1 konnte nicht erstellt werden</source>
        <translation>Ошибка файла: не удалось создать %1</translation>
    </message>
    <message>
        <source>Projektdateien unvollständig.</source>
        <translation>Файлы проекта неполные.</translation>
    </message>
    <message>
        <source>Projektdateien sind nicht kompatibel.</source>
        <translation>Файлы проекта несовместимы.</translation>
    </message>
    <message>
        <source>Projekt nicht gespeichert. Speichern?</source>
        <translation>Проект не сохранён. Сохранить?</translation>
    </message>
    <message>
        <source>Videoeinstellungen</source>
        <translation>Настройки видео</translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation>Спрашивать перед изменяющими действиями</translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation>Показывать окно хода выполнения</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation>Последняя использованная папка</translation>
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
        <translation>Равные веса</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation>Постоянная папка по умолчанию</translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation>Весовые коэффициенты яркости</translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation>Длинная сторона предпросмотра</translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation>Новый язык будет использоваться при следующем запуске программы.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>English GB</source>
        <translation>Английский (Великобритания)</translation>
    </message>
    <message>
        <source>English US</source>
        <translation>Английский (США)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Undo-Punkte mit dem Projekt speichern</source>
        <translation>Сохранять точки отмены вместе с проектом</translation>
    </message>
</context>
<context>
    <name>HDRPostProcessingDockWidget</name>
    <message>
        <source>LUT einstellbar</source>
        <translation>Настраиваемая LUT</translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation>Имя не задано.</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation>Имя «%1» недопустимо.</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation>Имя не должно содержать «/» или нулевой символ.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>Имя слишком длинное.</translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation>Добавить LUT в библиотеку</translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation>Имя LUT:</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation>Не удаётся сохранить LUT «%1»: %2</translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation>Удалить стиль LUT</translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation>Удалить выбранный стиль LUT?</translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation>Загрузить файл LUT</translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation>Файл LUT</translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation>Мой стиль LUT</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Сохранить LUT</translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation>Моя LUT</translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation>LUT отсутствуют</translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation>Сохранённых стилей LUT нет.</translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation>Обозреватель LUT</translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation>Открыть обозреватель LUT, несмотря на потерю текущих настроек?</translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation>Создать новую LUT</translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation>Создать новый пустой стиль LUT и отменить текущие настройки?</translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation>Новая LUT</translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation>Резкость и шумоподавление</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>Геометрия</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Экспозиция</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation>Смягчение</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>Художественные</translation>
    </message>
    <message>
        <source>Masken</source>
        <translation>Маски</translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation>Основные параметры</translation>
    </message>
    <message>
        <source>LUT balance Areas</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <source>LUT protect Areas</source>
        <translation>Защита</translation>
    </message>
    <message>
        <source>Expertenmodus</source>
        <translation>Экспертный режим</translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation>Операторы</translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation>Тип плёнки</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation>Режим наложения LUT</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Создание миниатюр: </translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation>У этого оператора нет настроек.</translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation>Выберите оператор в списке или добавьте его.</translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation>Значение по умолчанию</translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation>Убрать маску</translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation>Ограничивает действие фигурами в предпросмотре</translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation>Маска - Яркость</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>Нижняя граница</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>тёмный</translation>
    </message>
    <message>
        <source>hell</source>
        <translation>светлый</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>Верхняя граница</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>Мягкость</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>жёстко</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>мягко</translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation>Как эта маска сочетается с предыдущими масками</translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation>Маска - Насыщенность</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>серый</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>цветной</translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation>Маска - Цветовой тон</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Цветовой тон</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>узко</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>широко</translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation>Маска - Света</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation>Маска - Тени</translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation>Маска - Средние тона</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>узко</translation>
    </message>
    <message>
        <source>breit</source>
        <translation>широко</translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation>Маска подавления артефактов (HD)</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>мелко</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>грубо</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>Сила</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>слабо</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>сильно</translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation>Сглаживание цвета</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Радиус</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>мало</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>много</translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation>Маскирование</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>Резкость</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>Шумоподавление</translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation>Яркость, контраст, гамма</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation>темнее</translation>
    </message>
    <message>
        <source>heller</source>
        <translation>светлее</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>weniger</source>
        <translation>меньше</translation>
    </message>
    <message>
        <source>mehr</source>
        <translation>больше</translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation>Гамма-коррекция</translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation>Ручная точка чёрного/белого</translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation>Точка чёрного</translation>
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
        <translation>Точка белого</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation>Виньетирование</translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation>осветлить</translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation>затемнить</translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation>Внутренний радиус</translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation>Внешний радиус</translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation>Тоновая кривая</translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation>Добавить зерно</translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation>Размер зерна</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>Локальный контраст</translation>
    </message>
    <message>
        <source>glätten</source>
        <translation>сгладить</translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation>усилить</translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation>Экспозиция по цветам</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation>Гамма по каналам</translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation>Гамма красного</translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation>Гамма зелёного</translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation>Гамма синего</translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation>Сочность цвета</translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation>Подмешать оттенок</translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation>Цветовая температура</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>kalt</source>
        <translation>холодно</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>тепло</translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation>Негатив</translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation>Цветовой баланс</translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation>Голубой-красный</translation>
    </message>
    <message>
        <source>Magenta-Grün</source>
        <translation>Пурпурный-зелёный</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>Gelb-Blau</source>
        <translation>Жёлтый-синий</translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation>Тонирование сепией</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>Цветовая палитра</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>Лиловый</translation>
    </message>
    <message>
        <source>Aura</source>
        <translation>Аура</translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation>Свечение</translation>
    </message>
    <message>
        <source>scharf</source>
        <translation>резко</translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation>Не удаётся загрузить LUT</translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation>Не удалось загрузить файл LUT.</translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation>Файл LUT: %1</translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation>Обнаруженный размер: %1</translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation>Допустимы размеры от 2 до %1.</translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation>Активные операторы</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation>Удалить оператор</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>Интенсивность</translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation>Зерно</translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation>перед операторами</translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation>после операторов</translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation>без типа плёнки</translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation>Фигура %1 (%2)</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation>Перемещать и растягивать фигуры в предпросмотре</translation>
    </message>
    <message>
        <source>Form +</source>
        <translation>Фигура +</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation>Добавить фигуру, в которой действует эффект</translation>
    </message>
    <message>
        <source>Form −</source>
        <translation>Фигура −</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation>Добавить фигуру, в которой эффект ослаблен</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>Жёсткость</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>additiv</source>
        <translation>добавление</translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation>вычитание</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation>Режим наложения</translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation>LUT включена</translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation>Применить LUT к изображению</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation>Создать новую пустую LUT</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation>Убрать LUT</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation>Показать все режимы наложения миниатюрами</translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation>Сбросить значения этой группы</translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation>LUT: %1 (%2 точек на ось)</translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation>LUT не загружена</translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation>Все операторы</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation>Добавить выбранный оператор в цепочку</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation>Выбрать точку в предпросмотре</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>Провести</translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation>Провести линию в предпросмотре</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Выбрать цвет</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Пипетка</translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation>Взять цвет из предпросмотра</translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation>Интенсивность</translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation>Защита светов</translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation>Защита теней</translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation>Защита насыщенности</translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation>Защита тонов кожи</translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation>Защита неба</translation>
    </message>
    <message>
        <source>Belichtung einstellen</source>
        <translation>Настроить экспозицию</translation>
    </message>
    <message>
        <source>Farbnegativ Porträt warm</source>
        <translation>Цветной негатив, портрет, тёплый</translation>
    </message>
    <message>
        <source>Farbnegativ Alltag</source>
        <translation>Цветной негатив, повседневный</translation>
    </message>
    <message>
        <source>Diafilm kühl</source>
        <translation>Слайд, холодный</translation>
    </message>
    <message>
        <source>Diafilm brillant</source>
        <translation>Слайд, яркий</translation>
    </message>
    <message>
        <source>Verblasster Abzug</source>
        <translation>Выцветший отпечаток</translation>
    </message>
    <message>
        <source>Sepia-Abzug</source>
        <translation>Отпечаток сепия</translation>
    </message>
    <message>
        <source>Sofortbild</source>
        <translation>Моментальное фото</translation>
    </message>
    <message>
        <source>Schwarzweiß kontrastreich</source>
        <translation>Ч/б, контрастный</translation>
    </message>
    <message>
        <source>Schwarzweiß weich</source>
        <translation>Ч/б, мягкий</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Инфракрасный</translation>
    </message>
    <message>
        <source>Cross-Entwicklung</source>
        <translation>Кросс-процесс</translation>
    </message>
    <message>
        <source>Bleichbad-Überbrückung</source>
        <translation>Отбеливание с пропуском</translation>
    </message>
    <message>
        <source>Kino Blaugrün-Orange</source>
        <translation>Кино: бирюзовый и оранжевый</translation>
    </message>
    <message>
        <source>Herbstlicht</source>
        <translation>Осенний свет</translation>
    </message>
    <message>
        <source>Nachtblau</source>
        <translation>Ночной синий</translation>
    </message>
    <message>
        <source>Lomo</source>
        <translation>Лоу-фай</translation>
    </message>
    <message>
        <source>Farbton und Stärke: Punkt auf der Scheibe ziehen</source>
        <translation>Оттенок и сила: перетащите точку на круге</translation>
    </message>
    <message>
        <source>Licht/Schatten färben</source>
        <translation>Тонировать света/тени</translation>
    </message>
    <message>
        <source>Schatten (Lift)</source>
        <translation>Тени (лифт)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</source>
        <translation>Цвет и яркость теней: поднимает или опускает тёмные тона, затухая к белому</translation>
    </message>
    <message>
        <source>Mitteltöne (Gamma)</source>
        <translation>Средние тона (гамма)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</source>
        <translation>Цвет и яркость средних тонов: изгибает тоновую кривую, чёрный и белый сохраняются</translation>
    </message>
    <message>
        <source>Lichter (Gain)</source>
        <translation>Света (усиление)</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</source>
        <translation>Цвет и яркость светов: усиливает или приглушает светлые тона, затухая к чёрному</translation>
    </message>
    <message>
        <source>Farbkanal Gradation</source>
        <translation>Кривые по каналам</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Общая</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle</source>
        <translation>Тоновая кривая для всех трёх каналов</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals</source>
        <translation>Кривая красного канала</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals</source>
        <translation>Кривая зелёного канала</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals</source>
        <translation>Кривая синего канала</translation>
    </message>
    <message>
        <source>Farbkanal Gradation (logarithm.)</source>
        <translation>Кривые по каналам (логарифм.)</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</source>
        <translation>Кривая для трёх каналов по логарифмическим тонам (восемь ступеней)</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals über logarithmischen Tonwerten</source>
        <translation>Кривая красного канала по логарифмическим тонам</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals über logarithmischen Tonwerten</source>
        <translation>Кривая зелёного канала по логарифмическим тонам</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals über logarithmischen Tonwerten</source>
        <translation>Кривая синего канала по логарифмическим тонам</translation>
    </message>
    <message>
        <source>Farbton korrigieren</source>
        <translation>Коррекция оттенка</translation>
    </message>
    <message>
        <source>Farbton nach Farbton</source>
        <translation>Тон по тону</translation>
    </message>
    <message>
        <source>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</source>
        <translation>Поворачивает каждый тон до 90 градусов; середина оставляет его без изменений</translation>
    </message>
    <message>
        <source>Sättigung nach Farbton</source>
        <translation>Насыщенность по тону</translation>
    </message>
    <message>
        <source>Sättigung je Farbton: unten grau, oben doppelt so kräftig</source>
        <translation>Насыщенность по тону: внизу серый, вверху вдвое ярче</translation>
    </message>
    <message>
        <source>Helligkeit nach Farbton</source>
        <translation>Яркость по тону</translation>
    </message>
    <message>
        <source>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</source>
        <translation>Яркость по тону до одной ступени; серые не меняются</translation>
    </message>
    <message>
        <source>manueller Weißabgleich</source>
        <translation>Ручной баланс белого</translation>
    </message>
    <message>
        <source>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</source>
        <translation>Пипеткой выберите место, которое должно быть нейтрально-серым или белым</translation>
    </message>
    <message>
        <source>automatischer lokaler Weißabgleich</source>
        <translation>Автоматический локальный баланс белого</translation>
    </message>
    <message>
        <source>Größe der Umgebung, in der ein Farbstich gemessen wird</source>
        <translation>Размер области, в которой измеряется оттенок</translation>
    </message>
    <message>
        <source>Wie weit die örtlichen Farbstiche entfernt werden</source>
        <translation>Насколько убираются местные цветовые оттенки</translation>
    </message>
    <message>
        <source>Farbdynamik</source>
        <translation>Красочность</translation>
    </message>
    <message>
        <source>blasser</source>
        <translation>бледнее</translation>
    </message>
    <message>
        <source>kräftiger</source>
        <translation>насыщеннее</translation>
    </message>
    <message>
        <source>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</source>
        <translation>Усиливает бледные цвета сильнее насыщенных и бережёт тона кожи</translation>
    </message>
    <message>
        <source>Farbdynamik (Smart)</source>
        <translation>Красочность (умная)</translation>
    </message>
    <message>
        <source>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</source>
        <translation>Красочность с учётом насыщенности всего изображения</translation>
    </message>
    <message>
        <source>Hauttöne schützen</source>
        <translation>Защита тонов кожи</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>мало</translation>
    </message>
    <message>
        <source>viel</source>
        <translation>много</translation>
    </message>
    <message>
        <source>Lichter schützen</source>
        <translation>Защита светов</translation>
    </message>
    <message>
        <source>Farbtöne anpassen</source>
        <translation>Настройка оттенков</translation>
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
        <translation>Тон, насыщенность, экспозиция</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Farbwert kalibrieren</source>
        <translation>Калибровка цвета</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>Фактический цвет</translation>
    </message>
    <message>
        <source>Mit der Pipette die Farbe wählen, die korrigiert werden soll</source>
        <translation>Пипеткой выберите цвет, который нужно исправить</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Целевой цвет</translation>
    </message>
    <message>
        <source>Die Farbe, die der Istwert bekommen soll</source>
        <translation>Цвет, которым должен стать фактический</translation>
    </message>
    <message>
        <source>Reichweite</source>
        <translation>Охват</translation>
    </message>
    <message>
        <source>nur ähnliche Farben</source>
        <translation>только похожие цвета</translation>
    </message>
    <message>
        <source>ganzes Bild</source>
        <translation>всё изображение</translation>
    </message>
    <message>
        <source>Normalisieren (RGB)</source>
        <translation>Нормализация (RGB)</translation>
    </message>
    <message>
        <source>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</source>
        <translation>Растягивает каждый канал между самым тёмным и самым светлым тоном</translation>
    </message>
    <message>
        <source>Beschnitt</source>
        <translation>Отсечение</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</source>
        <translation>Доля тонов, которую можно отсечь с каждого края</translation>
    </message>
    <message>
        <source>manueller RGB-Punkt</source>
        <translation>Ручная точка RGB</translation>
    </message>
    <message>
        <source>Schwarzpunkt Rot</source>
        <translation>Точка чёрного, красный</translation>
    </message>
    <message>
        <source>Schwarzpunkt Grün</source>
        <translation>Точка чёрного, зелёный</translation>
    </message>
    <message>
        <source>Schwarzpunkt Blau</source>
        <translation>Точка чёрного, синий</translation>
    </message>
    <message>
        <source>Weißpunkt Rot</source>
        <translation>Точка белого, красный</translation>
    </message>
    <message>
        <source>Weißpunkt Grün</source>
        <translation>Точка белого, зелёный</translation>
    </message>
    <message>
        <source>Weißpunkt Blau</source>
        <translation>Точка белого, синий</translation>
    </message>
    <message>
        <source>RGB Transformation (autom.)</source>
        <translation>RGB-преобразование (авто)</translation>
    </message>
    <message>
        <source>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</source>
        <translation>Выравнивает среднее и контраст трёх каналов</translation>
    </message>
    <message>
        <source>RGB Transformation</source>
        <translation>RGB-преобразование</translation>
    </message>
    <message>
        <source>Steigung Rot</source>
        <translation>Наклон красного</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>Steigung Grün</source>
        <translation>Наклон зелёного</translation>
    </message>
    <message>
        <source>Steigung Blau</source>
        <translation>Наклон синего</translation>
    </message>
    <message>
        <source>Versatz Rot</source>
        <translation>Смещение красного</translation>
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
        <translation>Смещение зелёного</translation>
    </message>
    <message>
        <source>Versatz Blau</source>
        <translation>Смещение синего</translation>
    </message>
    <message>
        <source>Exponent Rot</source>
        <translation>Показатель красного</translation>
    </message>
    <message>
        <source>Exponent Grün</source>
        <translation>Показатель зелёного</translation>
    </message>
    <message>
        <source>Exponent Blau</source>
        <translation>Показатель синего</translation>
    </message>
    <message>
        <source>Farbkanal Sigmoid</source>
        <translation>Сигмоида по каналам</translation>
    </message>
    <message>
        <source>Kontrast Rot</source>
        <translation>Контраст красного</translation>
    </message>
    <message>
        <source>flacher</source>
        <translation>мягче</translation>
    </message>
    <message>
        <source>steiler</source>
        <translation>круче</translation>
    </message>
    <message>
        <source>Kontrast Grün</source>
        <translation>Контраст зелёного</translation>
    </message>
    <message>
        <source>Kontrast Blau</source>
        <translation>Контраст синего</translation>
    </message>
    <message>
        <source>Chrominanz ausgleichen</source>
        <translation>Выравнивание цветности</translation>
    </message>
    <message>
        <source>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</source>
        <translation>Убирает цветовые оттенки отдельно в тенях, средних тонах и светах</translation>
    </message>
    <message>
        <source>gewogene Farbkanäle</source>
        <translation>Взвешенные каналы</translation>
    </message>
    <message>
        <source>Helligkeit erhalten</source>
        <translation>Сохранять яркость</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>ganz</source>
        <translation>полностью</translation>
    </message>
    <message>
        <source>Farbkanäle mischen</source>
        <translation>Микшер каналов</translation>
    </message>
    <message>
        <source>Rot aus Rot</source>
        <translation>Красный из красного</translation>
    </message>
    <message>
        <source>Rot aus Grün</source>
        <translation>Красный из зелёного</translation>
    </message>
    <message>
        <source>Rot aus Blau</source>
        <translation>Красный из синего</translation>
    </message>
    <message>
        <source>Grün aus Rot</source>
        <translation>Зелёный из красного</translation>
    </message>
    <message>
        <source>Grün aus Grün</source>
        <translation>Зелёный из зелёного</translation>
    </message>
    <message>
        <source>Grün aus Blau</source>
        <translation>Зелёный из синего</translation>
    </message>
    <message>
        <source>Blau aus Rot</source>
        <translation>Синий из красного</translation>
    </message>
    <message>
        <source>Blau aus Grün</source>
        <translation>Синий из зелёного</translation>
    </message>
    <message>
        <source>Blau aus Blau</source>
        <translation>Синий из синего</translation>
    </message>
    <message>
        <source>Farbfilter</source>
        <translation>Цветной фильтр</translation>
    </message>
    <message>
        <source>Filterfarbe</source>
        <translation>Цвет фильтра</translation>
    </message>
    <message>
        <source>Farbe des Filters vor dem Objektiv</source>
        <translation>Цвет фильтра перед объективом</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>Цветовая схема</translation>
    </message>
    <message>
        <source>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</source>
        <translation>1 закат, 2 лес, 3 океан, 4 осень, 5 неон, 6 пустыня, 7 зима, 8 пастель</translation>
    </message>
    <message>
        <source>Himmel schützen</source>
        <translation>Защита неба</translation>
    </message>
    <message>
        <source>graue Tinte</source>
        <translation>Серые чернила</translation>
    </message>
    <message>
        <source>Tinte</source>
        <translation>Чернила</translation>
    </message>
    <message>
        <source>Die Farbe, die graue und blasse Bereiche annehmen</source>
        <translation>Цвет, который принимают серые и бледные участки</translation>
    </message>
    <message>
        <source>Sättigungsgrenze</source>
        <translation>Предел насыщенности</translation>
    </message>
    <message>
        <source>nur Grau</source>
        <translation>только серый</translation>
    </message>
    <message>
        <source>auch Farben</source>
        <translation>и цвета</translation>
    </message>
    <message>
        <source>Pastellfarben</source>
        <translation>Пастельные цвета</translation>
    </message>
    <message>
        <source>Aufhellung</source>
        <translation>Осветление</translation>
    </message>
    <message>
        <source>C64 Farben</source>
        <translation>8-битные цвета</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Дизеринг</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Rastert Verläufe aus benachbarten Farben der Palette</source>
        <translation>Передаёт переходы соседними цветами палитры</translation>
    </message>
    <message>
        <source>Rote Augen</source>
        <translation>Красные глаза</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>Чувствительность</translation>
    </message>
    <message>
        <source>nur tiefrot</source>
        <translation>только тёмно-красный</translation>
    </message>
    <message>
        <source>auch rötlich</source>
        <translation>и красноватый</translation>
    </message>
    <message>
        <source>Mit der Geometrie auf die Augen begrenzen</source>
        <translation>Ограничьте глазами с помощью геометрии</translation>
    </message>
    <message>
        <source>Tageszeit</source>
        <translation>Время суток</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>Утро</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Ночь</translation>
    </message>
    <message>
        <source>12 Uhr lässt das Bild unverändert</source>
        <translation>12 часов оставляет изображение без изменений</translation>
    </message>
    <message>
        <source>Jahreszeit</source>
        <translation>Время года</translation>
    </message>
    <message>
        <source>Frühling</source>
        <translation>Весна</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Зима</translation>
    </message>
    <message>
        <source>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</source>
        <translation>1 весна, 2 лето (без изменений), 3 осень, 4 зима</translation>
    </message>
    <message>
        <source>Fotostil: Low-Key</source>
        <translation>Фотостиль: лоу-кей</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>Тени</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>глубоко</translation>
    </message>
    <message>
        <source>Fotostil: High-Key</source>
        <translation>Фотостиль: хай-кей</translation>
    </message>
    <message>
        <source>Fotostil: Cross-Entwicklung</source>
        <translation>Фотостиль: кросс-процесс</translation>
    </message>
    <message>
        <source>Fotostil: Indian Summer</source>
        <translation>Фотостиль: бабье лето</translation>
    </message>
    <message>
        <source>Fotostil: Infrarot</source>
        <translation>Фотостиль: инфракрасный</translation>
    </message>
    <message>
        <source>Fotostil: Lith-Print</source>
        <translation>Фотостиль: лит-печать</translation>
    </message>
    <message>
        <source>Tönung</source>
        <translation>Тонирование</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>нейтрально</translation>
    </message>
    <message>
        <source>Fotostil: Buttercream</source>
        <translation>Фотостиль: масляный крем</translation>
    </message>
    <message>
        <source>Fotostil: Holga</source>
        <translation>Фотостиль: игрушечная камера</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Виньетка</translation>
    </message>
    <message>
        <source>Fotostil: Orton</source>
        <translation>Фотостиль: мягкое свечение</translation>
    </message>
    <message>
        <source>gering</source>
        <translation>низко</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>высоко</translation>
    </message>
    <message>
        <source>Fotostil: Lomo</source>
        <translation>Фотостиль: лоу-фай</translation>
    </message>
    <message>
        <source>Fotostil: Dragan</source>
        <translation>Фотостиль: драматичный портрет</translation>
    </message>
    <message>
        <source>Originalbild einblenden</source>
        <translation>Подмешать оригинал</translation>
    </message>
    <message>
        <source>Mischt das unbearbeitete Bild wieder ein</source>
        <translation>Подмешивает обратно необработанное изображение</translation>
    </message>
    <message>
        <source>Foto-Reflektor</source>
        <translation>Фотоотражатель</translation>
    </message>
    <message>
        <source>Hellt die Schatten mit dem Licht eines Reflektors auf</source>
        <translation>Осветляет тени светом отражателя</translation>
    </message>
    <message>
        <source>Reflektor</source>
        <translation>Отражатель</translation>
    </message>
    <message>
        <source>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</source>
        <translation>Золото, серебро (белый) или другой цвет отражателя</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Цветовой градиент</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Градиент</translation>
    </message>
    <message>
        <source>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</source>
        <translation>Полная сила в первой точке, затухание ко второй</translation>
    </message>
    <message>
        <source>Color Contrast</source>
        <translation>Цветовой контраст</translation>
    </message>
    <message>
        <source>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</source>
        <translation>Разделяет соседние цвета; яркость сохраняется</translation>
    </message>
    <message>
        <source>Polfilter</source>
        <translation>Поляризационный фильтр</translation>
    </message>
    <message>
        <source>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</source>
        <translation>Убирает дымку и отражения, затемняет голубое небо</translation>
    </message>
    <message>
        <source>Chromatische Korrektur</source>
        <translation>Хроматическая коррекция</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>меньше</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>больше</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Увеличивает или уменьшает красный канал, пока его края не совпадут с зелёным</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</source>
        <translation>Увеличивает или уменьшает синий канал, пока его края не совпадут с зелёным</translation>
    </message>
    <message>
        <source>chromatische Aberrationen korrigieren</source>
        <translation>Исправить хроматические аберрации</translation>
    </message>
    <message>
        <source>Entfernt violette und grüne Farbsäume an harten Kanten</source>
        <translation>Убирает фиолетовую и зелёную кайму на резких краях</translation>
    </message>
    <message>
        <source>Motive (Halloween)</source>
        <translation>Мотивы (Хэллоуин)</translation>
    </message>
    <message>
        <source>Motiv</source>
        <translation>Мотив</translation>
    </message>
    <message>
        <source>1 Kürbis, 2 Geist, 3 Fledermaus, 4 Spinnennetz, 5 Mond</source>
        <translation>1 тыква, 2 привидение, 3 летучая мышь, 4 паутина, 5 луна</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Положение</translation>
    </message>
    <message>
        <source>durchsichtig</source>
        <translation>прозрачно</translation>
    </message>
    <message>
        <source>deckend</source>
        <translation>непрозрачно</translation>
    </message>
    <message>
        <source>Flaggen</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>Flagge</source>
        <translation>Флаг</translation>
    </message>
    <message>
        <source>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</source>
        <translation>1 Германия, 2 Франция, 3 Италия, 4 Нидерланды, 5 Австрия, 6 Бельгия, 7 Ирландия, 8 Польша, 9 Украина, 10 Швейцария, 11 Япония, 12 Швеция, 13 Дания</translation>
    </message>
    <message>
        <source>Motive (Fußball)</source>
        <translation>Мотивы (футбол)</translation>
    </message>
    <message>
        <source>1 Ball, 2 Tor, 3 Pokal</source>
        <translation>1 мяч, 2 ворота, 3 кубок</translation>
    </message>
    <message>
        <source>Mask Entrauschen Luminance (HD)</source>
        <translation>Маска шумоподавления яркости (HD)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</source>
        <translation>Насколько сглаживается яркостный шум на ровных участках</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die geglättet wird</source>
        <translation>Размер области сглаживания</translation>
    </message>
    <message>
        <source>Detailschwelle</source>
        <translation>Порог деталей</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</source>
        <translation>Прирост яркости на пиксель, начиная с которого участок считается структурой и не меняется</translation>
    </message>
    <message>
        <source>Wirkung abhängig von der Helligkeit des Bildpunkts</source>
        <translation>Действие в зависимости от яркости пикселя</translation>
    </message>
    <message>
        <source>Mask Schärfen Luminance (HD)</source>
        <translation>Маска резкости яркости (HD)</translation>
    </message>
    <message>
        <source>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</source>
        <translation>Насколько повышается резкость краёв и структур; ровные участки не затрагиваются</translation>
    </message>
    <message>
        <source>Größe der Details, die geschärft werden</source>
        <translation>Размер деталей, резкость которых повышается</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</source>
        <translation>Прирост яркости на пиксель, начиная с которого участок считается структурой и повышается резкость</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>Выброс</translation>
    </message>
    <message>
        <source>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</source>
        <translation>Насколько край может выходить за яркость окружения; ограничивает ореолы</translation>
    </message>
    <message>
        <source>adaptive Bildschärfe</source>
        <translation>Адаптивная резкость</translation>
    </message>
    <message>
        <source>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</source>
        <translation>Сила резкости зависит от местного контраста: на ровных участках нет, на резких краях меньше</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren</source>
        <translation>Уменьшить смаз от дрожания</translation>
    </message>
    <message>
        <source>Wie weit die Verwacklung herausgerechnet wird</source>
        <translation>Насколько устраняется смаз</translation>
    </message>
    <message>
        <source>Unschärferadius</source>
        <translation>Радиус размытия</translation>
    </message>
    <message>
        <source>Wie weit das Bild verwackelt ist</source>
        <translation>Насколько смазано изображение</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Итерации</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>мало</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>много</translation>
    </message>
    <message>
        <source>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</source>
        <translation>Шаги деконволюции: больше шагов возвращают больше резкости и занимают больше времени</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren (Farbe)</source>
        <translation>Уменьшить смаз (цвет)</translation>
    </message>
    <message>
        <source>Entrauschen Farbwolken</source>
        <translation>Подавление цветных пятен</translation>
    </message>
    <message>
        <source>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</source>
        <translation>Удаляются цветные пятна размером примерно до трети этой величины</translation>
    </message>
    <message>
        <source>Wie weit die Farbwolken entfernt werden</source>
        <translation>Насколько удаляются цветные пятна</translation>
    </message>
    <message>
        <source>kräftig</source>
        <translation>насыщенно</translation>
    </message>
    <message>
        <source>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</source>
        <translation>Отклонение цвета, до которого пятно считается шумом; более насыщенные цвета сохраняются</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (UHD)</source>
        <translation>Шумоподавление яркости (UHD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</source>
        <translation>Насколько сглаживается яркостный шум; усредняются похожие фрагменты окружения</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (U2HD)</source>
        <translation>Шумоподавление яркости (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen (Gap Fill)</source>
        <translation>Шумоподавление (заполнение)</translation>
    </message>
    <message>
        <source>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</source>
        <translation>Насколько отдельные выбивающиеся пиксели заменяются средним соседей</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>низко</translation>
    </message>
    <message>
        <source>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</source>
        <translation>Насколько пиксель должен выходить за диапазон соседей (относительно него), чтобы считаться пропуском</translation>
    </message>
    <message>
        <source>Details restaurieren</source>
        <translation>Восстановить детали</translation>
    </message>
    <message>
        <source>Detailgröße</source>
        <translation>Размер деталей</translation>
    </message>
    <message>
        <source>Größe der Details, die aus dem Originalbild zurückgeholt werden</source>
        <translation>Размер деталей, возвращаемых из исходного изображения</translation>
    </message>
    <message>
        <source>Wie viel der verlorenen Details zurückkehrt</source>
        <translation>Сколько утраченных деталей возвращается</translation>
    </message>
    <message>
        <source>Rauschschwelle</source>
        <translation>Порог шума</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</source>
        <translation>Более мелкие различия считаются шумом и не возвращаются</translation>
    </message>
    <message>
        <source>Dither (Floyd Steinberg)</source>
        <translation>Дизеринг (рассеивание ошибки)</translation>
    </message>
    <message>
        <source>Bittiefe</source>
        <translation>Разрядность</translation>
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
        <translation>Уровней на канал после уменьшения</translation>
    </message>
    <message>
        <source>Fehlerverteilung</source>
        <translation>Рассеивание ошибки</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>полностью</translation>
    </message>
    <message>
        <source>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</source>
        <translation>Какая доля ошибки округления передаётся соседям: предотвращает ступеньки в переходах</translation>
    </message>
    <message>
        <source>Entrauschen (Farbe)</source>
        <translation>Шумоподавление (цвет)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die die Farbe geglättet wird</source>
        <translation>Размер области сглаживания цвета</translation>
    </message>
    <message>
        <source>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</source>
        <translation>Насколько сглаживается цветовой шум; яркость не меняется</translation>
    </message>
    <message>
        <source>Entrauschen (Flächen glätten)</source>
        <translation>Шумоподавление (сгладить плоскости)</translation>
    </message>
    <message>
        <source>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</source>
        <translation>Насколько ровные участки сглаживаются к их среднему</translation>
    </message>
    <message>
        <source>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</source>
        <translation>Разброс яркости, до которого участок считается ровным</translation>
    </message>
    <message>
        <source>Entrauschen (Banding)</source>
        <translation>Шумоподавление (полосы)</translation>
    </message>
    <message>
        <source>Breite der Streifen, die zu einem glatten Verlauf werden</source>
        <translation>Ширина полос, которые становятся плавным переходом</translation>
    </message>
    <message>
        <source>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</source>
        <translation>Высота сглаживаемых ступенек; более высокие края сохраняются</translation>
    </message>
    <message>
        <source>Kantenverstärker</source>
        <translation>Усиление краёв</translation>
    </message>
    <message>
        <source>Größe der Kanten, die verstärkt werden</source>
        <translation>Размер усиливаемых краёв</translation>
    </message>
    <message>
        <source>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</source>
        <translation>Насколько усиливается яркостный контраст на краях</translation>
    </message>
    <message>
        <source>Farbton Kantenverstärker</source>
        <translation>Усиление цветовых краёв</translation>
    </message>
    <message>
        <source>Wie stark der Farbkontrast an Farbkanten verstärkt wird</source>
        <translation>Насколько усиливается цветовой контраст на цветовых краях</translation>
    </message>
    <message>
        <source>Entrauschen (soften)</source>
        <translation>Шумоподавление (смягчение)</translation>
    </message>
    <message>
        <source>Länge, über die entlang der Kanten gemittelt wird</source>
        <translation>Длина усреднения вдоль краёв</translation>
    </message>
    <message>
        <source>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</source>
        <translation>Насколько сглаживается вдоль краёв; края остаются резкими</translation>
    </message>
    <message>
        <source>Schärfen HD Gradient</source>
        <translation>Резкость HD по градиенту</translation>
    </message>
    <message>
        <source>Breite des Schärfens quer zur Kante</source>
        <translation>Ширина повышения резкости поперёк края</translation>
    </message>
    <message>
        <source>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</source>
        <translation>Насколько повышается резкость поперёк краёв; шум вдоль краёв не усиливается</translation>
    </message>
    <message>
        <source>Schärfen Chrominance (HD)</source>
        <translation>Резкость цветности (HD)</translation>
    </message>
    <message>
        <source>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</source>
        <translation>Насколько повышается резкость цветовых краёв; яркость не меняется</translation>
    </message>
    <message>
        <source>Größe der Farbdetails, die geschärft werden</source>
        <translation>Размер цветовых деталей, резкость которых повышается</translation>
    </message>
    <message>
        <source>Schärfen Luminance (HD)</source>
        <translation>Резкость яркости (HD)</translation>
    </message>
    <message>
        <source>Wie stark die Helligkeit geschärft wird</source>
        <translation>Насколько повышается резкость яркости</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</source>
        <translation>Более мелкие различия считаются шумом, и их резкость не повышается</translation>
    </message>
    <message>
        <source>Schärfen Luminance (UHD)</source>
        <translation>Резкость яркости (UHD)</translation>
    </message>
    <message>
        <source>Stärke fein</source>
        <translation>Сила: мелкие</translation>
    </message>
    <message>
        <source>Schärfung der feinsten Details</source>
        <translation>Резкость самых мелких деталей</translation>
    </message>
    <message>
        <source>Stärke mittel</source>
        <translation>Сила: средние</translation>
    </message>
    <message>
        <source>Schärfung der Details doppelter Größe</source>
        <translation>Резкость деталей двойного размера</translation>
    </message>
    <message>
        <source>Größe der feinsten Details</source>
        <translation>Размер самых мелких деталей</translation>
    </message>
    <message>
        <source>Schärfen Luminance (U2HD)</source>
        <translation>Резкость яркости (U2HD)</translation>
    </message>
    <message>
        <source>Stärke grob</source>
        <translation>Сила: крупные</translation>
    </message>
    <message>
        <source>Schärfung der Details vierfacher Größe</source>
        <translation>Резкость деталей четырёхкратного размера</translation>
    </message>
    <message>
        <source>Entrauschen (Median)</source>
        <translation>Шумоподавление (медиана)</translation>
    </message>
    <message>
        <source>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</source>
        <translation>Насколько каждый канал сдвигается к медиане окрестности 3×3: убирает одиночные помехи</translation>
    </message>
    <message>
        <source>Entrauschen (Varianz)</source>
        <translation>Шумоподавление (дисперсия)</translation>
    </message>
    <message>
        <source>Größe der Umgebung, deren Streuung gemessen wird</source>
        <translation>Размер области, разброс в которой измеряется</translation>
    </message>
    <message>
        <source>Rauschpegel</source>
        <translation>Уровень шума</translation>
    </message>
    <message>
        <source>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</source>
        <translation>Разброс, считающийся шумом: участки с меньшим разбросом сглаживаются, структуры сохраняются</translation>
    </message>
    <message>
        <source>Himmel entrauschen</source>
        <translation>Шумоподавление неба</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die der Himmel geglättet wird</source>
        <translation>Размер области сглаживания неба</translation>
    </message>
    <message>
        <source>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</source>
        <translation>Насколько сглаживаются шум и полосы на участках цвета неба</translation>
    </message>
    <message>
        <source>Entrauschen (Min-Max)</source>
        <translation>Шумоподавление (мин-макс)</translation>
    </message>
    <message>
        <source>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</source>
        <translation>Насколько выбросы возвращаются в диапазон соседей</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</source>
        <translation>Насколько значение может превышать соседей до ограничения</translation>
    </message>
    <message>
        <source>Entrauschen (Iterativ)</source>
        <translation>Шумоподавление (итеративное)</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Шаги</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</source>
        <translation>Число шагов сглаживания: больше шагов сглаживают шире</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</source>
        <translation>Разница яркости, до которой идёт сглаживание; большие различия считаются краями</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (HD)</source>
        <translation>Шумоподавление цветности (HD)</translation>
    </message>
    <message>
        <source>Größe der feinsten Farbflecken, die geglättet werden</source>
        <translation>Размер самых мелких сглаживаемых цветных пятен</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (UHD)</source>
        <translation>Шумоподавление цветности (UHD)</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (U2HD)</source>
        <translation>Шумоподавление цветности (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD)</source>
        <translation>Шумоподавление яркости (HD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</source>
        <translation>Насколько сглаживается яркостный шум; края сохраняются</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD iter)</source>
        <translation>Шумоподавление яркости (HD, итеративное)</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</source>
        <translation>Число проходов сглаживания, каждый немного слабее предыдущего</translation>
    </message>
    <message>
        <source>Größe der Umgebung eines Durchgangs</source>
        <translation>Размер области одного прохода</translation>
    </message>
    <message>
        <source>Artefakte reduzieren</source>
        <translation>Уменьшить артефакты</translation>
    </message>
    <message>
        <source>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</source>
        <translation>Высота сглаживаемых краёв блоков сжатия; более высокие края сохраняются</translation>
    </message>
    <message>
        <source>Blockgröße</source>
        <translation>Размер блока</translation>
    </message>
    <message>
        <source>Rastergröße der Kompressionsblöcke im Originalbild</source>
        <translation>Размер сетки блоков сжатия в исходном изображении</translation>
    </message>
    <message>
        <source>Bewegungsunschärfe reduzieren</source>
        <translation>Уменьшить смаз движения</translation>
    </message>
    <message>
        <source>Wie weit die Bewegungsunschärfe herausgerechnet wird</source>
        <translation>Насколько устраняется смаз движения</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>коротко</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>длинно</translation>
    </message>
    <message>
        <source>Länge der Bewegungsspur im Bild</source>
        <translation>Длина следа движения на изображении</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</source>
        <translation>Направление движения: 0° по горизонтали, 90° по вертикали</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Эрозия</translation>
    </message>
    <message>
        <source>Wie weit dunkle Bereiche in helle hineinwachsen</source>
        <translation>Насколько тёмные области разрастаются в светлые</translation>
    </message>
    <message>
        <source>Dilatation</source>
        <translation>Дилатация</translation>
    </message>
    <message>
        <source>Wie weit helle Bereiche in dunkle hineinwachsen</source>
        <translation>Насколько светлые области разрастаются в тёмные</translation>
    </message>
    <message>
        <source>Doppler</source>
        <translation>Двоение</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>Versatz des Doppelbildes</source>
        <translation>Смещение двойного изображения</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</source>
        <translation>Направление смещения, против часовой стрелки от правого края</translation>
    </message>
    <message>
        <source>Deckkraft des Doppelbildes</source>
        <translation>Непрозрачность двойного изображения</translation>
    </message>
    <message>
        <source>Normalisieren</source>
        <translation>Нормализация</translation>
    </message>
    <message>
        <source>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</source>
        <translation>Насколько тона растягиваются на весь диапазон и выравниваются средние тона</translation>
    </message>
    <message>
        <source>Zielhelligkeit</source>
        <translation>Целевая яркость</translation>
    </message>
    <message>
        <source>Helligkeit, auf die der Median des Bildes gebracht wird</source>
        <translation>Яркость, к которой приводится медиана изображения</translation>
    </message>
    <message>
        <source>Local Contrast (Mask)</source>
        <translation>Локальный контраст (маска)</translation>
    </message>
    <message>
        <source>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</source>
        <translation>Размер области в пикселях изображения полного разрешения</translation>
    </message>
    <message>
        <source>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</source>
        <translation>Локальный контраст яркости; цвета сохраняются</translation>
    </message>
    <message>
        <source>Kantenschutz</source>
        <translation>Защита краёв</translation>
    </message>
    <message>
        <source>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</source>
        <translation>Сдерживает большие перепады яркости, чтобы на краях не возникали ореолы</translation>
    </message>
    <message>
        <source>Stärke der Wirkung abhängig von der Helligkeit</source>
        <translation>Сила действия в зависимости от яркости</translation>
    </message>
    <message>
        <source>Luminanz Kontrast</source>
        <translation>Контраст яркости</translation>
    </message>
    <message>
        <source>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</source>
        <translation>Контраст яркости; тон и насыщенность сохраняются</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>Точка опоры</translation>
    </message>
    <message>
        <source>Helligkeit, die unverändert bleibt</source>
        <translation>Яркость, которая не меняется</translation>
    </message>
    <message>
        <source>Helligkeit ebnen</source>
        <translation>Выравнивание яркости</translation>
    </message>
    <message>
        <source>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</source>
        <translation>Выравнивает неравномерное освещение; детали сохраняются</translation>
    </message>
    <message>
        <source>Größe der Flächen, über die die Helligkeit ausgeglichen wird</source>
        <translation>Размер областей выравнивания яркости</translation>
    </message>
    <message>
        <source>_Highlight Recover</source>
        <translation>Восстановление светов</translation>
    </message>
    <message>
        <source>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</source>
        <translation>Мягко сжимает самые светлые тона без выгорания каналов</translation>
    </message>
    <message>
        <source>Einsatzpunkt</source>
        <translation>Порог начала</translation>
    </message>
    <message>
        <source>früh</source>
        <translation>рано</translation>
    </message>
    <message>
        <source>spät</source>
        <translation>поздно</translation>
    </message>
    <message>
        <source>Helligkeit, ab der die Lichter zusammengedrückt werden</source>
        <translation>Яркость, с которой сжимаются света</translation>
    </message>
    <message>
        <source>Nebel reduzieren</source>
        <translation>Уменьшить дымку</translation>
    </message>
    <message>
        <source>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</source>
        <translation>Убирает светлую пелену тумана и дымки</translation>
    </message>
    <message>
        <source>Spitzlichter wiederherstellen</source>
        <translation>Восстановить блики</translation>
    </message>
    <message>
        <source>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</source>
        <translation>Затемняет светлые области целиком и сохраняет в них детали</translation>
    </message>
    <message>
        <source>Helligkeit der Umgebung, ab der abgedunkelt wird</source>
        <translation>Яркость окружения, с которой начинается затемнение</translation>
    </message>
    <message>
        <source>Weißkorrektur</source>
        <translation>Коррекция белого</translation>
    </message>
    <message>
        <source>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</source>
        <translation>Убирает оттенок со светов и осветляет их до чистого белого</translation>
    </message>
    <message>
        <source>Helligkeit, ab der korrigiert wird</source>
        <translation>Яркость, с которой выполняется коррекция</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>Градиент яркости</translation>
    </message>
    <message>
        <source>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</source>
        <translation>Гамма стороны изображения перед линией; отрицательные значения затемняют её (например, небо)</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>Richtung des Verlaufs; 90° verläuft von oben nach unten</source>
        <translation>Направление градиента; 90° — сверху вниз</translation>
    </message>
    <message>
        <source>Übergang</source>
        <translation>Переход</translation>
    </message>
    <message>
        <source>Breite des Übergangs über die Linie</source>
        <translation>Ширина перехода через линию</translation>
    </message>
    <message>
        <source>Linienmitte</source>
        <translation>Центр линии</translation>
    </message>
    <message>
        <source>Punkt, durch den die Übergangslinie läuft</source>
        <translation>Точка, через которую проходит линия перехода</translation>
    </message>
    <message>
        <source>Weiche Details</source>
        <translation>Мягкие детали</translation>
    </message>
    <message>
        <source>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</source>
        <translation>Сглаживает мелкие структуры, например кожу или шум; края остаются резкими</translation>
    </message>
    <message>
        <source>Größe der Strukturen, die geglättet werden</source>
        <translation>Размер сглаживаемых структур</translation>
    </message>
    <message>
        <source>Weiche Kontur</source>
        <translation>Мягкий контур</translation>
    </message>
    <message>
        <source>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</source>
        <translation>Придаёт контурам мягкую светящуюся кромку; плоскости остаются резкими</translation>
    </message>
    <message>
        <source>Breite des weichen Randes</source>
        <translation>Ширина мягкой кромки</translation>
    </message>
    <message>
        <source>Randlicht-Verteilung</source>
        <translation>Распределение света к краям</translation>
    </message>
    <message>
        <source>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</source>
        <translation>Выравнивает спад света к краю изображения (виньетирование, вспышка)</translation>
    </message>
    <message>
        <source>Dynamische Helligkeit</source>
        <translation>Динамическая яркость</translation>
    </message>
    <message>
        <source>erweitern</source>
        <translation>расширить</translation>
    </message>
    <message>
        <source>verdichten</source>
        <translation>сжать</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</source>
        <translation>Осветляет тёмное окружение и затемняет светлое (или наоборот)</translation>
    </message>
    <message>
        <source>automatischer Schwarz/Weißpunkt</source>
        <translation>Автоматическая точка чёрного/белого</translation>
    </message>
    <message>
        <source>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</source>
        <translation>Насколько точки чёрного и белого растягиваются на весь диапазон</translation>
    </message>
    <message>
        <source>gewogener Schwarz/Weißpunkt</source>
        <translation>Взвешенная точка чёрного/белого</translation>
    </message>
    <message>
        <source>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</source>
        <translation>Насколько измеренные точки растягиваются на весь диапазон</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Доля</translation>
    </message>
    <message>
        <source>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</source>
        <translation>Доля самых тёмных и самых светлых пикселей, среднее которых даёт точки чёрного и белого</translation>
    </message>
    <message>
        <source>Histogramm Abgleich</source>
        <translation>Выравнивание гистограммы</translation>
    </message>
    <message>
        <source>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</source>
        <translation>Равномерно распределяет тона по всему диапазону</translation>
    </message>
    <message>
        <source>Kontrastbegrenzung</source>
        <translation>Ограничение контраста</translation>
    </message>
    <message>
        <source>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</source>
        <translation>Ограничивает растяжение больших однородных областей</translation>
    </message>
    <message>
        <source>Licht/Schatten anpassen</source>
        <translation>Настройка светов/теней</translation>
    </message>
    <message>
        <source>Lichter</source>
        <translation>Света</translation>
    </message>
    <message>
        <source>Belichtung der hellen Töne</source>
        <translation>Экспозиция светлых тонов</translation>
    </message>
    <message>
        <source>Belichtung der dunklen Töne</source>
        <translation>Экспозиция тёмных тонов</translation>
    </message>
    <message>
        <source>Tonbreite</source>
        <translation>Тональный диапазон</translation>
    </message>
    <message>
        <source>Wie weit Lichter und Schatten in die Mitteltöne reichen</source>
        <translation>Насколько света и тени заходят в средние тона</translation>
    </message>
    <message>
        <source>Lichttuner</source>
        <translation>Настройка света</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</source>
        <translation>Осветляет тёмное окружение сильнее светлого; затем точки чёрного и белого задаются заново</translation>
    </message>
    <message>
        <source>Percentile justieren</source>
        <translation>Настройка перцентилей</translation>
    </message>
    <message>
        <source>Dunkles Perzentil</source>
        <translation>Тёмный перцентиль</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der schwarz wird</source>
        <translation>Доля пикселей каждого канала, становящихся чёрными</translation>
    </message>
    <message>
        <source>Helles Perzentil</source>
        <translation>Светлый перцентиль</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der weiß wird</source>
        <translation>Доля пикселей каждого канала, становящихся белыми</translation>
    </message>
    <message>
        <source>Gradationskurve (logarithm.)</source>
        <translation>Тоновая кривая (логарифм.)</translation>
    </message>
    <message>
        <source>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</source>
        <translation>Тоновая кривая по логарифмической яркости: тени занимают большую часть ширины</translation>
    </message>
    <message>
        <source>Tonwerte justieren</source>
        <translation>Уровни</translation>
    </message>
    <message>
        <source>Schwarzwert</source>
        <translation>Уровень чёрного</translation>
    </message>
    <message>
        <source>Helligkeit, die schwarz wird</source>
        <translation>Яркость, становящаяся чёрной</translation>
    </message>
    <message>
        <source>Weißwert</source>
        <translation>Уровень белого</translation>
    </message>
    <message>
        <source>Helligkeit, die weiß wird</source>
        <translation>Яркость, становящаяся белой</translation>
    </message>
    <message>
        <source>Mitteltöne</source>
        <translation>Средние тона</translation>
    </message>
    <message>
        <source>Gamma der Mitteltöne</source>
        <translation>Гамма средних тонов</translation>
    </message>
    <message>
        <source>Ausgabe Schwarz</source>
        <translation>Выходной чёрный</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Schwarz gesetzt wird</source>
        <translation>Яркость, в которую переводится чёрный</translation>
    </message>
    <message>
        <source>Ausgabe Weiß</source>
        <translation>Выходной белый</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Weiß gesetzt wird</source>
        <translation>Яркость, в которую переводится белый</translation>
    </message>
    <message>
        <source>Graustufenumwandlung</source>
        <translation>Преобразование в оттенки серого</translation>
    </message>
    <message>
        <source>Rotanteil</source>
        <translation>Доля красного</translation>
    </message>
    <message>
        <source>Anteil des roten Kanals am Grau</source>
        <translation>Доля красного канала в сером</translation>
    </message>
    <message>
        <source>Grünanteil</source>
        <translation>Доля зелёного</translation>
    </message>
    <message>
        <source>Anteil des grünen Kanals am Grau</source>
        <translation>Доля зелёного канала в сером</translation>
    </message>
    <message>
        <source>Blauanteil</source>
        <translation>Доля синего</translation>
    </message>
    <message>
        <source>Anteil des blauen Kanals am Grau</source>
        <translation>Доля синего канала в сером</translation>
    </message>
    <message>
        <source>Fraktales_Korn</source>
        <translation>Фрактальное зерно</translation>
    </message>
    <message>
        <source>Stärke des Korns</source>
        <translation>Сила зерна</translation>
    </message>
    <message>
        <source>Größe der Körner im Bild in voller Auflösung</source>
        <translation>Размер зёрен на изображении полного разрешения</translation>
    </message>
    <message>
        <source>Rauheit</source>
        <translation>Шероховатость</translation>
    </message>
    <message>
        <source>rau</source>
        <translation>грубо</translation>
    </message>
    <message>
        <source>Anteil der feineren Kornstufen</source>
        <translation>Доля более мелких уровней зерна</translation>
    </message>
    <message>
        <source>Kornbewegung</source>
        <translation>Движение зерна</translation>
    </message>
    <message>
        <source>eingefroren</source>
        <translation>неподвижно</translation>
    </message>
    <message>
        <source>jedes Bild neu</source>
        <translation>новое в каждом кадре</translation>
    </message>
    <message>
        <source>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</source>
        <translation>Как часто меняется зерно в видео; 0 фиксирует его для всех кадров</translation>
    </message>
    <message>
        <source>Analoges_Korn</source>
        <translation>Аналоговое зерно</translation>
    </message>
    <message>
        <source>Farbkorn</source>
        <translation>Цветное зерно</translation>
    </message>
    <message>
        <source>einfarbig</source>
        <translation>монохромно</translation>
    </message>
    <message>
        <source>farbig</source>
        <translation>цветное</translation>
    </message>
    <message>
        <source>Anteil des Korns, der in jedem Farbkanal eigen ist</source>
        <translation>Доля зерна, своя для каждого цветового канала</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSV)</source>
        <translation>Фрактальное зерно (HSV)</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSL)</source>
        <translation>Фрактальное зерно (HSL)</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSV)</source>
        <translation>Аналоговое зерно (HSV)</translation>
    </message>
    <message>
        <source>Sättigungskorn</source>
        <translation>Зерно насыщенности</translation>
    </message>
    <message>
        <source>Korn auch in der Sättigung; der Farbton bleibt erhalten</source>
        <translation>Зерно и в насыщенности; цветовой тон сохраняется</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSL)</source>
        <translation>Аналоговое зерно (HSL)</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>Отбеливание с пропуском</translation>
    </message>
    <message>
        <source>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</source>
        <translation>Больше контраста и меньше цвета, как при пропуске отбеливания</translation>
    </message>
    <message>
        <source>Veiling Glare</source>
        <translation>Паразитная засветка</translation>
    </message>
    <message>
        <source>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</source>
        <translation>Рассеянный свет в объективе: светлые области покрывают окружение пеленой</translation>
    </message>
    <message>
        <source>Local Contour</source>
        <translation>Локальный контур</translation>
    </message>
    <message>
        <source>Verstärkung der Konturen</source>
        <translation>Усиление контуров</translation>
    </message>
    <message>
        <source>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</source>
        <translation>Более мелкие различия (зерно, шум) не усиливаются</translation>
    </message>
    <message>
        <source>Struktur (Tonung)</source>
        <translation>Текстура (тонирование)</translation>
    </message>
    <message>
        <source>Wie stark die Struktur über dem Bild liegt</source>
        <translation>Насколько сильно текстура накладывается на изображение</translation>
    </message>
    <message>
        <source>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</source>
        <translation>Масштаб текстуры, от четверти до четырёхкратного</translation>
    </message>
    <message>
        <source>Muster</source>
        <translation>Узор</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Wählt eine von tausend Varianten der Struktur</source>
        <translation>Выбирает один из тысячи вариантов текстуры</translation>
    </message>
    <message>
        <source>Farbe der Struktur</source>
        <translation>Цвет текстуры</translation>
    </message>
    <message>
        <source>Struktur (Staub)</source>
        <translation>Текстура (пыль)</translation>
    </message>
    <message>
        <source>Struktur (Licht)</source>
        <translation>Текстура (свет)</translation>
    </message>
    <message>
        <source>Struktur (Doppelbelichtung)</source>
        <translation>Текстура (двойная экспозиция)</translation>
    </message>
    <message>
        <source>Struktur (Projektion)</source>
        <translation>Текстура (проекция)</translation>
    </message>
    <message>
        <source>Struktur (Vignette)</source>
        <translation>Текстура (виньетка)</translation>
    </message>
    <message>
        <source>Struktur (Stoffe)</source>
        <translation>Текстура (ткани)</translation>
    </message>
    <message>
        <source>Struktur (Risse)</source>
        <translation>Текстура (трещины)</translation>
    </message>
    <message>
        <source>Struktur (Stein)</source>
        <translation>Текстура (камень)</translation>
    </message>
    <message>
        <source>Struktur (Papier)</source>
        <translation>Текстура (бумага)</translation>
    </message>
    <message>
        <source>Struktur (Metalle)</source>
        <translation>Текстура (металлы)</translation>
    </message>
    <message>
        <source>Struktur (Puzzle)</source>
        <translation>Текстура (пазл)</translation>
    </message>
    <message>
        <source>Schwarz-Weiß</source>
        <translation>Чёрно-белое</translation>
    </message>
    <message>
        <source>Lokaler Kontrast</source>
        <translation>Локальный контраст</translation>
    </message>
    <message>
        <source>Lokaler Kontrast des Graubilds</source>
        <translation>Локальный контраст серого изображения</translation>
    </message>
    <message>
        <source>Rotfilter</source>
        <translation>Красный фильтр</translation>
    </message>
    <message>
        <source>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</source>
        <translation>Насколько светлыми становятся красные тона в сером (красный фильтр затемняет голубое небо)</translation>
    </message>
    <message>
        <source>Grünfilter</source>
        <translation>Зелёный фильтр</translation>
    </message>
    <message>
        <source>Wie hell grüne Töne im Grau werden</source>
        <translation>Насколько светлыми становятся зелёные тона в сером</translation>
    </message>
    <message>
        <source>Blaufilter</source>
        <translation>Синий фильтр</translation>
    </message>
    <message>
        <source>Wie hell blaue Töne im Grau werden</source>
        <translation>Насколько светлыми становятся синие тона в сером</translation>
    </message>
    <message>
        <source>Zentrum belichten</source>
        <translation>Экспозиция центра</translation>
    </message>
    <message>
        <source>Belichtung des Zentrums in Blendenstufen</source>
        <translation>Экспозиция центра в ступенях</translation>
    </message>
    <message>
        <source>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</source>
        <translation>Размер полностью экспонированного центра относительно половины диагонали</translation>
    </message>
    <message>
        <source>Breite des Übergangs nach außen</source>
        <translation>Ширина перехода наружу</translation>
    </message>
    <message>
        <source>Mitte des belichteten Bereichs</source>
        <translation>Центр экспонируемой области</translation>
    </message>
    <message>
        <source>Weicher Kontrast</source>
        <translation>Мягкий контраст</translation>
    </message>
    <message>
        <source>weicher</source>
        <translation>мягче</translation>
    </message>
    <message>
        <source>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</source>
        <translation>S-кривая яркости с мягким спадом в светах и тенях</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Helligkeit, um die die Kurve dreht</source>
        <translation>Яркость, вокруг которой поворачивается кривая</translation>
    </message>
    <message>
        <source>Halftone</source>
        <translation>Растр</translation>
    </message>
    <message>
        <source>Rasterweite</source>
        <translation>Линиатура</translation>
    </message>
    <message>
        <source>Abstand der Rasterpunkte im Bild in voller Auflösung</source>
        <translation>Расстояние между точками растра на изображении полного разрешения</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Winkel des Rasters</source>
        <translation>Угол растра</translation>
    </message>
    <message>
        <source>Wie stark das Raster über dem Bild liegt</source>
        <translation>Насколько сильно растр накладывается на изображение</translation>
    </message>
    <message>
        <source>Farbraster</source>
        <translation>Цветной растр</translation>
    </message>
    <message>
        <source>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</source>
        <translation>Отдельный растр для каждого канала вместо серого</translation>
    </message>
    <message>
        <source>Struktur (Wellen)</source>
        <translation>Текстура (волны)</translation>
    </message>
    <message>
        <source>Struktur (Leinen)</source>
        <translation>Текстура (лён)</translation>
    </message>
    <message>
        <source>Alterung</source>
        <translation>Старение</translation>
    </message>
    <message>
        <source>Gesamtwirkung der Alterung</source>
        <translation>Общая сила старения</translation>
    </message>
    <message>
        <source>Vergilbung</source>
        <translation>Пожелтение</translation>
    </message>
    <message>
        <source>Gelbstich, vor allem in den Lichtern</source>
        <translation>Жёлтый оттенок, особенно в светах</translation>
    </message>
    <message>
        <source>Verblassen</source>
        <translation>Выцветание</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Angehobene Schwarztöne und stumpfe Lichter</source>
        <translation>Приподнятые чёрные и тусклые света</translation>
    </message>
    <message>
        <source>Flecken</source>
        <translation>Пятна</translation>
    </message>
    <message>
        <source>Braune Flecken und Staubpunkte</source>
        <translation>Коричневые пятна и пылинки</translation>
    </message>
    <message>
        <source>Iter Tonemapping Kontrast</source>
        <translation>Итеративная тональная компрессия: контраст</translation>
    </message>
    <message>
        <source>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</source>
        <translation>Размер областей, яркость которых выравнивается целиком.</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <source>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</source>
        <translation>Насколько сближаются светлые и тёмные области.</translation>
    </message>
    <message>
        <source>erhalten</source>
        <translation>сохранено</translation>
    </message>
    <message>
        <source>Iter Tonemapping Brillanz</source>
        <translation>Итеративная тональная компрессия: блеск</translation>
    </message>
    <message>
        <source>Brillanz</source>
        <translation>Блеск</translation>
    </message>
    <message>
        <source>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</source>
        <translation>Усиливает детали и цвета каждого канала относительно яркости.</translation>
    </message>
    <message>
        <source>Maske - Details</source>
        <translation>Маска - Детали</translation>
    </message>
    <message>
        <source>feine Details</source>
        <translation>мелкие детали</translation>
    </message>
    <message>
        <source>grobe Kanten</source>
        <translation>грубые края</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</source>
        <translation>Разница яркости в окрестности 3×3, с которой пиксель считается деталью.</translation>
    </message>
    <message>
        <source>Maske - NonDetails</source>
        <translation>Маска - Области без деталей</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Rot</source>
        <translation>Маска - Доля красного</translation>
    </message>
    <message>
        <source>rein</source>
        <translation>чистый</translation>
    </message>
    <message>
        <source>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Доля красного канала в сумме трёх каналов, с которой пиксель выбирается (серый: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Grün</source>
        <translation>Маска - Доля зелёного</translation>
    </message>
    <message>
        <source>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Доля зелёного канала в сумме трёх каналов, с которой пиксель выбирается (серый: 33 %).</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Blau</source>
        <translation>Маска - Доля синего</translation>
    </message>
    <message>
        <source>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>Доля синего канала в сумме трёх каналов, с которой пиксель выбирается (серый: 33 %).</translation>
    </message>
    <message>
        <source>Maske - MinMax</source>
        <translation>Маска - Мин/макс</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</source>
        <translation>Самый тёмный канал должен быть не темнее этого: провалы в тенях исключаются.</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</source>
        <translation>Самый светлый канал должен быть не светлее этого: пересветы исключаются.</translation>
    </message>
    <message>
        <source>Maske - Gradation</source>
        <translation>Маска - Тоновая кривая</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Auswahlstärke über der Helligkeit.</source>
        <translation>Сила выбора в зависимости от яркости.</translation>
    </message>
    <message>
        <source>Maske - Verlauf</source>
        <translation>Маска - Градиент</translation>
    </message>
    <message>
        <source>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</source>
        <translation>В первой точке выбрано полностью, начиная со второй — уже нет.</translation>
    </message>
    <message>
        <source>Maske - Vignette</source>
        <translation>Маска - Виньетка</translation>
    </message>
    <message>
        <source>Zentrum</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</source>
        <translation>Дальше этого расстояния от центра (100 %: углы) край выбран полностью.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne</source>
        <translation>Маска - Тона кожи</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf.</source>
        <translation>Насколько цветовой тон может отклоняться от тона кожи.</translation>
    </message>
    <message>
        <source>Maske - Hauttöne schützen</source>
        <translation>Маска - Защита тонов кожи</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</source>
        <translation>Насколько цветовой тон может отклоняться от тона кожи; выбирается всё, кроме кожи.</translation>
    </message>
    <message>
        <source>Maske - Himmelsfarben</source>
        <translation>Маска - Цвета неба</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Himmelblau abweichen darf.</source>
        <translation>Насколько цветовой тон может отклоняться от небесно-голубого.</translation>
    </message>
    <message>
        <source>Maske - organisches Grün</source>
        <translation>Маска - Зелень растений</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</source>
        <translation>Насколько цветовой тон может отклоняться от зелени листвы и травы.</translation>
    </message>
    <message>
        <source>horizontale Weichzeichnung</source>
        <translation>Горизонтальное размытие</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</source>
        <translation>Размытие только вдоль строк: горизонтальные края остаются резкими.</translation>
    </message>
    <message>
        <source>vertikale Weichzeichnung</source>
        <translation>Вертикальное размытие</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</source>
        <translation>Размытие только вдоль столбцов: вертикальные края остаются резкими.</translation>
    </message>
    <message>
        <source>gerichtete Weichzeichnung</source>
        <translation>Направленное размытие</translation>
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
        <translation>Направление размытия; 0° по горизонтали, 90° по вертикали.</translation>
    </message>
    <message>
        <source>Verflüssigen</source>
        <translation>Пластика</translation>
    </message>
    <message>
        <source>Größte Verschiebung der Bildpunkte.</source>
        <translation>Наибольшее смещение пикселей.</translation>
    </message>
    <message>
        <source>Strukturgröße</source>
        <translation>Размер структуры</translation>
    </message>
    <message>
        <source>Kirlian Weichzeichnung</source>
        <translation>Размытие-корона</translation>
    </message>
    <message>
        <source>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</source>
        <translation>Насколько светлые области мягко излучают в более тёмное окружение.</translation>
    </message>
    <message>
        <source>Kirlian Leuchten</source>
        <translation>Свечение-корона</translation>
    </message>
    <message>
        <source>Breite der Korona um die Kanten.</source>
        <translation>Ширина короны вокруг краёв.</translation>
    </message>
    <message>
        <source>Leuchtkraft</source>
        <translation>Сила свечения</translation>
    </message>
    <message>
        <source>Neon Leuchten</source>
        <translation>Неоновое свечение</translation>
    </message>
    <message>
        <source>Leuchtradius</source>
        <translation>Радиус свечения</translation>
    </message>
    <message>
        <source>Breite des Leuchtens um die Kanten.</source>
        <translation>Ширина свечения вокруг краёв.</translation>
    </message>
    <message>
        <source>Hintergrund abdunkeln</source>
        <translation>Затемнить фон</translation>
    </message>
    <message>
        <source>Bildleuchten</source>
        <translation>Свечение изображения</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Bildbereiche leuchten.</source>
        <translation>Яркость, начиная с которой области изображения светятся.</translation>
    </message>
    <message>
        <source>kantenerhaltende Weichzeichnung</source>
        <translation>Размытие с сохранением краёв</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</source>
        <translation>До какой разницы яркости идёт сглаживание; более крупные края сохраняются.</translation>
    </message>
    <message>
        <source>Gauss-Weichzeichnung</source>
        <translation>Размытие по Гауссу</translation>
    </message>
    <message>
        <source>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</source>
        <translation>Наибольшее расстояние, с которого пиксель вносит вклад (около трёх стандартных отклонений).</translation>
    </message>
    <message>
        <source>Farbkanal Weichzeichnung</source>
        <translation>Размытие по каналам</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Rotkanal.</source>
        <translation>Доля радиуса для красного канала.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Grünkanal.</source>
        <translation>Доля радиуса для зелёного канала.</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Blaukanal.</source>
        <translation>Доля радиуса для синего канала.</translation>
    </message>
    <message>
        <source>Farbton Weichzeichnung</source>
        <translation>Размытие цвета</translation>
    </message>
    <message>
        <source>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</source>
        <translation>Размывается цвет, яркость сохраняется: цветовой шум и кайма исчезают.</translation>
    </message>
    <message>
        <source>Kreis-Weichzeichnung</source>
        <translation>Радиальное размытие</translation>
    </message>
    <message>
        <source>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</source>
        <translation>Дуга, по которой каждый пиксель размазывается вокруг центра.</translation>
    </message>
    <message>
        <source>Fokus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Unschärfe</source>
        <translation>Размытие</translation>
    </message>
    <message>
        <source>Schärfebereich</source>
        <translation>Зона резкости</translation>
    </message>
    <message>
        <source>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</source>
        <translation>Радиус резкой зоны вокруг центра (100 %: углы).</translation>
    </message>
    <message>
        <source>Bokeh</source>
        <translation>Боке</translation>
    </message>
    <message>
        <source>Radius der Unschärfescheibe.</source>
        <translation>Радиус кружка размытия.</translation>
    </message>
    <message>
        <source>Lichter betonen</source>
        <translation>Подчеркнуть света</translation>
    </message>
    <message>
        <source>Helle Lichter werden zu hellen Scheiben.</source>
        <translation>Яркие света становятся светлыми кружками.</translation>
    </message>
    <message>
        <source>Licht-Bokeh</source>
        <translation>Световое боке</translation>
    </message>
    <message>
        <source>Radius der Lichtscheiben.</source>
        <translation>Радиус световых кружков.</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Lichter Scheiben bilden.</source>
        <translation>Яркость, с которой света образуют кружки.</translation>
    </message>
    <message>
        <source>Warp</source>
        <translation>Деформация</translation>
    </message>
    <message>
        <source>Verschiebung</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Einflussradius</source>
        <translation>Радиус влияния</translation>
    </message>
    <message>
        <source>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</source>
        <translation>Область вокруг центра, которая смещается вместе с ним (доля короткой стороны изображения).</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0° nach rechts, 90° nach unten.</source>
        <translation>0° — вправо, 90° — вниз.</translation>
    </message>
    <message>
        <source>Intensives Leuchten</source>
        <translation>Интенсивное свечение</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 kann nicht geöffnet werden.</source>
        <translation>Не удаётся открыть файл LUT %1.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</source>
        <translation>Файл LUT %1 содержит строку длиннее %2 символов.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</source>
        <translation>Файл LUT %1 содержит слово длиннее %2 символов.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</source>
        <translation>Файл LUT %1 требует таблицу из %2 точек; допускается не более %3.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist keine Datei.</source>
        <translation>Файл LUT %1 не является файлом.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist größer als %2 MB.</source>
        <translation>Файл LUT %1 больше %2 МБ.</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>Не удалось прочитать файл LUT %1: %2</translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Импортировать LUT</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten je Achse übernommen.</source>
        <translation>Перенесено %1 из %2 точек на ось.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Schärfen und Entrauschen</comment>
        <translation>Р</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Geometrie</comment>
        <translation>Г</translation>
    </message>
    <message>
        <source>B</source>
        <comment>Belichtung</comment>
        <translation>Э</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Farbe</comment>
        <translation>Ц</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Weichzeichnen</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Künstlerisch</comment>
        <translation>Х</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Masken</comment>
        <translation>М</translation>
    </message>
    <message>
        <source>Maske anzeigen: zeigt die Auswahl nach dem gewählten Operator als Graubild</source>
        <translation>Показать маску: выделение после выбранного оператора в виде серого изображения</translation>
    </message>
    <message>
        <source>Tetraedrisch interpolieren</source>
        <translation>Тетраэдрическая интерполяция</translation>
    </message>
    <message>
        <source>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</source>
        <translation>Интерполировать между точками LUT по четырём соседям вместо восьми</translation>
    </message>
    <message>
        <source>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</source>
        <translation>Эти настройки действуют на соседние пиксели или положения в изображении и не входят в LUT: %1</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Сохранить цветокоррекцию как LUT</translation>
    </message>
    <message>
        <source>Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</source>
        <translation>Добавить LUT в библиотеку LUT (Да) или сохранить в файл (Нет)?</translation>
    </message>
    <message>
        <source>Der LUT wurde nicht geschrieben: %1</source>
        <translation>LUT не записана: %1</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Mittelwert, Ausreißer betont</source>
        <translation>Среднее с упором на выбросы</translation>
    </message>
    <message>
        <source>Mittelwert, Mehrheit betont</source>
        <translation>Среднее с упором на большинство</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>Разброс</translation>
    </message>
    <message>
        <source>Bewegungskarte</source>
        <translation>Карта движения</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Медиана</translation>
    </message>
    <message>
        <source>Mitte zwischen Minimum und Maximum</source>
        <translation>Середина между минимумом и максимумом</translation>
    </message>
    <message>
        <source>Verblassende Spur</source>
        <translation>Затухающий след</translation>
    </message>
    <message>
        <source>Spitzheit der Verteilung</source>
        <translation>Островершинность распределения</translation>
    </message>
    <message>
        <source>Beim Videoexport</source>
        <translation>При экспорте видео</translation>
    </message>
    <message>
        <source>Überblendete Bilder</source>
        <translation>Смешиваемые кадры</translation>
    </message>
    <message>
        <source>Überblendung</source>
        <translation>Смешивание</translation>
    </message>
    <message>
        <source>Vorher/Nachher</source>
        <translation>До/после</translation>
    </message>
    <message>
        <source>Hälfte</source>
        <translation>Половина</translation>
    </message>
    <message>
        <source>Mitte nebeneinander</source>
        <translation>Центры рядом</translation>
    </message>
</context>
<context>
    <name>HDRPresetCombineWindow</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Объединить пресеты</translation>
    </message>
    <message>
        <source>Kombinieren ausführen</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Voreinstellung A</source>
        <translation>Пресет A</translation>
    </message>
    <message>
        <source>Voreinstellung B</source>
        <translation>Пресет B</translation>
    </message>
</context>
<context>
    <name>HDRPresetGroupBox</name>
    <message>
        <source>Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.</source>
        <translation>Этот пресет использует эффекты, неизвестные этой версии.</translation>
    </message>
    <message>
        <source>Klicken, um die Voreinstellung anzuwenden</source>
        <translation>Щёлкните, чтобы применить пресет</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Kopiert die Voreinstellung als eigene Voreinstellung</source>
        <translation>Копирует пресет как собственный пресет</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Lädt die Voreinstellung wieder aus ihrer Datei</source>
        <translation>Заново загружает пресет из его файла</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Speichert die aktuelle Bearbeitung in diese Voreinstellung</source>
        <translation>Сохраняет текущую обработку в этот пресет</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Gibt der Voreinstellung einen neuen Namen</source>
        <translation>Даёт пресету новое имя</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Löscht die Voreinstellung</source>
        <translation>Удаляет пресет</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach oben</source>
        <translation>Перемещает пресет на одну позицию вверх</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach unten</source>
        <translation>Перемещает пресет на одну позицию вниз</translation>
    </message>
    <message>
        <source>Fehlende Effekte</source>
        <translation>Недостающие эффекты</translation>
    </message>
</context>
<context>
    <name>HDRPresetsDockWidget</name>
    <message>
        <source>Voreinstellungen</source>
        <translation>Пресеты</translation>
    </message>
    <message>
        <source>Zeigt nur Voreinstellungen mit diesem Stichwort</source>
        <translation>Показывает только пресеты с этим ключевым словом</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>Импорт пресетов</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>Экспорт пресета</translation>
    </message>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>Объединить пресеты</translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation>Произошла ошибка: журнал или продолжить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation>оценивается</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Прошло: </translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation>Осталось примерно: </translation>
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
        <translation>Мониторы</translation>
    </message>
</context>
<context>
    <name>HDRTimelineDockWidget</name>
    <message>
        <source>Timeline Window</source>
        <translation>Хронология</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt einladen</source>
        <translation>Загрузить эту точку отмены</translation>
    </message>
    <message>
        <source>tooltip Timeline-Notiz editieren</source>
        <translation>Изменить заметку к этой точке</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt löschen</source>
        <translation>Удалить эту точку отмены</translation>
    </message>
    <message>
        <source>Notiz eintragen</source>
        <translation>Ввести заметку</translation>
    </message>
    <message>
        <source>Geben Sie eine Notiz ein:</source>
        <translation>Введите заметку:</translation>
    </message>
    <message>
        <source>Soll dieser Undo-Punkt wirklich gelöscht werden?</source>
        <translation>Удалить эту точку отмены?</translation>
    </message>
    <message>
        <source>Undo-Eintrag</source>
        <translation>зап. отмены</translation>
    </message>
    <message>
        <source>Undo-Einträge</source>
        <translation>зап. отмены</translation>
    </message>
    <message>
        <source>verfügbar</source>
        <translation>свободно</translation>
    </message>
</context>
<context>
    <name>LayerModes</name>
    <message>
        <source>Blendmode Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen</source>
        <translation>Замена светлым</translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation>Замена тёмным</translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation>Умножение</translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation>Среднее геометрическое</translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation>Усиление</translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation>Разница</translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation>Отрицание</translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation>Исключение</translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation>Отражение</translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation>Мягкий свет</translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation>Перекрытие</translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation>Осветление основы</translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation>Затемнение основы</translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation>Линейный затемнитель</translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation>Линейный свет</translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation>Яркий свет</translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation>Точечный свет</translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation>Жёсткое смешение</translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation>Свечение</translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation>Жар</translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation>Заморозка</translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation>Деление</translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation>Кубическая сумма</translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation>Среднее квадратичное</translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation>Ослабление контраста</translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation>Усиление контраста</translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation>Жёсткий свет (яркость)</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation>Замена светлым (мягко)</translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation>Тени</translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation>Средние тона</translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation>Света</translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation>Серые тона</translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation>Цветные тона</translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation>Красный канал</translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation>Зелёный канал</translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation>Синий канал</translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation>Зелёный и синий каналы</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation>Красный и синий каналы</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation>Красный и зелёный каналы</translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation>Глубокие тени</translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation>Яркие света</translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation>Сложение (с ограничением)</translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation>Сложение (тени)</translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation>Добавить разницу</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation>HSV: цветовой тон</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation>HSV: насыщенность</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation>HSV: цвет</translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation>HSV: яркость</translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation>HSV: среднее</translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation>HSV: затемнение</translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation>HSV: осветление</translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation>HSV: обесцвечивание</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation>HSV: насыщение</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation>HSL: цветовой тон</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation>HSL: насыщенность</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation>HSL: цвет</translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation>HSL: светлота</translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation>HSL: среднее</translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation>HSL: затемнение</translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation>HSL: осветление</translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation>HSL: обесцвечивание</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation>HSL: насыщение</translation>
    </message>
</context>
<context>
    <name>LutBrowserWindow</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation>Сохранённые стили LUT: выберите один, чтобы применить</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation>Библиотека LUT</translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation>Добавить текущую LUT в библиотеку</translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation>Удалить выбранную LUT из библиотеки</translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation>Загрузить LUT</translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation>Загрузить LUT из файла cube</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>Сохранить LUT</translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation>Сохранить текущую LUT в файл cube</translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation>Создать LUT по предыдущему изображению в папке</translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation>LUT из изображения</translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation>Создать LUT по следующему изображению в папке</translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation>Тип 1</translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation>Метод 1: переносит распределение тонов каждого цветового канала</translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation>Тип 2</translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation>Метод 2: переносит тона и цветовые оттенки</translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation>LUT на 17 точек по оси</translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation>LUT на 25 точек по оси</translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation>LUT на 32 точки по оси</translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation>LUT на 64 точки по оси</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>Создание миниатюр: </translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>Импортировать LUT</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>Сохранить цветокоррекцию как LUT</translation>
    </message>
    <message>
        <source>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</source>
        <translation>Сохранить цветовой эффект всей обработки как LUT выбранного размера</translation>
    </message>
</context>
<context>
    <name>PPPreset</name>
    <message>
        <source>Klarer Tag</source>
        <translation>Ясный день</translation>
    </message>
    <message>
        <source>Sanftes Licht</source>
        <translation>Мягкий свет</translation>
    </message>
    <message>
        <source>Warmer Abend</source>
        <translation>Тёплый вечер</translation>
    </message>
    <message>
        <source>Frische Farben</source>
        <translation>Свежие цвета</translation>
    </message>
    <message>
        <source>Natürlicher Kontrast</source>
        <translation>Естественный контраст</translation>
    </message>
    <message>
        <source>Helle Mitten</source>
        <translation>Светлые средние тона</translation>
    </message>
    <message>
        <source>Negativtraum</source>
        <translation>Негативный сон</translation>
    </message>
    <message>
        <source>Traumleuchten</source>
        <translation>Сказочное свечение</translation>
    </message>
    <message>
        <source>Fremde Welt</source>
        <translation>Чужой мир</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Инфракрасный</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Blaue Umkehr</source>
        <translation>Синяя инверсия</translation>
    </message>
    <message>
        <source>Blauer Himmel</source>
        <translation>Голубое небо</translation>
    </message>
    <message>
        <source>Sattes Grün</source>
        <translation>Сочная зелень</translation>
    </message>
    <message>
        <source>Herbstwald</source>
        <translation>Осенний лес</translation>
    </message>
    <message>
        <source>Nebelmorgen</source>
        <translation>Туманное утро</translation>
    </message>
    <message>
        <source>Dramatischer Himmel</source>
        <translation>Драматичное небо</translation>
    </message>
    <message>
        <source>Wüstensonne</source>
        <translation>Солнце пустыни</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>Бетон</translation>
    </message>
    <message>
        <source>Glas und Stahl</source>
        <translation>Стекло и сталь</translation>
    </message>
    <message>
        <source>Klare Linien</source>
        <translation>Чёткие линии</translation>
    </message>
    <message>
        <source>Altstadt</source>
        <translation>Старый город</translation>
    </message>
    <message>
        <source>Nachtstadt</source>
        <translation>Ночной город</translation>
    </message>
    <message>
        <source>Warme Haut</source>
        <translation>Тёплая кожа</translation>
    </message>
    <message>
        <source>Weiche Haut</source>
        <translation>Мягкая кожа</translation>
    </message>
    <message>
        <source>Portrait Schwarzweiß</source>
        <translation>Чёрно-белый портрет</translation>
    </message>
    <message>
        <source>High Key</source>
        <translation>Хай-кей</translation>
    </message>
    <message>
        <source>Low Key</source>
        <translation>Лоу-кей</translation>
    </message>
    <message>
        <source>Sepia Klassik</source>
        <translation>Классическая сепия</translation>
    </message>
    <message>
        <source>Filmkorn</source>
        <translation>Плёночное зерно</translation>
    </message>
    <message>
        <source>Kreuzentwicklung</source>
        <translation>Кросс-процесс</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>Пастель</translation>
    </message>
    <message>
        <source>Zweiton</source>
        <translation>Дуплекс</translation>
    </message>
    <message>
        <source>Lochkamera</source>
        <translation>Камера-обскура</translation>
    </message>
</context>
<context>
    <name>PPPresetCategory</name>
    <message>
        <source>SearchTag leer</source>
        <translation>Без категории</translation>
    </message>
    <message>
        <source>SearchTag Benutzer</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>user</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>Естественные</translation>
    </message>
    <message>
        <source>surreal</source>
        <translation>Сюрреалистичные</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Пейзаж</translation>
    </message>
    <message>
        <source>architecture</source>
        <translation>Архитектура</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Портрет</translation>
    </message>
    <message>
        <source>artistic</source>
        <translation>Художественные</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Weich</source>
        <translation>Мягкие</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Тёплые</translation>
    </message>
    <message>
        <source>Farbig</source>
        <translation>Цветные</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Светлые</translation>
    </message>
    <message>
        <source>Kühl</source>
        <translation>Холодные</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>Ретро</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Тёмные</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>Чёрно-белые</translation>
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
        <translation>Тональная компрессия</translation>
    </message>
    <message>
        <source>Undo-Daten bereinigen</source>
        <translation>Очистка данных отмены</translation>
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
        <translation>Ошибка сопоставления файлов</translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation>Не удалось записать сопоставление файлов для «%1».</translation>
    </message>
</context>
</TS>
