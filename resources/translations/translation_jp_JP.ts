<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="de_DE">
<context>
    <name>CCliArguments</name>
    <message>
        <source>unbekannte Option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>Option %1 braucht einen Wert</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>unerwartetes Argument &apos;%1&apos;</source>
        <translation>予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 braucht %2 (siehe vantrope-cli %1 --help)</source>
        <translation>%1 には %2 が必要です（vantrope-cli %1 --help を参照）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lässt sich nicht benennen: %2</source>
        <translation>&apos;%1&apos; を名前として扱えません: %2</translation>
    </message>
    <message>
        <source>Option --%1 fehlt</source>
        <translation>オプション --%1 がありません</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>--%1 の値が不正です: &apos;%2&apos;（0〜1 の数値が必要）</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (erwartet: eine ganze Zahl von %3 bis %4)</source>
        <translation>--%1 の値が不正です: &apos;%2&apos;（%3〜%4 の整数が必要）</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: &apos;%2&apos; (%3)</source>
        <translation>--%1 の値が不正です: &apos;%2&apos;（%3）</translation>
    </message>
    <message>
        <source>ungültige Position &apos;%1&apos; (Millisekunden, 0 oder mehr)</source>
        <translation>不正な位置 &apos;%1&apos;（ミリ秒、0 以上）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; を書き込めません: %2</translation>
    </message>
    <message>
        <source>ungültige Größe &apos;%1&apos; (erwartet: WxH, je %2 bis %3)</source>
        <translation>不正なサイズ &apos;%1&apos;（WxH、それぞれ %2〜%3）</translation>
    </message>
</context>
<context>
    <name>CClipDecoder</name>
    <message>
        <source>Die Datei %1 enthält kein lesbares Video.</source>
        <translation>ファイル %1 に読み取り可能なビデオがありません。</translation>
    </message>
    <message>
        <source>Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).</source>
        <translation>ビデオのフレームサイズ（%1 × %2）には対応していません。</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für den Videodecoder.</source>
        <translation>ビデオデコーダー用のメモリが不足しています。</translation>
    </message>
    <message>
        <source>Das Videoformat von %1 kann nicht dekodiert werden.</source>
        <translation>%1 のビデオ形式はデコードできません。</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Kein Video geöffnet.</source>
        <translation>ビデオが開かれていません。</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht umgewandelt werden.</source>
        <translation>フレームを変換できませんでした。</translation>
    </message>
    <message>
        <source>An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.</source>
        <translation>位置 %1 のフレームを読み取れません。ファイルが破損しているか不完全です。</translation>
    </message>
</context>
<context>
    <name>CMovieHandling</name>
    <message>
        <source>Videobearbeitung</source>
        <translation>ビデオ処理</translation>
    </message>
    <message>
        <source>Soll die Videobearbeitung wirklich abgebrochen werden?</source>
        <translation>ビデオ処理を中止しますか？</translation>
    </message>
    <message>
        <source>An unexpected error has occurred. Code: %1</source>
        <translation>予期しないエラーが発生しました。コード: %1</translation>
    </message>
    <message>
        <source>Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.</source>
        <translation>プログラム %1 が時間内に応答しなかったため終了しました。</translation>
    </message>
    <message>
        <source>In den Zielordner kann nicht geschrieben werden.</source>
        <translation>保存先フォルダーに書き込めません。</translation>
    </message>
    <message>
        <source>Der Datenträger des Zielordners ist voll.</source>
        <translation>保存先フォルダーのディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>予期しないエラー</translation>
    </message>
    <message>
        <source>Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich fortfahren?</source>
        <translation>選択したビデオ形式ではファイルが非常に大きくなります。続行しますか？</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File</source>
        <translation>ビデオファイルを処理中</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Audio)</source>
        <translation>ビデオファイルを処理中（音声）</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Converting)</source>
        <translation>ビデオファイルを処理中（変換）</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Finalisation)</source>
        <translation>ビデオファイルを処理中（仕上げ）</translation>
    </message>
    <message>
        <source>MovieHandling Processing Video File (Video)</source>
        <translation>ビデオファイルを処理中（映像）</translation>
    </message>
</context>
<context>
    <name>CPostProcessing</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).</source>
        <translation>ファイル %1 は %2 バイトあり、プリセットとしては大きすぎます（最大 %3）。</translation>
    </message>
    <message>
        <source>Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.</source>
        <translation>ファイル %1 には %2 個のオペレーターがあります。プリセットの上限は %3 個です。</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein Preset.</source>
        <translation>ファイル %1 はプリセットではありません。</translation>
    </message>
    <message>
        <source>In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.</source>
        <translation>ファイル %1 のグループ %2 に Kernel 項目がありません。</translation>
    </message>
</context>
<context>
    <name>CPresetCombiner</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>プリセットを組み合わせる</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>名前を入力してください:</translation>
    </message>
</context>
<context>
    <name>CPresetLibrary</name>
    <message>
        <source>Critical error</source>
        <translation>重大なエラー</translation>
    </message>
    <message>
        <source>No post-processing presets found! Please reinstall...</source>
        <translation>グレーディングのプリセットが見つかりません。プログラムを再インストールしてください。</translation>
    </message>
    <message>
        <source>Importierte Presets:</source>
        <translation>読み込んだプリセット:</translation>
    </message>
    <message>
        <source>Bereits vorhandene Presets:</source>
        <translation>既存のプリセット:</translation>
    </message>
    <message>
        <source>Inkompatible Presets:</source>
        <translation>互換性のないプリセット:</translation>
    </message>
    <message>
        <source>Fehlerhafte Presets:</source>
        <translation>不正なプリセット:</translation>
    </message>
    <message>
        <source>Zu Addons gehörende Presets:</source>
        <translation>アドオンに属するプリセット:</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>プリセットを読み込む</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
    <message>
        <source>Preset Import Messagetitle</source>
        <translation>プリセットの読み込み</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>プリセットを書き出す</translation>
    </message>
    <message>
        <source>MyPreset</source>
        <translation>マイプリセット</translation>
    </message>
    <message>
        <source>Voreinstellung kopieren</source>
        <translation>プリセットをコピー</translation>
    </message>
    <message>
        <source>Vergeben sie einen Namen:</source>
        <translation>名前を入力してください:</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Voreinstellung umbenennen</source>
        <translation>プリセット名を変更</translation>
    </message>
    <message>
        <source>Vergeben sie einen neuen Namen:</source>
        <translation>新しい名前を入力してください:</translation>
    </message>
    <message>
        <source>Voreinstellung löschen?</source>
        <translation>プリセットを削除しますか？</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich gelöscht werden?</source>
        <translation>プリセット「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Voreinstellung zurücksetzen</source>
        <translation>プリセットをリセット</translation>
    </message>
    <message>
        <source>Soll die Voreinstellung &quot;%1&quot; wirklich zurückgesetzt werden?</source>
        <translation>プリセット「%1」をリセットしますか？</translation>
    </message>
</context>
<context>
    <name>CPresetsDockModel</name>
    <message>
        <source>Alle</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Natürlich</source>
        <translation>ナチュラル</translation>
    </message>
    <message>
        <source>Surreal</source>
        <translation>シュール</translation>
    </message>
    <message>
        <source>Landschaft</source>
        <translation>風景</translation>
    </message>
    <message>
        <source>Architektur</source>
        <translation>建築</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>ポートレート</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>アート</translation>
    </message>
</context>
<context>
    <name>CScopePane</name>
    <message>
        <source>Waveform (Luma)</source>
        <translation>波形（輝度）</translation>
    </message>
    <message>
        <source>RGB-Parade</source>
        <translation>RGBパレード</translation>
    </message>
    <message>
        <source>Vektorskop</source>
        <translation>ベクトルスコープ</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>ヒストグラム</translation>
    </message>
    <message>
        <source>Welche Messanzeige hier erscheint</source>
        <translation>ここに表示するスコープ</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Verstärkung </source>
        <translation>ゲイン </translation>
    </message>
    <message>
        <source>Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich</source>
        <translation>トレースの明るさ：値を上げるとまれな値もはっきり表示されます</translation>
    </message>
    <message>
        <source>Logarithmisch</source>
        <translation>対数</translation>
    </message>
    <message>
        <source>Histogrammhöhen logarithmisch statt linear</source>
        <translation>ヒストグラムの高さを線形ではなく対数で表示</translation>
    </message>
</context>
<context>
    <name>CVideoDockWidget</name>
    <message>
        <source>Videoeinstellungen</source>
        <translation>ビデオ設定</translation>
    </message>
    <message>
        <source>Das Quellvideo im Standardprogramm abspielen</source>
        <translation>元のビデオを既定のプレーヤーで再生</translation>
    </message>
    <message>
        <source>Das gespeicherte Video im Standardprogramm abspielen</source>
        <translation>保存したビデオを既定のプレーヤーで再生</translation>
    </message>
    <message>
        <source>Den Ton des Quellvideos übernehmen</source>
        <translation>元のビデオの音声を引き継ぐ</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Die Metadaten des Quellvideos übernehmen</source>
        <translation>元のビデオのメタデータを引き継ぐ</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <translation>メタデータ</translation>
    </message>
    <message>
        <source>Das Video waagerecht spiegeln</source>
        <translation>ビデオを左右反転</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Das Video senkrecht spiegeln</source>
        <translation>ビデオを上下反転</translation>
    </message>
    <message>
        <source>Kippen</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Videoformat der gespeicherten Datei</source>
        <translation>保存するファイルのビデオ形式</translation>
    </message>
    <message>
        <source>Qualität der gespeicherten Datei</source>
        <translation>保存するファイルの画質</translation>
    </message>
    <message>
        <source>Kompressionsartefakte der Quelle mindern</source>
        <translation>元のビデオの圧縮アーティファクトを軽減</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>現在のグレーディングでビデオ全体を保存</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>ビデオを保存</translation>
    </message>
    <message>
        <source>Klicken oder ziehen wählt das Bild, das bearbeitet wird</source>
        <translation>クリックまたはドラッグで編集するフレームを選択</translation>
    </message>
    <message>
        <source>Mehr Vorschaubilder in der Zeitleiste zeigen</source>
        <translation>タイムラインのサムネイルを増やす</translation>
    </message>
    <message>
        <source>Zum Anfang (Pos1)</source>
        <translation>先頭へ（Home）</translation>
    </message>
    <message>
        <source>Eine Sekunde zurück (Umschalt+Links)</source>
        <translation>1秒戻る（Shift+←）</translation>
    </message>
    <message>
        <source>Ein Bild zurück (Links)</source>
        <translation>1フレーム戻る（←）</translation>
    </message>
    <message>
        <source>Zur Mitte</source>
        <translation>中央へ</translation>
    </message>
    <message>
        <source>Ein Bild vor (Rechts)</source>
        <translation>1フレーム進む（→）</translation>
    </message>
    <message>
        <source>Eine Sekunde vor (Umschalt+Rechts)</source>
        <translation>1秒進む（Shift+→）</translation>
    </message>
    <message>
        <source>Zum Ende (Ende)</source>
        <translation>末尾へ（End）</translation>
    </message>
    <message>
        <source>Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes</source>
        <translation>時間（時:分:秒:フレーム）と表示中のフレーム番号</translation>
    </message>
    <message>
        <source>Wiedergabe anhalten (Leertaste, Esc)</source>
        <translation>再生を停止（Space、Esc）</translation>
    </message>
    <message>
        <source>Das bearbeitete Video in der Vorschau abspielen (Leertaste)</source>
        <translation>編集したビデオをプレビューで再生（Space）</translation>
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
        <translation>非圧縮 (AVI)</translation>
    </message>
    <message>
        <source>Unkomprimiert (AVI)</source>
        <translation>非圧縮 (AVI)</translation>
    </message>
    <message>
        <source>Video Quality Best</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <source>Video Quality Better</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Hohe Qualität</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Video Quality Normal</source>
        <translation>標準画質</translation>
    </message>
    <message>
        <source>Normale Qualität</source>
        <translation>標準画質</translation>
    </message>
    <message>
        <source>Video Quality Low</source>
        <translation>低画質</translation>
    </message>
    <message>
        <source>Geringe Qualität</source>
        <translation>低画質</translation>
    </message>
    <message>
        <source>Video Quality Lowest</source>
        <translation>最低画質</translation>
    </message>
    <message>
        <source>Geringste Qualität</source>
        <translation>最低画質</translation>
    </message>
    <message>
        <source>Video Artefact Unchanged</source>
        <translation>アーティファクト軽減なし</translation>
    </message>
    <message>
        <source>Keine Artefaktminderung</source>
        <translation>アーティファクト軽減なし</translation>
    </message>
    <message>
        <source>Video Artefact Slight</source>
        <translation>アーティファクト軽減（弱）</translation>
    </message>
    <message>
        <source>Leichte Artefaktminderung</source>
        <translation>アーティファクト軽減（弱）</translation>
    </message>
    <message>
        <source>Video Artefact Strong</source>
        <translation>アーティファクト軽減（強）</translation>
    </message>
    <message>
        <source>Starke Artefaktminderung</source>
        <translation>アーティファクト軽減（強）</translation>
    </message>
    <message>
        <source>Video Artefact Intensive</source>
        <translation>アーティファクト軽減（より強）</translation>
    </message>
    <message>
        <source>Intensive Artefaktminderung</source>
        <translation>アーティファクト軽減（より強）</translation>
    </message>
    <message>
        <source>Video Artefact Maximal</source>
        <translation>アーティファクト軽減（最大）</translation>
    </message>
    <message>
        <source>Maximale Artefaktminderung</source>
        <translation>アーティファクト軽減（最大）</translation>
    </message>
    <message>
        <source>Auflösung: %1 x %2 px</source>
        <translation>解像度: %1 x %2 px</translation>
    </message>
    <message>
        <source>Länge: %1  (%2 fps)</source>
        <translation>長さ: %1  (%2 fps)</translation>
    </message>
    <message>
        <source>Länge: %1</source>
        <translation>長さ: %1</translation>
    </message>
    <message>
        <source>%1  (Bild %2)</source>
        <translation>%1  (フレーム %2)</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>画像用のメモリが不足しています。</translation>
    </message>
</context>
<context>
    <name>CVideoExportDriver</name>
    <message>
        <source>Video speichern</source>
        <translation>ビデオを保存</translation>
    </message>
    <message>
        <source>Mein Video</source>
        <translation>マイビデオ</translation>
    </message>
</context>
<context>
    <name>CliBench</name>
    <message>
        <source>ungültige Größe &apos;%1&apos; (höchstens 200.000.000 Pixel)</source>
        <translation>不正なサイズ &apos;%1&apos;（最大 200,000,000 ピクセル）</translation>
    </message>
    <message>
        <source>kein Benchmark genannt (siehe bench --list)</source>
        <translation>ベンチマークが指定されていません（bench --list を参照）</translation>
    </message>
    <message>
        <source>unbekannter Benchmark &apos;%1&apos; (siehe bench --list)</source>
        <translation>不明なベンチマーク &apos;%1&apos;（bench --list を参照）</translation>
    </message>
    <message>
        <source>%1 ist nicht im Katalog</source>
        <translation>%1 はカタログにありません</translation>
    </message>
    <message>
        <source>ungültiges --bpp (1..16)</source>
        <translation>不正な --bpp（1..16）</translation>
    </message>
    <message>
        <source>aus &apos;%2&apos; lassen sich keine %1 Bytes rgb48le lesen</source>
        <translation>&apos;%2&apos; から rgb48le の %1 バイトを読み込めません</translation>
    </message>
    <message>
        <source>ungültiges --reuse (0 oder 1)</source>
        <translation>不正な --reuse（0 または 1）</translation>
    </message>
    <message>
        <source>das Arbeitsbild kann nicht angelegt werden</source>
        <translation>作業用画像を確保できません</translation>
    </message>
    <message>
        <source>ein Preset mit %1 Operatoren kann nicht geschrieben werden</source>
        <translation>%1 個のオペレーターのプリセットを書き込めません</translation>
    </message>
    <message>
        <source>keine Verbesserungsoperatoren im Katalog</source>
        <translation>カタログに補正オペレーターがありません</translation>
    </message>
    <message>
        <source>ungültiger --radius (min oder max)</source>
        <translation>不正な --radius（min または max）</translation>
    </message>
    <message>
        <source>unbekannter --operator &apos;%1&apos;</source>
        <translation>不明な --operator &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ungültige --lut-size (2..64)</source>
        <translation>不正な --lut-size（2..64）</translation>
    </message>
    <message>
        <source>--lut %1 kann nicht gelesen werden</source>
        <translation>--lut %1 を読み込めません</translation>
    </message>
    <message>
        <source>aus --frame %2 lassen sich keine %1 Bytes lesen</source>
        <translation>--frame %2 から %1 バイトを読み込めません</translation>
    </message>
    <message>
        <source>ungültiges --interp (trilinear, tetrahedral)</source>
        <translation>不正な --interp（trilinear、tetrahedral）</translation>
    </message>
    <message>
        <source>ungültige Größe für --scope (WxH, je %1 bis %2)</source>
        <translation>不正な --scope サイズ（WxH、それぞれ %1〜%2）</translation>
    </message>
    <message>
        <source>--kind muss waveform, parade, vectorscope oder histogram sein</source>
        <translation>--kind には waveform、parade、vectorscope、histogram のいずれかを指定します</translation>
    </message>
    <message>
        <source>der Katalog hat kein %1</source>
        <translation>カタログに %1 がありません</translation>
    </message>
    <message>
        <source>%1 hat keinen Satz %2</source>
        <translation>%1 にセット %2 はありません</translation>
    </message>
    <message>
        <source>--lut-size muss 2 bis 64 sein</source>
        <translation>--lut-size は 2〜64 にしてください</translation>
    </message>
    <message>
        <source>die Vorschau konnte das Bild nicht bearbeiten</source>
        <translation>プレビューでフレームを処理できませんでした</translation>
    </message>
    <message>
        <source>keine Presets neben dem Programm</source>
        <translation>プログラムの隣にプリセットがありません</translation>
    </message>
    <message>
        <source>--all nimmt 0 oder 1</source>
        <translation>--all には 0 か 1 を指定します</translation>
    </message>
    <message>
        <source>dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske</source>
        <translation>カタログにガウスぼかしまたは肌マスクがありません</translation>
    </message>
    <message>
        <source>braucht --clip DATEI</source>
        <translation>--clip ファイル が必要です</translation>
    </message>
    <message>
        <source>read-pipe braucht --clip DATEI</source>
        <translation>read-pipe には --clip ファイル が必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden</source>
        <translation>&apos;%1&apos; を調べられません</translation>
    </message>
</context>
<context>
    <name>CliClip</name>
    <message>
        <source>Export abgebrochen; nichts wurde geschrieben</source>
        <translation>書き出しを中止しました。何も書き込まれていません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht</source>
        <translation>&apos;%1&apos; を書き込めません: フォルダーが存在しません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: es ist der Eingabeclip</source>
        <translation>&apos;%1&apos; を書き込めません: 入力クリップです</translation>
    </message>
    <message>
        <source>%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR auf einen Ordner richten, der es enthält)</source>
        <translation>%2 に %1 が見つからないか、実行できません（ffmpeg をインストールするか、VANTROPE_FFMPEG_DIR にそれを含むフォルダーを指定してください）</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Datei nicht vorhanden</source>
        <translation>クリップ &apos;%1&apos; を読み込めません: ファイルがありません</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: keine normale Datei</source>
        <translation>クリップ &apos;%1&apos; を読み込めません: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>Clip &apos;%1&apos; kann nicht gelesen werden: Zugriff verweigert</source>
        <translation>クリップ &apos;%1&apos; を読み込めません: アクセスが拒否されました</translation>
    </message>
    <message>
        <source>kein temporärer Ordner: %1</source>
        <translation>一時フォルダーがありません: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist leer (0 Bytes), kein Videoclip</source>
        <translation>&apos;%1&apos; は空（0 バイト）で、ビデオクリップではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht (beschädigt, abgeschnitten oder von anderer Art)</source>
        <translation>&apos;%1&apos; を調べられません: ffprobe が理解できるメディアファイルではありません（破損、途中で切れている、または別の種類）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream, nur %2 Audiostream(s)</source>
        <translation>&apos;%1&apos; にビデオストリームはなく、音声ストリームが %2 個あるだけです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; enthält keinen Videostream</source>
        <translation>&apos;%1&apos; にビデオストリームがありません</translation>
    </message>
    <message>
        <source>%1 hat nicht rechtzeitig geantwortet und wurde beendet</source>
        <translation>%1 が時間内に応答しなかったため停止しました</translation>
    </message>
</context>
<context>
    <name>CliFrame</name>
    <message>
        <source>&apos;%1&apos;: --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm oder .tif32</source>
        <translation>&apos;%1&apos;: --frame が書き込めるのは .tif、.jpg、.tiff、.png、.jp2、.ppm、.hdr、.exr、.pfm、.tif32 ファイルです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht dekodiert werden: %2</source>
        <translation>&apos;%1&apos; をデコードできません: %2</translation>
    </message>
    <message>
        <source>kein Bild %1 in &apos;%2&apos;: %3</source>
        <translation>&apos;%2&apos; にフレーム %1 がありません: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat kein Bild %2 (das letzte ist Bild %3)</source>
        <translation>&apos;%1&apos; にフレーム %2 はありません（最後はフレーム %3）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; を書き込めません: %2</translation>
    </message>
    <message>
        <source>entweder --at oder --frame angeben</source>
        <translation>--at か --frame のどちらか一方を指定してください</translation>
    </message>
    <message>
        <source>&apos;%1&apos; hat keine Endung, die ein Bildformat nennt</source>
        <translation>&apos;%1&apos; に画像形式を表す拡張子がありません</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; entnommen werden</source>
        <translation>&apos;%2&apos; の %1 ms の位置からフレームを取り出せませんでした</translation>
    </message>
</context>
<context>
    <name>CliGrade</name>
    <message>
        <source>Preset &apos;%1&apos; verwendet Operatoren, die diese Version nicht hat: %2</source>
        <translation>プリセット &apos;%1&apos; はこのバージョンにないオペレーターを使っています: %2</translation>
    </message>
    <message>
        <source>unbekannter Operator &apos;%1&apos; (siehe vantrope-cli operators)</source>
        <translation>不明なオペレーター &apos;%1&apos;（vantrope-cli operators を参照）</translation>
    </message>
    <message>
        <source>--set braucht ein --operator davor</source>
        <translation>--set の前に --operator が必要です</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos; (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)</source>
        <translation>不正な --set &apos;%1&apos;（INDEX=V0,V1,... の形式。INDEX は %2 のセット、0〜%3）</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: &apos;%2&apos; ist keine Zahl</source>
        <translation>不正な --set &apos;%1&apos;: &apos;%2&apos; は数値ではありません</translation>
    </message>
    <message>
        <source>ungültiges --set &apos;%1&apos;: Satz %2 von %3 fasst %4 Werte</source>
        <translation>不正な --set &apos;%1&apos;: %3 のセット %2 の値は %4 個です</translation>
    </message>
    <message>
        <source>--%1 braucht --film-type</source>
        <translation>--%1 には --film-type が必要です</translation>
    </message>
    <message>
        <source>unbekannter Filmtyp &apos;%1&apos; (bekannt: %2)</source>
        <translation>不明なフィルムタイプ &apos;%1&apos;（既知: %2）</translation>
    </message>
    <message>
        <source>ungültiger Wert für --blend: &apos;%1&apos; (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)</source>
        <translation>--blend の値が不正です: &apos;%1&apos;（フレーム数:モード、フレーム数 1、2、3、5、モード 1〜11）</translation>
    </message>
    <message>
        <source>--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)</source>
        <translation>--%1 はクリップ用です（.mp4 か .avi で終わる出力）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>&apos;%1&apos; を書き込めません: 不明な画像拡張子です</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>画像 &apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht bearbeitet werden: nicht genug Speicher</source>
        <translation>&apos;%1&apos; を処理できません: メモリが不足しています</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>画像 &apos;%1&apos; を書き込めません: %2</translation>
    </message>
    <message>
        <source>grade braucht EIN AUS (siehe vantrope-cli grade --help)</source>
        <translation>grade には 入力 出力 が必要です（vantrope-cli grade --help を参照）</translation>
    </message>
    <message>
        <source>die Korrektur kann nicht gebacken werden: nicht genug Speicher</source>
        <translation>グレードを焼き込めません: メモリが不足しています</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>[Optionen]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1</source>
        <translation>使い方: vantrope-cli %1</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>引数:</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>der Benchmark (siehe --list)</source>
        <translation>ベンチマーク（--list を参照）</translation>
    </message>
    <message>
        <source>listet die Benchmarks</source>
        <translation>ベンチマークを一覧表示します</translation>
    </message>
    <message>
        <source>die Bildgröße (Vorgabe 1920x1080)</source>
        <translation>フレームサイズ（既定 1920x1080）</translation>
    </message>
    <message>
        <source>gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)</source>
        <translation>2回のウォームアップ後に計測する実行回数（既定 20）</translation>
    </message>
    <message>
        <source>Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)</source>
        <translation>ワーカースレッド数、1〜64（既定: マシンに合わせた数）</translation>
    </message>
    <message>
        <source>LUT-Punkte je Achse</source>
        <translation>軸あたりのLUTの点数</translation>
    </message>
    <message>
        <source>DATEI.cube</source>
        <translation>ファイル.cube</translation>
    </message>
    <message>
        <source>eine LUT statt einer erfundenen</source>
        <translation>生成したLUTの代わりに使うLUT</translation>
    </message>
    <message>
        <source>ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen</source>
        <translation>生成したフレームの代わりに使う、パックされた16ビットRGBのフレーム</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>der zu lesende Clip</source>
        <translation>読み込むクリップ</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT</source>
        <translation>LUTの合成モード</translation>
    </message>
    <message>
        <source>misst die Referenz-Zeilenfunktion</source>
        <translation>参照用の行関数を計測します</translation>
    </message>
    <message>
        <source>das Nachschlagen der LUT zwischen ihren Punkten</source>
        <translation>点と点の間のLUTの参照方法</translation>
    </message>
    <message>
        <source>die Tabellen der Engine zwischen Durchläufen behalten</source>
        <translation>実行間でエンジンのテーブルを保持します</translation>
    </message>
    <message>
        <source>kopierte Bytes je Pixel</source>
        <translation>1ピクセルあたりにコピーするバイト数</translation>
    </message>
    <message>
        <source>PIXEL</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau</source>
        <translation>プレビューの長辺</translation>
    </message>
    <message>
        <source>die Zeitmesszeilen der Engine</source>
        <translation>エンジンの計時行</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes</source>
        <translation>スコープ画像のサイズ</translation>
    </message>
    <message>
        <source>nur dieses Scope</source>
        <translation>このスコープのみ</translation>
    </message>
    <message>
        <source>nach dem Scrubben gemessene Schritte zum nächsten Bild</source>
        <translation>スクラブの後に計測する次フレームへのステップ数</translation>
    </message>
    <message>
        <source>Sekunden Wiedergabe</source>
        <translation>再生する秒数</translation>
    </message>
    <message>
        <source>jeder Operator der Familie</source>
        <translation>ファミリーの全オペレーター</translation>
    </message>
    <message>
        <source>nur dieser Operator, mit den Vorgaben des Katalogs</source>
        <translation>このオペレーターのみ、カタログの既定値で</translation>
    </message>
    <message>
        <source>die lokalen Operatoren bei ihrem kleinsten oder größten Radius</source>
        <translation>局所オペレーターを最小または最大の半径で</translation>
    </message>
    <message>
        <source>Operatorgruppen im Preset, das preset-load liest</source>
        <translation>preset-load が読むプリセット内のオペレーターグループ数</translation>
    </message>
    <message>
        <source>führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus</source>
        <translation>名前を指定したベンチマークをウォームアップ後に実行し、計時行を表示します</translation>
    </message>
    <message>
        <source>der Clip</source>
        <translation>クリップ</translation>
    </message>
    <message>
        <source>die Position des Bildes in Millisekunden</source>
        <translation>フレームの位置（ミリ秒）</translation>
    </message>
    <message>
        <source>das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben</source>
        <translation>N 番目のフレーム（0 から数える）をプログラム内でデコードし、静止画形式で書き込みます</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung nennt das Format</source>
        <translation>書き込む画像。拡張子が形式を表します</translation>
    </message>
    <message>
        <source>das Bild auf diese Größe skaliert</source>
        <translation>このサイズに拡大縮小したフレーム</translation>
    </message>
    <message>
        <source>ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock</source>
        <translation>クリップの1フレームを画像ファイルとして、ビデオドックと同じ方法で取り出します</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)</source>
        <translation>静止画。出力 がクリップならクリップ（--project 指定時は出力）</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi</source>
        <translation>書き込む画像（拡張子で形式が決まります）、または .mp4 か .avi で終わるクリップ</translation>
    </message>
    <message>
        <source>NAME|DATEI.ini</source>
        <translation>名前|ファイル.ini</translation>
    </message>
    <message>
        <source>die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen Presets oder eine Preset-Datei (siehe presets)</source>
        <translation>プリセットのオペレーターチェーン: 付属またはユーザープリセットの表示名かファイル名、またはプリセットファイル（presets を参照）</translation>
    </message>
    <message>
        <source>hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; siehe operators)</source>
        <translation>カタログの既定値でオペレーターを追加します（繰り返し指定可、指定順。operators を参照）</translation>
    </message>
    <message>
        <source>ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)</source>
        <translation>直前の --operator のセットの先頭の値を置き換えます（繰り返し指定可）</translation>
    </message>
    <message>
        <source>DATEI.cml</source>
        <translation>ファイル.cml</translation>
    </message>
    <message>
        <source>Farbebenen des Farbfensters, vor der Kette angewandt</source>
        <translation>カラーウィンドウのカラーレイヤー。チェーンの前に適用されます</translation>
    </message>
    <message>
        <source>DATEI.vantropeProject</source>
        <translation>ファイル.vantropeProject</translation>
    </message>
    <message>
        <source>bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)</source>
        <translation>プロジェクトの静止画またはクリップを保存済みのグレードで処理します（その場合は 出力 のみ）</translation>
    </message>
    <message>
        <source>ein Filmtyp aus filmtypes_vantrope.xml</source>
        <translation>filmtypes_vantrope.xml のフィルムタイプ</translation>
    </message>
    <message>
        <source>seine Stärke von 0 bis 1 (Vorgabe 1)</source>
        <translation>その強さ、0〜1（既定 1）</translation>
    </message>
    <message>
        <source>seine Körnung von 0 bis 1 (Vorgabe 0)</source>
        <translation>その粒子、0〜1（既定 0）</translation>
    </message>
    <message>
        <source>vor oder nach der Kette (Vorgabe post)</source>
        <translation>チェーンの前か後（既定 post）</translation>
    </message>
    <message>
        <source>0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi</source>
        <translation>0: .mp4 に H.264、1: .avi に非圧縮 RGBA</translation>
    </message>
    <message>
        <source>die Qualität des Encoders (Vorgabe normal)</source>
        <translation>エンコーダーの画質（既定 normal）</translation>
    </message>
    <message>
        <source>Artefaktminderung</source>
        <translation>アーティファクト軽減</translation>
    </message>
    <message>
        <source>lässt die Tonspuren weg</source>
        <translation>音声ストリームを含めません</translation>
    </message>
    <message>
        <source>lässt die Metadaten der Quelle weg</source>
        <translation>元のメタデータを含めません</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von links nach rechts</source>
        <translation>各フレームを左右反転します</translation>
    </message>
    <message>
        <source>spiegelt jedes Bild von oben nach unten</source>
        <translation>各フレームを上下反転します</translation>
    </message>
    <message>
        <source>BILDER:MODUS</source>
        <translation>フレーム数:モード</translation>
    </message>
    <message>
        <source>Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11</source>
        <translation>1、2、3、5 フレームにわたるフレームブレンド、モード 1〜11</translation>
    </message>
    <message>
        <source>unbearbeitet und bearbeitet nebeneinander</source>
        <translation>グレーディング前と後を並べて表示</translation>
    </message>
    <message>
        <source>die Bildgröße der Ausgabe</source>
        <translation>書き出すフレームサイズ</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64</source>
        <translation>軸あたりの点数、2〜64</translation>
    </message>
    <message>
        <source>die zu schreibende Cube-Datei</source>
        <translation>書き込む cube ファイル</translation>
    </message>
    <message>
        <source>der Titel der LUT (Vorgabe: der Grundname der Datei)</source>
        <translation>LUTのタイトル（既定: ファイルのベース名）</translation>
    </message>
    <message>
        <source>bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)</source>
        <translation>静止画をフルサイズでグレーディングするか、クリップ全体を同じグレードで書き出します（終了コード 0 完了、2 失敗、3 中止）</translation>
    </message>
    <message>
        <source>backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt</source>
        <translation>グレードの色の部分（レイヤー、カラーオペレーター、フィルムタイプ、LUT）を cube ファイルに焼き込みます。近傍や位置を参照するオペレーターは除外され、名前が表示されます</translation>
    </message>
    <message>
        <source>der Titel der LUT</source>
        <translation>LUTのタイトル</translation>
    </message>
    <message>
        <source>QUELLE</source>
        <translation>入力元</translation>
    </message>
    <message>
        <source>die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)</source>
        <translation>元になるLUTファイル（cube ファイル、または lut import が読めるファイル）</translation>
    </message>
    <message>
        <source>ZIEL.cube</source>
        <translation>出力先.cube</translation>
    </message>
    <message>
        <source>das zu bearbeitende Standbild</source>
        <translation>グレーディングする静止画</translation>
    </message>
    <message>
        <source>das zu schreibende Bild; seine Endung wählt das Format</source>
        <translation>書き込む画像。拡張子で形式が決まります</translation>
    </message>
    <message>
        <source>das Referenzbild</source>
        <translation>参照画像</translation>
    </message>
    <message>
        <source>Punkte je Achse (Vorgabe 17)</source>
        <translation>軸あたりの点数（既定 17）</translation>
    </message>
    <message>
        <source>1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, zum Grau hin (Vorgabe)</source>
        <translation>1: チャンネルごとのトーンカーブ。2: 参照画像にほとんどない色相をグレー寄りにする処理も加える（既定）</translation>
    </message>
    <message>
        <source>FREMD</source>
        <translation>外部</translation>
    </message>
    <message>
        <source>eine LUT-Datei in jedem Format, das der Import liest</source>
        <translation>インポートが読める任意の形式のLUTファイル</translation>
    </message>
    <message>
        <source>EIGENE.cube</source>
        <translation>自前.cube</translation>
    </message>
    <message>
        <source>Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)</source>
        <translation>軸あたりの点数、2〜64（既定: ファイル自身の3Dサイズ、最大 64。ない場合は 33）</translation>
    </message>
    <message>
        <source>schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit Reglern in Grundstellung gebacken unter --name in die Bibliothek</source>
        <translation>LUTファイル（cube ファイル、または lut import が読めるファイル）を既定のスライダーで焼き込み、--name の名前でライブラリに書き込みます</translation>
    </message>
    <message>
        <source>der Name des Eintrags (kein &apos;/&apos;, nicht &apos;.&apos; oder &apos;..&apos;, nicht leer)</source>
        <translation>項目の名前（&apos;/&apos; を含まず、&apos;.&apos; や &apos;..&apos; でなく、空でない）</translation>
    </message>
    <message>
        <source>löscht den Eintrag dieses Namens</source>
        <translation>その名前の項目を削除します</translation>
    </message>
    <message>
        <source>ein Bild</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>das Bild, mit dem es verglichen wird</source>
        <translation>比較する相手の画像</translation>
    </message>
    <message>
        <source>das zu ändernde Bild</source>
        <translation>変更する画像</translation>
    </message>
    <message>
        <source>das Bild, dessen Histogramme es übernimmt</source>
        <translation>ヒストグラムの取得元の画像</translation>
    </message>
    <message>
        <source>das zu schreibende Bild</source>
        <translation>書き込む画像</translation>
    </message>
    <message>
        <source>schreibt eine Identitäts-LUT</source>
        <translation>恒等LUTを書き込みます</translation>
    </message>
    <message>
        <source>backt Reglerstellungen in eine Cube-Datei</source>
        <translation>スライダーの位置を cube ファイルに焼き込みます</translation>
    </message>
    <message>
        <source>wendet eine LUT auf ein Standbild an</source>
        <translation>静止画にLUTを適用します</translation>
    </message>
    <message>
        <source>leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)</source>
        <translation>参照画像からLUTを作成します（LUTパネルと同様に 1000 x 1000 に縮小）</translation>
    </message>
    <message>
        <source>tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, .spi3d, .clf, ...) in eine Cube-Datei ab</source>
        <translation>他のプログラムのLUTファイル（ドメインやシェーパー付きの .cube、.3dl、.csp、.spi3d、.clf など）をサンプリングして cube ファイルにします</translation>
    </message>
    <message>
        <source>bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der Reihenfolge des LUT-Bereichs</source>
        <translation>~/ProjectData/Lut/ のLUTライブラリを編集し、項目をパネルと同じ順に一覧表示します</translation>
    </message>
    <message>
        <source>Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen</source>
        <translation>2枚の画像のチャンネルごとのヒストグラムのアースムーバー距離（8ビット階調単位）</translation>
    </message>
    <message>
        <source>einfache Histogrammangleichung je Kanal von EIN an REF</source>
        <translation>入力 を REF に合わせる、チャンネルごとの単純なヒストグラムマッチング</translation>
    </message>
    <message>
        <source>jeder Katalogeintrag: Kernel, Typ, Anzeigename</source>
        <translation>カタログの全項目: カーネル、種類、表示名</translation>
    </message>
    <message>
        <source>das zu bearbeitende Bild (ein Standbild)</source>
        <translation>グレーディングする画像（静止画）</translation>
    </message>
    <message>
        <source>der zu schreibende Kontaktabzug (seine Endung wählt das Format)</source>
        <translation>書き込むコンタクトシート（拡張子で形式が決まります）</translation>
    </message>
    <message>
        <source>jedes Preset, das das Preset-Dock zeigt: Datei, Kategorie, Anzeigename, ok oder broken</source>
        <translation>プリセットドックに表示される全プリセット: ファイル、カテゴリー、表示名、ok または broken</translation>
    </message>
    <message>
        <source>ein Bild, mit jedem Preset bearbeitet, als beschriftetes Raster von Miniaturen</source>
        <translation>全プリセットでグレーディングした画像を、ラベル付きサムネイルのグリッドにします</translation>
    </message>
    <message>
        <source>der zu untersuchende Clip</source>
        <translation>調べるクリップ</translation>
    </message>
    <message>
        <source>die Kenngrößen des Clips, ein &quot;key: value&quot; je Zeile</source>
        <translation>クリップの諸元。1行に1つの &quot;key: value&quot;</translation>
    </message>
    <message>
        <source>STANDBILD</source>
        <translation>静止画</translation>
    </message>
    <message>
        <source>das Standbild, das das Projekt bearbeitet</source>
        <translation>プロジェクトが扱う静止画</translation>
    </message>
    <message>
        <source>der Clip, den das Projekt bearbeitet</source>
        <translation>プロジェクトが扱うクリップ</translation>
    </message>
    <message>
        <source>das zu schreibende Projekt (&quot;.vantropeProject&quot; wird angehängt, wenn es nicht so endet; der Datenordner kommt daneben)</source>
        <translation>書き込むプロジェクト（末尾が &quot;.vantropeProject&quot; でなければ付け加えます。データフォルダーはその隣に置かれます）</translation>
    </message>
    <message>
        <source>eine Projektdatei</source>
        <translation>プロジェクトファイル</translation>
    </message>
    <message>
        <source>schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das Fenster es speichert</source>
        <translation>静止画またはクリップのプロジェクトを、オプションのグレードでウィンドウと同じ形式で書き込みます</translation>
    </message>
    <message>
        <source>gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten</source>
        <translation>プロジェクトの主要キーと各構成要素の内容を表示します</translation>
    </message>
    <message>
        <source>ein Standbild oder ein Clip</source>
        <translation>静止画またはクリップ</translation>
    </message>
    <message>
        <source>das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)</source>
        <translation>スコープ画像（.png、.tiff など。16ビットなら正確に保持されます）</translation>
    </message>
    <message>
        <source>welches Scope</source>
        <translation>表示するスコープ</translation>
    </message>
    <message>
        <source>die Größe des Scope-Bildes (Vorgabe 640x360)</source>
        <translation>スコープ画像のサイズ（既定 640x360）</translation>
    </message>
    <message>
        <source>das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)</source>
        <translation>この位置のクリップのフレーム（既定: 最初のフレーム）</translation>
    </message>
    <message>
        <source>hellt die Spuren auf, 0.1 bis 10</source>
        <translation>トレースを明るくします、0.1〜10</translation>
    </message>
    <message>
        <source>ein Histogramm mit logarithmischer Höhe</source>
        <translation>高さを対数で表したヒストグラム</translation>
    </message>
    <message>
        <source>die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)</source>
        <translation>プレビューの長辺のピクセル数（既定はウィンドウと同じ）</translation>
    </message>
    <message>
        <source>das Bild, das das Dock &quot;Scopes&quot; für ein Standbild oder ein Bild eines Clips zeigt</source>
        <translation>静止画またはクリップのフレームに対して「スコープ」ドックが表示する画像</translation>
    </message>
    <message>
        <source>eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt</source>
        <translation>3D LUT（cube ファイル、または lut import が読めるファイル）。最後に適用されます</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>名前=値</translation>
    </message>
    <message>
        <source>ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</source>
        <translation>0〜1 のLUTスライダー（繰り返し指定可）: intensity, brightness, contrast, saturation, balance-shadows, balance-lights, balance-red, balance-green, balance-blue, protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky</translation>
    </message>
    <message>
        <source>der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)</source>
        <translation>LUTの合成モード（0-47、50-58、60-68。0 は通常）</translation>
    </message>
    <message>
        <source>wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)</source>
        <translation>点と点の間でLUTを参照する方法（既定 trilinear）</translation>
    </message>
    <message>
        <source>Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)</source>
        <translation>Vantrope %1 — ビデオクリップと3D LUTのカラーグレーディング（コマンドライン）</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE
        vantrope-cli BEFEHL --help | --help | --version</source>
        <translation>使い方: vantrope-cli コマンド [オプション] 引数
        vantrope-cli コマンド --help | --help | --version</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos; (siehe --help)</source>
        <translation>不明なコマンド &apos;%1&apos;（--help を参照）</translation>
    </message>
    <message>
        <source>Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE</source>
        <translation>使い方: vantrope-cli %1 サブコマンド [オプション] 引数</translation>
    </message>
    <message>
        <source>%1 braucht einen dieser Unterbefehle: %2</source>
        <translation>%1 には次のいずれかのサブコマンドが必要です: %2</translation>
    </message>
</context>
<context>
    <name>CliLut</name>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; を書き込めません: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>画像 &apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>画像 &apos;%1&apos; を書き込めません: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: unbekannte Bild-Endung</source>
        <translation>&apos;%1&apos; を書き込めません: 不明な画像拡張子です</translation>
    </message>
    <message>
        <source>library nimmt entweder --add oder --remove</source>
        <translation>library には --add か --remove のどちらか一方を指定します</translation>
    </message>
    <message>
        <source>--add DATEI und --name NAME gehören zusammen</source>
        <translation>--add ファイル と --name 名前 は一緒に指定します</translation>
    </message>
    <message>
        <source>ungültiger Name &apos;%1&apos;: %2</source>
        <translation>不正な名前 &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht zu %2 hinzugefügt werden: %3</source>
        <translation>&apos;%1&apos; を %2 に追加できません: %3</translation>
    </message>
    <message>
        <source>kein Bibliothekseintrag &apos;%1&apos; in %2</source>
        <translation>%2 にライブラリ項目 &apos;%1&apos; はありません</translation>
    </message>
</context>
<context>
    <name>CliLutOptions</name>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: keine Datei</source>
        <translation>LUT &apos;%1&apos; を読み込めません: ファイルではありません</translation>
    </message>
    <message>
        <source>LUT &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>LUT &apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>ungültiger LUT-Parameter &apos;%1&apos; (erwartet: NAME=WERT mit NAME aus %2)</source>
        <translation>不正なLUTパラメーター &apos;%1&apos;（名前=値 の形式。名前は %2 のいずれか）</translation>
    </message>
    <message>
        <source>ungültiger Wert in &apos;%1&apos; (erwartet: eine Zahl von 0 bis 1)</source>
        <translation>&apos;%1&apos; の値が不正です（0〜1 の数値が必要）</translation>
    </message>
    <message>
        <source>--lut-param, --lut-mode und --interp brauchen --lut</source>
        <translation>--lut-param、--lut-mode、--interp には --lut が必要です</translation>
    </message>
    <message>
        <source>ungültiger Ebenenmodus &apos;%1&apos; (0-47, 50-58, 60-68)</source>
        <translation>不正な合成モード &apos;%1&apos;（0-47、50-58、60-68）</translation>
    </message>
</context>
<context>
    <name>CliOperators</name>
    <message>
        <source>der Operatorkatalog konnte nicht gelesen werden</source>
        <translation>オペレーターカタログを読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>CliPresets</name>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>&apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>der Kontaktabzug von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>&apos;%1&apos; のコンタクトシートを作成できませんでした</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>CliProgress</name>
    <message>
        <source>Bilder %1/%2</source>
        <translation>フレーム %1/%2</translation>
    </message>
    <message>
        <source>Bilder %1</source>
        <translation>フレーム %1</translation>
    </message>
    <message>
        <source>Rest %1</source>
        <translation>残り %1</translation>
    </message>
</context>
<context>
    <name>CliProject</name>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt</source>
        <translation>プロジェクト &apos;%1&apos; を読み込めません: プロジェクトファイルまたはデータフォルダーがありません</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht gelesen werden: von einer neueren Version geschrieben</source>
        <translation>プロジェクト &apos;%1&apos; を読み込めません: より新しいバージョンで書かれています</translation>
    </message>
    <message>
        <source>project save braucht entweder --image STANDBILD oder --clip CLIP</source>
        <translation>project save には --image 静止画 か --clip CLIP のどちらかが必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben</source>
        <translation>&apos;%1&apos; を書き込めません: サンプルプロジェクトは上書きされません</translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>画像 &apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>Projekt &apos;%1&apos; kann nicht geschrieben werden: %2 konnte nicht geschrieben werden</source>
        <translation>プロジェクト &apos;%1&apos; を書き込めません: %2 を書き込めませんでした</translation>
    </message>
    <message>
        <source>grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip</source>
        <translation>grade --project には 出力 だけを指定します。静止画やクリップはプロジェクトが指定します</translation>
    </message>
    <message>
        <source>--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur</source>
        <translation>--%1 は --project と併用できません: グレードはプロジェクトが持っています</translation>
    </message>
    <message>
        <source>das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden</source>
        <translation>プロジェクトにはクリップがあります: 出力は .mp4 か .avi で終わる必要があります</translation>
    </message>
    <message>
        <source>das Projekt &apos;%1&apos; enthält weder Bild noch Clip</source>
        <translation>プロジェクト &apos;%1&apos; には画像もクリップもありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: das Projekt enthält ein Standbild</source>
        <translation>&apos;%1&apos; を書き込めません: プロジェクトには静止画があります</translation>
    </message>
</context>
<context>
    <name>CliScope</name>
    <message>
        <source>unbekanntes Scope &apos;%1&apos; (waveform, parade, vectorscope, histogram)</source>
        <translation>不明なスコープ &apos;%1&apos;（waveform、parade、vectorscope、histogram）</translation>
    </message>
    <message>
        <source>ungültige Verstärkung &apos;%1&apos; (%2 bis %3)</source>
        <translation>不正なゲイン &apos;%1&apos;（%2〜%3）</translation>
    </message>
    <message>
        <source>ungültige Vorschaugröße &apos;%1&apos; (lange Seite, %2 bis %3 Pixel)</source>
        <translation>不正なプレビューサイズ &apos;%1&apos;（長辺、%2〜%3 ピクセル）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; endet nicht auf die Endung eines Bildformats (.png, .tiff, …)</source>
        <translation>&apos;%1&apos; の末尾が画像形式の拡張子（.png、.tiff など）ではありません</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden</source>
        <translation>&apos;%2&apos; の %1 ms の位置のフレームを読み込めませんでした</translation>
    </message>
    <message>
        <source>bei %1 ms konnte kein Bild aus &apos;%2&apos; gelesen werden: %3</source>
        <translation>&apos;%2&apos; の %1 ms の位置のフレームを読み込めませんでした: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>&apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>die Vorschau von &apos;%1&apos; konnte nicht erstellt werden</source>
        <translation>&apos;%1&apos; のプレビューを作成できませんでした</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>&apos;%1&apos; を書き込めません: %2</translation>
    </message>
    <message>
        <source>Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</source>
        <translation>使い方: scope 入力 出力 --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] [--preview N]</translation>
    </message>
</context>
<context>
    <name>ColorModule::CColorControls</name>
    <message>
        <source>Layer löschen</source>
        <translation>レイヤーを削除</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich gelöscht werden?</source>
        <translation>このレイヤーを削除しますか？</translation>
    </message>
    <message>
        <source>Layer kopieren</source>
        <translation>レイヤーをコピー</translation>
    </message>
    <message>
        <source>Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?</source>
        <translation>このレイヤーをコピーしたデータで置き換えますか？</translation>
    </message>
    <message>
        <source>Quell Farbe kopieren</source>
        <translation>ソースカラーをコピー</translation>
    </message>
    <message>
        <source>Soll die Quell Farbe wirklich ins Ziel kopiert werden?</source>
        <translation>ソースカラーをターゲットにコピーしますか？</translation>
    </message>
    <message>
        <source>Farbeinstellungen zurücksetzen</source>
        <translation>カラー設定をリセット</translation>
    </message>
    <message>
        <source>Sollen die Farbeinstellungen wirklich zurückgesetzt werden?</source>
        <translation>カラー設定をリセットしますか？</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>ファイル %1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).</source>
        <translation>ファイル %1 は %2 バイトあり、レイヤーファイルとしては大きすぎます（最大 %3）。</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Layer-Datei der Version 1.</source>
        <translation>ファイル %1 はバージョン 1 のレイヤーファイルではありません。</translation>
    </message>
    <message>
        <source>Layer speichern</source>
        <translation>レイヤーを保存</translation>
    </message>
    <message>
        <source>Meine Layer</source>
        <translation>マイレイヤー</translation>
    </message>
    <message>
        <source>Layer laden</source>
        <translation>レイヤーを読み込む</translation>
    </message>
    <message>
        <source>Sollen bestehende Layer wirklich überschrieben werden?</source>
        <translation>既存のレイヤーを上書きしますか？</translation>
    </message>
    <message>
        <source>Layer einladen</source>
        <translation>レイヤーを読み込む</translation>
    </message>
    <message>
        <source>Layer (*.%1)</source>
        <translation>レイヤー (*.%1)</translation>
    </message>
</context>
<context>
    <name>HDRApplication</name>
    <message>
        <source>Betriebssystem</source>
        <translation>オペレーティングシステム</translation>
    </message>
</context>
<context>
    <name>HDRColorModuleWindow</name>
    <message>
        <source>Farbmodul</source>
        <translation>カラーモジュール</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Hoch</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Runter</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Quellfarbe aus dem Bild wählen</source>
        <translation>画像からソースカラーを選択</translation>
    </message>
    <message>
        <source>Farbton von</source>
        <translation>色相（開始）</translation>
    </message>
    <message>
        <source>Farbton bis</source>
        <translation>色相（終了）</translation>
    </message>
    <message>
        <source>Sättigung von</source>
        <translation>彩度（開始）</translation>
    </message>
    <message>
        <source>Sättigung bis</source>
        <translation>彩度（終了）</translation>
    </message>
    <message>
        <source>Mindesthelligkeit</source>
        <translation>最低輝度</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>柔らかさ</translation>
    </message>
    <message>
        <source>Auswahl umkehren</source>
        <translation>選択範囲を反転</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>ターゲット</translation>
    </message>
    <message>
        <source>Zielfarbe aus dem Bild wählen</source>
        <translation>画像からターゲットカラーを選択</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Sättigungskontrast</source>
        <translation>彩度コントラスト</translation>
    </message>
    <message>
        <source>Helligkeitskontrast</source>
        <translation>輝度コントラスト</translation>
    </message>
    <message>
        <source>Quellfarbe ins Ziel</source>
        <translation>ソースカラーをターゲットへ</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Maske anzeigen</source>
        <translation>マスクを表示</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Wählbare Farben</source>
        <translation>選択可能な色</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>レイヤー %1</translation>
    </message>
    <message>
        <source>Kein Bild geladen</source>
        <translation>画像が読み込まれていません</translation>
    </message>
    <message>
        <source>Keine Maske</source>
        <translation>マスクなし</translation>
    </message>
</context>
<context>
    <name>HDRMainWindow</name>
    <message>
        <source>Alle Dateien</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Automatisch gespeichertes Projekt</source>
        <translation>自動保存されたプロジェクト</translation>
    </message>
    <message>
        <source>Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses einladen?</source>
        <translation>自動保存されたプロジェクトが見つかりました。読み込みますか？</translation>
    </message>
    <message>
        <source>Video laden</source>
        <translation>ビデオを読み込む</translation>
    </message>
    <message>
        <source>Eine Videodatei öffnen</source>
        <translation>ビデオファイルを開く</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>画像を読み込む</translation>
    </message>
    <message>
        <source>Ein einzelnes Bild öffnen</source>
        <translation>1枚の画像を開く</translation>
    </message>
    <message>
        <source>Ergebnisbild speichern</source>
        <translation>結果画像を保存</translation>
    </message>
    <message>
        <source>Das bearbeitete Bild als Datei speichern</source>
        <translation>編集した画像をファイルに保存</translation>
    </message>
    <message>
        <source>Video speichern</source>
        <translation>ビデオを保存</translation>
    </message>
    <message>
        <source>Das ganze Video mit der aktuellen Bearbeitung speichern</source>
        <translation>現在のグレーディングでビデオ全体を保存</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Programmeinstellungen</source>
        <translation>プログラムの設定</translation>
    </message>
    <message>
        <source>Farbmodul</source>
        <translation>カラーモジュール</translation>
    </message>
    <message>
        <source>Farbebenen bearbeiten</source>
        <translation>カラーレイヤーを編集</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Das Programm beenden</source>
        <translation>プログラムを終了</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Bitte nur eine Video-Datei einladen.</source>
        <translation>ビデオファイルは1つだけ読み込んでください。</translation>
    </message>
    <message>
        <source>Add-on</source>
        <translation>アドオン</translation>
    </message>
    <message>
        <source>Add-ons werden von dieser Version nicht unterstützt.</source>
        <translation>このバージョンはアドオンに対応していません。</translation>
    </message>
    <message>
        <source>Bitte laden Sie nur Videodateien ein.</source>
        <translation>ビデオファイルのみ読み込んでください。</translation>
    </message>
    <message>
        <source>Das geladene Bild oder Videobild mit seiner Größe</source>
        <translation>読み込んだ画像またはビデオフレームとそのサイズ</translation>
    </message>
    <message>
        <source>Belichtungsreihe</source>
        <translation>露出ブラケット</translation>
    </message>
    <message>
        <source>Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz</source>
        <translation>編集画像のヒストグラム：赤、緑、青、輝度</translation>
    </message>
    <message>
        <source>HDR-Histogramm</source>
        <translation>HDRヒストグラム</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Willkommen</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster.</source>
        <translation>ビデオまたは画像を開くか、ビデオファイルをこのウィンドウにドラッグしてください。</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine Beschreibung zu lesen.</source>
        <translation>コントロールにマウスを合わせると、ここに説明が表示されます。</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>補正前</translation>
    </message>
    <message>
        <source>Das unbearbeitete Bild zeigen</source>
        <translation>編集前の画像を表示</translation>
    </message>
    <message>
        <source>Geteilt</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Links das unbearbeitete, rechts das bearbeitete Bild</source>
        <translation>左に編集前、右に編集後の画像</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen</source>
        <translation>画像1ピクセルを画面1ピクセルで表示（ドラッグで移動）、オフ：ウィンドウに合わせる</translation>
    </message>
    <message>
        <source>Vorschau des bearbeiteten Bildes</source>
        <translation>編集画像のプレビュー</translation>
    </message>
    <message>
        <source>Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.</source>
        <translation>フィルタープラグインモードでは新しい画像データを読み込めません。</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>プロジェクトを読み込む</translation>
    </message>
    <message>
        <source>Videodatei öffnen</source>
        <translation>ビデオファイルを開く</translation>
    </message>
    <message>
        <source>Die Datei enthält kein lesbares Video.</source>
        <translation>ファイルに読み取り可能なビデオがありません。</translation>
    </message>
    <message>
        <source>Aus dem Video konnte kein Bild gelesen werden.</source>
        <translation>ビデオからフレームを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für das Bild.</source>
        <translation>画像用のメモリが不足しています。</translation>
    </message>
    <message>
        <source>Das Video %1 konnte nicht geladen werden.
%2</source>
        <translation>ビデオ %1 を読み込めませんでした。
%2</translation>
    </message>
    <message>
        <source>Video geladen: %1</source>
        <translation>ビデオを読み込みました: %1</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht geladen werden.
%2</source>
        <translation>画像 %1 を読み込めませんでした。
%2</translation>
    </message>
    <message>
        <source>Die Austauschdatei %1 konnte nicht gelesen werden.</source>
        <translation>交換ファイル %1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>RAW-Entwicklung</source>
        <translation>RAW現像</translation>
    </message>
    <message>
        <source>Die RAW-Entwicklung ist in dieser Version nicht enthalten.</source>
        <translation>このバージョンにはRAW現像が含まれていません。</translation>
    </message>
    <message>
        <source>MyImage</source>
        <translation>マイイメージ</translation>
    </message>
    <message>
        <source>Preview-Modus! Neu berechnen?</source>
        <translation>プレビューモードです。再計算しますか？</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Speichern wird vorbereitet.</source>
        <translation>保存の準備中です。</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1
%2</source>
        <translation>画像を保存できませんでした:
%1
%2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>保存しました: %1</translation>
    </message>
    <message>
        <source>Video gespeichert: %1</source>
        <translation>ビデオを保存しました: %1</translation>
    </message>
    <message>
        <source>Die Videobearbeitung wurde abgebrochen.</source>
        <translation>ビデオ処理を中止しました。</translation>
    </message>
    <message>
        <source>Das Video konnte nicht gespeichert werden.</source>
        <translation>ビデオを保存できませんでした。</translation>
    </message>
    <message>
        <source>Berechne Post Processing</source>
        <translation>グレーディングを計算中</translation>
    </message>
    <message>
        <source>Neues Projekt</source>
        <translation>新規プロジェクト</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>プロジェクトを開く</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>名前を付けてプロジェクトを保存</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Projekte</source>
        <translation>最近使ったプロジェクト</translation>
    </message>
    <message>
        <source>Beispielprojekte</source>
        <translation>サンプルプロジェクト</translation>
    </message>
    <message>
        <source>Beispielprojekt %1</source>
        <translation>サンプルプロジェクト %1</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Undo-Punkt speichern</source>
        <translation>取り消しポイントを保存</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Keine Projekte</source>
        <translation>プロジェクトなし</translation>
    </message>
    <message>
        <source>MyProject</source>
        <translation>マイプロジェクト</translation>
    </message>
    <message>
        <source>Vantrope-Marlix Projektdatei</source>
        <translation>Vantrope Marlix プロジェクトファイル</translation>
    </message>
    <message>
        <source>Projekt überschreiben nicht nöglich</source>
        <translation>プロジェクトを上書きできません</translation>
    </message>
    <message>
        <source>Beispielprojekte können nicht überschrieben werden.</source>
        <translation>サンプルプロジェクトは上書きできません。</translation>
    </message>
    <message>
        <source>Dateifehler: %1 konnte nicht erstellt werden</source>
        <translation>ファイルエラー: %1 を作成できませんでした</translation>
    </message>
    <message>
        <source>Projektdateien unvollständig.</source>
        <translation>プロジェクトファイルが不完全です。</translation>
    </message>
    <message>
        <source>Projektdateien sind nicht kompatibel.</source>
        <translation>プロジェクトファイルに互換性がありません。</translation>
    </message>
    <message>
        <source>Projekt nicht gespeichert. Speichern?</source>
        <translation>プロジェクトが保存されていません。保存しますか？</translation>
    </message>
    <message>
        <source>Videoeinstellungen</source>
        <translation>ビデオ設定</translation>
    </message>
</context>
<context>
    <name>HDROptionsWindow</name>
    <message>
        <source>Vor verändernden Aktionen nachfragen</source>
        <translation>変更を伴う操作の前に確認する</translation>
    </message>
    <message>
        <source>Fortschrittsfenster anzeigen</source>
        <translation>進行状況ウィンドウを表示</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Zuletzt verwendeter Ordner</source>
        <translation>最後に使用したフォルダー</translation>
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
        <translation>均等</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> ピクセル</translation>
    </message>
    <message>
        <source>Auswählen …</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Fester Standardordner</source>
        <translation>固定の既定フォルダー</translation>
    </message>
    <message>
        <source>Luminanzgewichtung</source>
        <translation>輝度の重み付け</translation>
    </message>
    <message>
        <source>Lange Seite der Vorschau</source>
        <translation>プレビューの長辺</translation>
    </message>
    <message>
        <source>Die neue Sprache wird beim nächsten Programmstart verwendet.</source>
        <translation>新しい言語は次回プログラム起動時に使用されます。</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>English GB</source>
        <translation>英語（イギリス）</translation>
    </message>
    <message>
        <source>English US</source>
        <translation>英語（アメリカ）</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Espanol</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Undo-Punkte mit dem Projekt speichern</source>
        <translation>取り消しポイントをプロジェクトと一緒に保存</translation>
    </message>
</context>
<context>
    <name>HDRPostProcessingDockWidget</name>
    <message>
        <source>LUT einstellbar</source>
        <translation>調整可能なLUT</translation>
    </message>
    <message>
        <source>Der Name ist leer.</source>
        <translation>名前が空です。</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist nicht erlaubt.</source>
        <translation>名前「%1」は使用できません。</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch ein Nullzeichen enthalten.</source>
        <translation>名前に「/」やヌル文字を含めることはできません。</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>名前が長すぎます。</translation>
    </message>
    <message>
        <source>LUT Add Database Dialog</source>
        <translation>LUTをライブラリに追加</translation>
    </message>
    <message>
        <source>LUT Enter Name:</source>
        <translation>LUT名:</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Die LUT &quot;%1&quot; kann nicht gespeichert werden: %2</source>
        <translation>LUT「%1」を保存できません: %2</translation>
    </message>
    <message>
        <source>LUT Preset löschen</source>
        <translation>LUTスタイルを削除</translation>
    </message>
    <message>
        <source>LUT Wollen Sie die aktuell ausgewählte Voreinstellung löschen?</source>
        <translation>選択したLUTスタイルを削除しますか？</translation>
    </message>
    <message>
        <source>LUT-Datei einladen</source>
        <translation>LUTファイルを読み込む</translation>
    </message>
    <message>
        <source>LUT-Datei</source>
        <translation>LUTファイル</translation>
    </message>
    <message>
        <source>My LUT style</source>
        <translation>マイLUTスタイル</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>LUTを保存</translation>
    </message>
    <message>
        <source>Bild einladen</source>
        <translation>画像を読み込む</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>My LUT Savename</source>
        <translation>マイLUT</translation>
    </message>
    <message>
        <source>kein LUT vorhanden</source>
        <translation>LUTがありません</translation>
    </message>
    <message>
        <source>Es sind keine LUT Stile gespeichert.</source>
        <translation>保存されたLUTスタイルはありません。</translation>
    </message>
    <message>
        <source>LUT Browser</source>
        <translation>LUTブラウザー</translation>
    </message>
    <message>
        <source>LUT Browser trotz Verlust der aktuellen Einstellungen starten?</source>
        <translation>現在の設定は失われますが、LUTブラウザーを開きますか？</translation>
    </message>
    <message>
        <source>LUT neu erstellen</source>
        <translation>新しいLUTを作成</translation>
    </message>
    <message>
        <source>Wollen Sie einen neuen leeren LUT Fotostil erstellen und Ihre aktuellen Einstellungen verwerfen?</source>
        <translation>新しい空のLUTスタイルを作成し、現在の設定を破棄しますか？</translation>
    </message>
    <message>
        <source>LUT Name create new</source>
        <translation>新規LUT</translation>
    </message>
    <message>
        <source>Schärfen und Entrauschen</source>
        <translation>シャープとノイズ除去</translation>
    </message>
    <message>
        <source>Geometrie</source>
        <translation>ジオメトリ</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>露出</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Weichzeichnen</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Künstlerisch</source>
        <translation>アート</translation>
    </message>
    <message>
        <source>Masken</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>LUT parameter Areas</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>LUT balance Areas</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>LUT protect Areas</source>
        <translation>保護</translation>
    </message>
    <message>
        <source>Expertenmodus</source>
        <translation>エキスパートモード</translation>
    </message>
    <message>
        <source>Operatoren</source>
        <translation>オペレーター</translation>
    </message>
    <message>
        <source>Filmtyp</source>
        <translation>フィルムタイプ</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>LUT Layermethod</source>
        <translation>LUTの合成モード</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>プレビューを作成中: </translation>
    </message>
    <message>
        <source>Dieser Operator hat keine Einstellungen.</source>
        <translation>このオペレーターには設定がありません。</translation>
    </message>
    <message>
        <source>Operator aus der Liste wählen oder hinzufügen.</source>
        <translation>リストからオペレーターを選ぶか追加してください。</translation>
    </message>
    <message>
        <source>Standardwert</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Maske entfernen</source>
        <translation>マスクを解除</translation>
    </message>
    <message>
        <source>Geometrie Tooltip</source>
        <translation>効果をプレビューで描いた図形内に限定します</translation>
    </message>
    <message>
        <source>Maske - Luminanz</source>
        <translation>マスク - 輝度</translation>
    </message>
    <message>
        <source>Untergrenze</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>暗</translation>
    </message>
    <message>
        <source>hell</source>
        <translation>明</translation>
    </message>
    <message>
        <source>Obergrenze</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Weichheit</source>
        <translation>柔らかさ</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>硬</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>柔</translation>
    </message>
    <message>
        <source>Maskenverknüpfung Tooltip</source>
        <translation>このマスクを前のマスクとどう組み合わせるか</translation>
    </message>
    <message>
        <source>Maske - Sättigung</source>
        <translation>マスク - 彩度</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>グレー</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>鮮やか</translation>
    </message>
    <message>
        <source>Maske - Farbton</source>
        <translation>マスク - 色相</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>許容範囲</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>狭い</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>広い</translation>
    </message>
    <message>
        <source>Maske - Lichter</source>
        <translation>マスク - ハイライト</translation>
    </message>
    <message>
        <source>Schwelle</source>
        <translation>しきい値</translation>
    </message>
    <message>
        <source>Maske - Schatten</source>
        <translation>マスク - シャドウ</translation>
    </message>
    <message>
        <source>Maske - Mitteltöne</source>
        <translation>マスク - 中間調</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>schmal</source>
        <translation>狭い</translation>
    </message>
    <message>
        <source>breit</source>
        <translation>広い</translation>
    </message>
    <message>
        <source>Mask Entrauschen Artifacts (HD)</source>
        <translation>マスク アーティファクト除去 (HD)</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>細かい</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>粗い</translation>
    </message>
    <message>
        <source>Stärke</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>強</translation>
    </message>
    <message>
        <source>Farbglättung</source>
        <translation>カラースムージング</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>小</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Maskierung</source>
        <translation>マスキング</translation>
    </message>
    <message>
        <source>Schärfen</source>
        <translation>シャープ</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>ノイズ除去</translation>
    </message>
    <message>
        <source>Helligkeit Kontrast Gamma</source>
        <translation>明るさ・コントラスト・ガンマ</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>dunkler</source>
        <translation>暗く</translation>
    </message>
    <message>
        <source>heller</source>
        <translation>明るく</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>weniger</source>
        <translation>少なく</translation>
    </message>
    <message>
        <source>mehr</source>
        <translation>多く</translation>
    </message>
    <message>
        <source>Gamma Korrektur</source>
        <translation>ガンマ補正</translation>
    </message>
    <message>
        <source>manueller Schwarz/Weißpunkt</source>
        <translation>手動の黒点/白点</translation>
    </message>
    <message>
        <source>Schwarzpunkt</source>
        <translation>黒点</translation>
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
        <translation>白点</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Vignettierung</source>
        <translation>周辺減光</translation>
    </message>
    <message>
        <source>aufhellen</source>
        <translation>明るく</translation>
    </message>
    <message>
        <source>abdunkeln</source>
        <translation>暗く</translation>
    </message>
    <message>
        <source>Innenradius</source>
        <translation>内側の半径</translation>
    </message>
    <message>
        <source>Außenradius</source>
        <translation>外側の半径</translation>
    </message>
    <message>
        <source>Mittelpunkt</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>Gradationskurve</source>
        <translation>トーンカーブ</translation>
    </message>
    <message>
        <source>Körnung hinzufügen</source>
        <translation>粒子を追加</translation>
    </message>
    <message>
        <source>Korngröße</source>
        <translation>粒子サイズ</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>ローカルコントラスト</translation>
    </message>
    <message>
        <source>glätten</source>
        <translation>滑らかに</translation>
    </message>
    <message>
        <source>verstärken</source>
        <translation>強調</translation>
    </message>
    <message>
        <source>Farbtöne belichten</source>
        <translation>色調別露出</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>レッド</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>イエロー</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>グリーン</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>バイオレット</translation>
    </message>
    <message>
        <source>Farbkanal Gamma</source>
        <translation>チャンネル別ガンマ</translation>
    </message>
    <message>
        <source>Gamma Rotanteil</source>
        <translation>レッドのガンマ</translation>
    </message>
    <message>
        <source>Gamma Grünanteil</source>
        <translation>グリーンのガンマ</translation>
    </message>
    <message>
        <source>Gamma Blauanteil</source>
        <translation>ブルーのガンマ</translation>
    </message>
    <message>
        <source>Farbleuchtkraft</source>
        <translation>色の鮮やかさ</translation>
    </message>
    <message>
        <source>Farbton hinzumischen</source>
        <translation>色相を混ぜる</translation>
    </message>
    <message>
        <source>Farbtemperatur</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>kalt</source>
        <translation>寒色</translation>
    </message>
    <message>
        <source>warm</source>
        <translation>暖色</translation>
    </message>
    <message>
        <source>Negativ</source>
        <translation>ネガ</translation>
    </message>
    <message>
        <source>Farbbalance</source>
        <translation>カラーバランス</translation>
    </message>
    <message>
        <source>Cyan-Rot</source>
        <translation>シアン-レッド</translation>
    </message>
    <message>
        <source>Magenta-Grün</source>
        <translation>マゼンタ-グリーン</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>Gelb-Blau</source>
        <translation>イエロー-ブルー</translation>
    </message>
    <message>
        <source>Sepia Tönung</source>
        <translation>セピア調</translation>
    </message>
    <message>
        <source>Farbpalette</source>
        <translation>カラーパレット</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>パープル</translation>
    </message>
    <message>
        <source>Aura</source>
        <translation>オーラ</translation>
    </message>
    <message>
        <source>Leuchten</source>
        <translation>グロー</translation>
    </message>
    <message>
        <source>scharf</source>
        <translation>シャープ</translation>
    </message>
    <message>
        <source>LUT not loadable headline</source>
        <translation>LUTを読み込めません</translation>
    </message>
    <message>
        <source>LUT message not loadable text</source>
        <translation>LUTファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>LUT message lut file loaded: %1</source>
        <translation>LUTファイル: %1</translation>
    </message>
    <message>
        <source>LUT message size found: %1</source>
        <translation>検出されたサイズ: %1</translation>
    </message>
    <message>
        <source>LUT message allowed from 2 to %1</source>
        <translation>使用できるサイズは 2～%1 です。</translation>
    </message>
    <message>
        <source>Aktive Operatoren</source>
        <translation>有効なオペレーター</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Operator entfernen</source>
        <translation>オペレーターを削除</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>Körnung</source>
        <translation>粒子</translation>
    </message>
    <message>
        <source>vor den Operatoren</source>
        <translation>オペレーターの前</translation>
    </message>
    <message>
        <source>nach den Operatoren</source>
        <translation>オペレーターの後</translation>
    </message>
    <message>
        <source>Anwenden</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>kein Filmtyp</source>
        <translation>フィルムタイプなし</translation>
    </message>
    <message>
        <source>Form %1 (%2)</source>
        <translation>図形 %1 (%2)</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Formen in der Vorschau verschieben und aufziehen</source>
        <translation>プレビューで図形を移動・描画</translation>
    </message>
    <message>
        <source>Form +</source>
        <translation>図形 +</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung gilt</source>
        <translation>効果を適用する図形を追加</translation>
    </message>
    <message>
        <source>Form −</source>
        <translation>図形 −</translation>
    </message>
    <message>
        <source>Form hinzufügen, in der die Wirkung abgeschwächt wird</source>
        <translation>効果を弱める図形を追加</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Härte</source>
        <translation>硬さ</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>additiv</source>
        <translation>加算</translation>
    </message>
    <message>
        <source>subtraktiv</source>
        <translation>減算</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>効果</translation>
    </message>
    <message>
        <source>Ebenenmodus</source>
        <translation>合成モード</translation>
    </message>
    <message>
        <source>Deckkraft</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>LUT aktiv</source>
        <translation>LUT有効</translation>
    </message>
    <message>
        <source>LUT auf das Bild anwenden</source>
        <translation>画像にLUTを適用</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Neuen leeren LUT erstellen</source>
        <translation>新しい空のLUTを作成</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>LUT entfernen</source>
        <translation>LUTを解除</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Alle Layermethoden als Vorschaubilder zeigen</source>
        <translation>すべての合成モードをプレビュー表示</translation>
    </message>
    <message>
        <source>Werte dieser Gruppe zurücksetzen</source>
        <translation>このグループの値をリセット</translation>
    </message>
    <message>
        <source>LUT: %1 (%2 Punkte je Achse)</source>
        <translation>LUT: %1（軸あたり %2 点）</translation>
    </message>
    <message>
        <source>Kein LUT geladen</source>
        <translation>LUTが読み込まれていません</translation>
    </message>
    <message>
        <source>Alle Operatoren</source>
        <translation>すべてのオペレーター</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Den gewählten Operator an die Kette anhängen</source>
        <translation>選択したオペレーターをチェーンに追加</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Position in der Vorschau wählen</source>
        <translation>プレビューで位置を選択</translation>
    </message>
    <message>
        <source>Ziehen</source>
        <translation>ドラッグ</translation>
    </message>
    <message>
        <source>Linie in der Vorschau ziehen</source>
        <translation>プレビューで線をドラッグ</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>スポイト</translation>
    </message>
    <message>
        <source>Farbe aus der Vorschau aufnehmen</source>
        <translation>プレビューから色を取得</translation>
    </message>
    <message>
        <source>LUT Intensity</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>LUT Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>LUT Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>LUT Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>LUT balance black</source>
        <translation>ブラック</translation>
    </message>
    <message>
        <source>LUT balance white</source>
        <translation>ホワイト</translation>
    </message>
    <message>
        <source>LUT balance red</source>
        <translation>レッド</translation>
    </message>
    <message>
        <source>LUT balance green</source>
        <translation>グリーン</translation>
    </message>
    <message>
        <source>LUT balance blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>LUT protect lights</source>
        <translation>ハイライトを保護</translation>
    </message>
    <message>
        <source>LUT protect shadows</source>
        <translation>シャドウを保護</translation>
    </message>
    <message>
        <source>LUT protect saturation</source>
        <translation>彩度を保護</translation>
    </message>
    <message>
        <source>LUT protect skin</source>
        <translation>肌色を保護</translation>
    </message>
    <message>
        <source>LUT protect sky</source>
        <translation>空を保護</translation>
    </message>
    <message>
        <source>Belichtung einstellen</source>
        <translation>露出を調整</translation>
    </message>
    <message>
        <source>Farbnegativ Porträt warm</source>
        <translation>カラーネガ ポートレート 暖色</translation>
    </message>
    <message>
        <source>Farbnegativ Alltag</source>
        <translation>カラーネガ 日常</translation>
    </message>
    <message>
        <source>Diafilm kühl</source>
        <translation>リバーサル 寒色</translation>
    </message>
    <message>
        <source>Diafilm brillant</source>
        <translation>リバーサル 鮮やか</translation>
    </message>
    <message>
        <source>Verblasster Abzug</source>
        <translation>色あせたプリント</translation>
    </message>
    <message>
        <source>Sepia-Abzug</source>
        <translation>セピアプリント</translation>
    </message>
    <message>
        <source>Sofortbild</source>
        <translation>インスタント写真</translation>
    </message>
    <message>
        <source>Schwarzweiß kontrastreich</source>
        <translation>モノクロ ハイコントラスト</translation>
    </message>
    <message>
        <source>Schwarzweiß weich</source>
        <translation>モノクロ ソフト</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>赤外線</translation>
    </message>
    <message>
        <source>Cross-Entwicklung</source>
        <translation>クロスプロセス</translation>
    </message>
    <message>
        <source>Bleichbad-Überbrückung</source>
        <translation>銀残し</translation>
    </message>
    <message>
        <source>Kino Blaugrün-Orange</source>
        <translation>シネマ ティール＆オレンジ</translation>
    </message>
    <message>
        <source>Herbstlicht</source>
        <translation>秋の光</translation>
    </message>
    <message>
        <source>Nachtblau</source>
        <translation>ナイトブルー</translation>
    </message>
    <message>
        <source>Lomo</source>
        <translation>ローファイ</translation>
    </message>
    <message>
        <source>Farbton und Stärke: Punkt auf der Scheibe ziehen</source>
        <translation>色相と強さ：ホイール上の点をドラッグ</translation>
    </message>
    <message>
        <source>Licht/Schatten färben</source>
        <translation>ハイライト/シャドウに色付け</translation>
    </message>
    <message>
        <source>Schatten (Lift)</source>
        <translation>シャドウ（リフト）</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Schatten: hebt oder senkt die dunklen Töne, zu Weiß hin auslaufend</source>
        <translation>シャドウの色と明るさ：暗部を持ち上げ/下げ、白に向かって弱まります</translation>
    </message>
    <message>
        <source>Mitteltöne (Gamma)</source>
        <translation>中間調（ガンマ）</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Mitteltöne: biegt die Gradation, Schwarz und Weiß bleiben</source>
        <translation>中間調の色と明るさ：階調を曲げ、黒と白は保たれます</translation>
    </message>
    <message>
        <source>Lichter (Gain)</source>
        <translation>ハイライト（ゲイン）</translation>
    </message>
    <message>
        <source>Farbe und Helligkeit der Lichter: verstärkt oder dämpft die hellen Töne, zu Schwarz hin auslaufend</source>
        <translation>ハイライトの色と明るさ：明部を強め/弱め、黒に向かって弱まります</translation>
    </message>
    <message>
        <source>Farbkanal Gradation</source>
        <translation>チャンネル別カーブ</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>マスター</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle</source>
        <translation>3つのカラーチャンネル共通のトーンカーブ</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals</source>
        <translation>レッドチャンネルのトーンカーブ</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals</source>
        <translation>グリーンチャンネルのトーンカーブ</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals</source>
        <translation>ブルーチャンネルのトーンカーブ</translation>
    </message>
    <message>
        <source>Farbkanal Gradation (logarithm.)</source>
        <translation>チャンネル別カーブ（対数）</translation>
    </message>
    <message>
        <source>Gradationskurve für alle drei Farbkanäle über logarithmischen Tonwerten (acht Blenden)</source>
        <translation>対数階調上の3チャンネル共通カーブ（8段）</translation>
    </message>
    <message>
        <source>Gradationskurve des Rotkanals über logarithmischen Tonwerten</source>
        <translation>対数階調上のレッドチャンネルのカーブ</translation>
    </message>
    <message>
        <source>Gradationskurve des Grünkanals über logarithmischen Tonwerten</source>
        <translation>対数階調上のグリーンチャンネルのカーブ</translation>
    </message>
    <message>
        <source>Gradationskurve des Blaukanals über logarithmischen Tonwerten</source>
        <translation>対数階調上のブルーチャンネルのカーブ</translation>
    </message>
    <message>
        <source>Farbton korrigieren</source>
        <translation>色相を補正</translation>
    </message>
    <message>
        <source>Farbton nach Farbton</source>
        <translation>色相別の色相</translation>
    </message>
    <message>
        <source>Dreht jeden Farbton um bis zu 90 Grad; die Mitte lässt ihn unverändert</source>
        <translation>各色相を最大90度回転します。中央では変化しません</translation>
    </message>
    <message>
        <source>Sättigung nach Farbton</source>
        <translation>色相別の彩度</translation>
    </message>
    <message>
        <source>Sättigung je Farbton: unten grau, oben doppelt so kräftig</source>
        <translation>色相ごとの彩度：下端でグレー、上端で2倍</translation>
    </message>
    <message>
        <source>Helligkeit nach Farbton</source>
        <translation>色相別の明るさ</translation>
    </message>
    <message>
        <source>Helligkeit je Farbton um bis zu eine Blende; Grautöne bleiben unverändert</source>
        <translation>色相ごとの明るさを最大1段；グレーは変化しません</translation>
    </message>
    <message>
        <source>manueller Weißabgleich</source>
        <translation>手動ホワイトバランス</translation>
    </message>
    <message>
        <source>Mit der Pipette eine Stelle wählen, die neutral grau oder weiß sein soll</source>
        <translation>スポイトで、ニュートラルなグレーまたは白になるべき場所を選択</translation>
    </message>
    <message>
        <source>automatischer lokaler Weißabgleich</source>
        <translation>自動ローカルホワイトバランス</translation>
    </message>
    <message>
        <source>Größe der Umgebung, in der ein Farbstich gemessen wird</source>
        <translation>色かぶりを測定する範囲の大きさ</translation>
    </message>
    <message>
        <source>Wie weit die örtlichen Farbstiche entfernt werden</source>
        <translation>局所的な色かぶりをどこまで取り除くか</translation>
    </message>
    <message>
        <source>Farbdynamik</source>
        <translation>自然な彩度</translation>
    </message>
    <message>
        <source>blasser</source>
        <translation>淡く</translation>
    </message>
    <message>
        <source>kräftiger</source>
        <translation>鮮やかに</translation>
    </message>
    <message>
        <source>Hebt blasse Farben stärker an als kräftige und schont Hauttöne</source>
        <translation>淡い色を鮮やかな色より強く持ち上げ、肌色を守ります</translation>
    </message>
    <message>
        <source>Farbdynamik (Smart)</source>
        <translation>自然な彩度（スマート）</translation>
    </message>
    <message>
        <source>Farbdynamik, die sich nach der Buntheit des ganzen Bildes richtet</source>
        <translation>画像全体の鮮やかさに合わせた自然な彩度</translation>
    </message>
    <message>
        <source>Hauttöne schützen</source>
        <translation>肌色を保護</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>少</translation>
    </message>
    <message>
        <source>viel</source>
        <translation>多</translation>
    </message>
    <message>
        <source>Lichter schützen</source>
        <translation>ハイライトを保護</translation>
    </message>
    <message>
        <source>Farbtöne anpassen</source>
        <translation>色相を調整</translation>
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
        <translation>色相・彩度・露出</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Farbwert kalibrieren</source>
        <translation>色を校正</translation>
    </message>
    <message>
        <source>Istwert</source>
        <translation>現在の色</translation>
    </message>
    <message>
        <source>Mit der Pipette die Farbe wählen, die korrigiert werden soll</source>
        <translation>スポイトで補正する色を選択</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>目標の色</translation>
    </message>
    <message>
        <source>Die Farbe, die der Istwert bekommen soll</source>
        <translation>現在の色をどの色にするか</translation>
    </message>
    <message>
        <source>Reichweite</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>nur ähnliche Farben</source>
        <translation>似た色のみ</translation>
    </message>
    <message>
        <source>ganzes Bild</source>
        <translation>画像全体</translation>
    </message>
    <message>
        <source>Normalisieren (RGB)</source>
        <translation>正規化（RGB）</translation>
    </message>
    <message>
        <source>Spreizt jeden Farbkanal zwischen seinem dunkelsten und hellsten Tonwert</source>
        <translation>各チャンネルを最暗値と最明値の間で引き伸ばします</translation>
    </message>
    <message>
        <source>Beschnitt</source>
        <translation>クリッピング</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Anteil der Tonwerte, die an jedem Ende abgeschnitten werden dürfen</source>
        <translation>両端で切り捨ててよい階調の割合</translation>
    </message>
    <message>
        <source>manueller RGB-Punkt</source>
        <translation>手動RGBポイント</translation>
    </message>
    <message>
        <source>Schwarzpunkt Rot</source>
        <translation>レッドの黒点</translation>
    </message>
    <message>
        <source>Schwarzpunkt Grün</source>
        <translation>グリーンの黒点</translation>
    </message>
    <message>
        <source>Schwarzpunkt Blau</source>
        <translation>ブルーの黒点</translation>
    </message>
    <message>
        <source>Weißpunkt Rot</source>
        <translation>レッドの白点</translation>
    </message>
    <message>
        <source>Weißpunkt Grün</source>
        <translation>グリーンの白点</translation>
    </message>
    <message>
        <source>Weißpunkt Blau</source>
        <translation>ブルーの白点</translation>
    </message>
    <message>
        <source>RGB Transformation (autom.)</source>
        <translation>RGB変換（自動）</translation>
    </message>
    <message>
        <source>Gleicht Mittelwert und Kontrast der drei Farbkanäle einander an</source>
        <translation>3つのチャンネルの平均とコントラストを揃えます</translation>
    </message>
    <message>
        <source>RGB Transformation</source>
        <translation>RGB変換</translation>
    </message>
    <message>
        <source>Steigung Rot</source>
        <translation>レッドの傾き</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>Steigung Grün</source>
        <translation>グリーンの傾き</translation>
    </message>
    <message>
        <source>Steigung Blau</source>
        <translation>ブルーの傾き</translation>
    </message>
    <message>
        <source>Versatz Rot</source>
        <translation>レッドのオフセット</translation>
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
        <translation>グリーンのオフセット</translation>
    </message>
    <message>
        <source>Versatz Blau</source>
        <translation>ブルーのオフセット</translation>
    </message>
    <message>
        <source>Exponent Rot</source>
        <translation>レッドの指数</translation>
    </message>
    <message>
        <source>Exponent Grün</source>
        <translation>グリーンの指数</translation>
    </message>
    <message>
        <source>Exponent Blau</source>
        <translation>ブルーの指数</translation>
    </message>
    <message>
        <source>Farbkanal Sigmoid</source>
        <translation>チャンネル別シグモイド</translation>
    </message>
    <message>
        <source>Kontrast Rot</source>
        <translation>レッドのコントラスト</translation>
    </message>
    <message>
        <source>flacher</source>
        <translation>なだらか</translation>
    </message>
    <message>
        <source>steiler</source>
        <translation>急峻</translation>
    </message>
    <message>
        <source>Kontrast Grün</source>
        <translation>グリーンのコントラスト</translation>
    </message>
    <message>
        <source>Kontrast Blau</source>
        <translation>ブルーのコントラスト</translation>
    </message>
    <message>
        <source>Chrominanz ausgleichen</source>
        <translation>色差のバランス調整</translation>
    </message>
    <message>
        <source>Entfernt Farbstiche getrennt in Schatten, Mitteltönen und Lichtern</source>
        <translation>シャドウ、中間調、ハイライトごとに色かぶりを除去</translation>
    </message>
    <message>
        <source>gewogene Farbkanäle</source>
        <translation>重み付きカラーチャンネル</translation>
    </message>
    <message>
        <source>Helligkeit erhalten</source>
        <translation>明るさを保持</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>ganz</source>
        <translation>完全</translation>
    </message>
    <message>
        <source>Farbkanäle mischen</source>
        <translation>チャンネルミキサー</translation>
    </message>
    <message>
        <source>Rot aus Rot</source>
        <translation>レッド←レッド</translation>
    </message>
    <message>
        <source>Rot aus Grün</source>
        <translation>レッド←グリーン</translation>
    </message>
    <message>
        <source>Rot aus Blau</source>
        <translation>レッド←ブルー</translation>
    </message>
    <message>
        <source>Grün aus Rot</source>
        <translation>グリーン←レッド</translation>
    </message>
    <message>
        <source>Grün aus Grün</source>
        <translation>グリーン←グリーン</translation>
    </message>
    <message>
        <source>Grün aus Blau</source>
        <translation>グリーン←ブルー</translation>
    </message>
    <message>
        <source>Blau aus Rot</source>
        <translation>ブルー←レッド</translation>
    </message>
    <message>
        <source>Blau aus Grün</source>
        <translation>ブルー←グリーン</translation>
    </message>
    <message>
        <source>Blau aus Blau</source>
        <translation>ブルー←ブルー</translation>
    </message>
    <message>
        <source>Farbfilter</source>
        <translation>カラーフィルター</translation>
    </message>
    <message>
        <source>Filterfarbe</source>
        <translation>フィルターの色</translation>
    </message>
    <message>
        <source>Farbe des Filters vor dem Objektiv</source>
        <translation>レンズの前のフィルターの色</translation>
    </message>
    <message>
        <source>Dichte</source>
        <translation>濃度</translation>
    </message>
    <message>
        <source>Farbschema</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>1 Sonnenuntergang, 2 Wald, 3 Ozean, 4 Herbst, 5 Neon, 6 Wüste, 7 Winter, 8 Pastell</source>
        <translation>1 夕焼け、2 森、3 海、4 秋、5 ネオン、6 砂漠、7 冬、8 パステル</translation>
    </message>
    <message>
        <source>Himmel schützen</source>
        <translation>空を保護</translation>
    </message>
    <message>
        <source>graue Tinte</source>
        <translation>グレーインク</translation>
    </message>
    <message>
        <source>Tinte</source>
        <translation>インク</translation>
    </message>
    <message>
        <source>Die Farbe, die graue und blasse Bereiche annehmen</source>
        <translation>グレーや淡い部分が帯びる色</translation>
    </message>
    <message>
        <source>Sättigungsgrenze</source>
        <translation>彩度の上限</translation>
    </message>
    <message>
        <source>nur Grau</source>
        <translation>グレーのみ</translation>
    </message>
    <message>
        <source>auch Farben</source>
        <translation>色も</translation>
    </message>
    <message>
        <source>Pastellfarben</source>
        <translation>パステルカラー</translation>
    </message>
    <message>
        <source>Aufhellung</source>
        <translation>明るさの持ち上げ</translation>
    </message>
    <message>
        <source>C64 Farben</source>
        <translation>8ビットカラー</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>ディザリング</translation>
    </message>
    <message>
        <source>keines</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Rastert Verläufe aus benachbarten Farben der Palette</source>
        <translation>パレットの隣接色でグラデーションを表現</translation>
    </message>
    <message>
        <source>Rote Augen</source>
        <translation>赤目</translation>
    </message>
    <message>
        <source>Empfindlichkeit</source>
        <translation>感度</translation>
    </message>
    <message>
        <source>nur tiefrot</source>
        <translation>濃い赤のみ</translation>
    </message>
    <message>
        <source>auch rötlich</source>
        <translation>赤みも</translation>
    </message>
    <message>
        <source>Mit der Geometrie auf die Augen begrenzen</source>
        <translation>ジオメトリで目に限定</translation>
    </message>
    <message>
        <source>Tageszeit</source>
        <translation>時間帯</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>朝</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>夜</translation>
    </message>
    <message>
        <source>12 Uhr lässt das Bild unverändert</source>
        <translation>12時では画像は変化しません</translation>
    </message>
    <message>
        <source>Jahreszeit</source>
        <translation>季節</translation>
    </message>
    <message>
        <source>Frühling</source>
        <translation>春</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬</translation>
    </message>
    <message>
        <source>1 Frühling, 2 Sommer (unverändert), 3 Herbst, 4 Winter</source>
        <translation>1 春、2 夏（変化なし）、3 秋、4 冬</translation>
    </message>
    <message>
        <source>Fotostil: Low-Key</source>
        <translation>写真スタイル：ローキー</translation>
    </message>
    <message>
        <source>Schatten</source>
        <translation>シャドウ</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>深い</translation>
    </message>
    <message>
        <source>Fotostil: High-Key</source>
        <translation>写真スタイル：ハイキー</translation>
    </message>
    <message>
        <source>Fotostil: Cross-Entwicklung</source>
        <translation>写真スタイル：クロスプロセス</translation>
    </message>
    <message>
        <source>Fotostil: Indian Summer</source>
        <translation>写真スタイル：インディアンサマー</translation>
    </message>
    <message>
        <source>Fotostil: Infrarot</source>
        <translation>写真スタイル：赤外線</translation>
    </message>
    <message>
        <source>Fotostil: Lith-Print</source>
        <translation>写真スタイル：リスプリント</translation>
    </message>
    <message>
        <source>Tönung</source>
        <translation>調色</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>ニュートラル</translation>
    </message>
    <message>
        <source>Fotostil: Buttercream</source>
        <translation>写真スタイル：バタークリーム</translation>
    </message>
    <message>
        <source>Fotostil: Holga</source>
        <translation>写真スタイル：トイカメラ</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>ビネット</translation>
    </message>
    <message>
        <source>Fotostil: Orton</source>
        <translation>写真スタイル：ソフトグロー</translation>
    </message>
    <message>
        <source>gering</source>
        <translation>低</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Fotostil: Lomo</source>
        <translation>写真スタイル：ローファイ</translation>
    </message>
    <message>
        <source>Fotostil: Dragan</source>
        <translation>写真スタイル：ドラマチックポートレート</translation>
    </message>
    <message>
        <source>Originalbild einblenden</source>
        <translation>元画像を重ねる</translation>
    </message>
    <message>
        <source>Mischt das unbearbeitete Bild wieder ein</source>
        <translation>編集前の画像を混ぜ戻します</translation>
    </message>
    <message>
        <source>Foto-Reflektor</source>
        <translation>レフ板</translation>
    </message>
    <message>
        <source>Hellt die Schatten mit dem Licht eines Reflektors auf</source>
        <translation>レフ板の光でシャドウを明るくします</translation>
    </message>
    <message>
        <source>Reflektor</source>
        <translation>レフ板</translation>
    </message>
    <message>
        <source>Gold, Silber (Weiß) oder eine andere Farbe des Reflektors</source>
        <translation>金、銀（白）、または別の色のレフ板</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>カラーグラデーション</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>グラデーション</translation>
    </message>
    <message>
        <source>Vom ersten Punkt mit voller Stärke bis zum zweiten auslaufend</source>
        <translation>最初の点で最大、2番目の点に向かって弱まります</translation>
    </message>
    <message>
        <source>Color Contrast</source>
        <translation>カラーコントラスト</translation>
    </message>
    <message>
        <source>Trennt benachbarte Farben voneinander, die Helligkeit bleibt</source>
        <translation>隣接する色同士を分離します。明るさは保たれます</translation>
    </message>
    <message>
        <source>Polfilter</source>
        <translation>偏光フィルター</translation>
    </message>
    <message>
        <source>Nimmt Dunst und Spiegelungen, dunkelt blauen Himmel ab</source>
        <translation>もやと反射を除去し、青空を暗くします</translation>
    </message>
    <message>
        <source>Chromatische Korrektur</source>
        <translation>色収差補正</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>小さく</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>大きく</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Rotkanal, bis seine Kanten auf den grünen liegen</source>
        <translation>エッジがグリーンに重なるまでレッドチャンネルを拡大縮小します</translation>
    </message>
    <message>
        <source>Vergrößert oder verkleinert den Blaukanal, bis seine Kanten auf den grünen liegen</source>
        <translation>エッジがグリーンに重なるまでブルーチャンネルを拡大縮小します</translation>
    </message>
    <message>
        <source>chromatische Aberrationen korrigieren</source>
        <translation>色収差を補正</translation>
    </message>
    <message>
        <source>Entfernt violette und grüne Farbsäume an harten Kanten</source>
        <translation>強いエッジの紫と緑のフリンジを除去</translation>
    </message>
    <message>
        <source>Motive (Halloween)</source>
        <translation>モチーフ（ハロウィン）</translation>
    </message>
    <message>
        <source>Motiv</source>
        <translation>モチーフ</translation>
    </message>
    <message>
        <source>1 Kürbis, 2 Geist, 3 Fledermaus, 4 Spinnennetz, 5 Mond</source>
        <translation>1 カボチャ、2 おばけ、3 コウモリ、4 クモの巣、5 月</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>durchsichtig</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>deckend</source>
        <translation>不透明</translation>
    </message>
    <message>
        <source>Flaggen</source>
        <translation>旗</translation>
    </message>
    <message>
        <source>Flagge</source>
        <translation>旗</translation>
    </message>
    <message>
        <source>1 Deutschland, 2 Frankreich, 3 Italien, 4 Niederlande, 5 Österreich, 6 Belgien, 7 Irland, 8 Polen, 9 Ukraine, 10 Schweiz, 11 Japan, 12 Schweden, 13 Dänemark</source>
        <translation>1 ドイツ、2 フランス、3 イタリア、4 オランダ、5 オーストリア、6 ベルギー、7 アイルランド、8 ポーランド、9 ウクライナ、10 スイス、11 日本、12 スウェーデン、13 デンマーク</translation>
    </message>
    <message>
        <source>Motive (Fußball)</source>
        <translation>モチーフ（サッカー）</translation>
    </message>
    <message>
        <source>1 Ball, 2 Tor, 3 Pokal</source>
        <translation>1 ボール、2 ゴール、3 トロフィー</translation>
    </message>
    <message>
        <source>Mask Entrauschen Luminance (HD)</source>
        <translation>マスク 輝度ノイズ除去 (HD)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen in flachen Bildbereichen geglättet wird</source>
        <translation>平坦な部分の輝度ノイズをどれだけ滑らかにするか</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die geglättet wird</source>
        <translation>平滑化する範囲の大きさ</translation>
    </message>
    <message>
        <source>Detailschwelle</source>
        <translation>ディテールのしきい値</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und unverändert bleibt</source>
        <translation>ピクセルあたりの輝度変化がこの値以上なら構造とみなし、変更しません</translation>
    </message>
    <message>
        <source>Wirkung abhängig von der Helligkeit des Bildpunkts</source>
        <translation>ピクセルの明るさに応じた効果</translation>
    </message>
    <message>
        <source>Mask Schärfen Luminance (HD)</source>
        <translation>マスク 輝度シャープ (HD)</translation>
    </message>
    <message>
        <source>Wie stark Kanten und Strukturen geschärft werden; flache Bereiche bleiben ungeschärft</source>
        <translation>エッジと構造をどれだけシャープにするか。平坦な部分はシャープにしません</translation>
    </message>
    <message>
        <source>Größe der Details, die geschärft werden</source>
        <translation>シャープにするディテールの大きさ</translation>
    </message>
    <message>
        <source>Ab welchem Helligkeitsanstieg pro Pixel ein Bereich als Struktur gilt und geschärft wird</source>
        <translation>ピクセルあたりの輝度変化がこの値以上なら構造とみなし、シャープにします</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>オーバーシュート</translation>
    </message>
    <message>
        <source>Wie weit eine geschärfte Kante über die Helligkeiten ihrer Umgebung hinausgehen darf; begrenzt Lichthöfe</source>
        <translation>シャープにしたエッジが周囲の明るさをどこまで超えてよいか。ハローを抑えます</translation>
    </message>
    <message>
        <source>adaptive Bildschärfe</source>
        <translation>アダプティブシャープ</translation>
    </message>
    <message>
        <source>Wie stark geschärft wird; die Stärke folgt dem örtlichen Kontrast: flache Bereiche gar nicht, harte Kanten weniger</source>
        <translation>シャープの強さ。局所コントラストに従い、平坦部には効かず、強いエッジには弱く効きます</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren</source>
        <translation>手ぶれを軽減</translation>
    </message>
    <message>
        <source>Wie weit die Verwacklung herausgerechnet wird</source>
        <translation>手ぶれをどこまで取り除くか</translation>
    </message>
    <message>
        <source>Unschärferadius</source>
        <translation>ぼけの半径</translation>
    </message>
    <message>
        <source>Wie weit das Bild verwackelt ist</source>
        <translation>画像のぶれの大きさ</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>反復回数</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>少</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>多</translation>
    </message>
    <message>
        <source>Rechenschritte der Entfaltung: mehr Schritte stellen mehr Schärfe her und dauern länger</source>
        <translation>デコンボリューションの反復回数。多いほどシャープさが戻り、時間がかかります</translation>
    </message>
    <message>
        <source>Verwacklungen reduzieren (Farbe)</source>
        <translation>手ぶれを軽減（カラー）</translation>
    </message>
    <message>
        <source>Entrauschen Farbwolken</source>
        <translation>カラーのまだらを除去</translation>
    </message>
    <message>
        <source>Farbflecken bis etwa zu einem Drittel dieser Größe werden entfernt</source>
        <translation>この大きさの約3分の1までの色むらを除去します</translation>
    </message>
    <message>
        <source>Wie weit die Farbwolken entfernt werden</source>
        <translation>色むらをどこまで取り除くか</translation>
    </message>
    <message>
        <source>kräftig</source>
        <translation>鮮やか</translation>
    </message>
    <message>
        <source>Bis zu welcher Farbabweichung eine Wolke als Störung gilt; kräftigere Farben bleiben</source>
        <translation>この色差までの色むらをノイズとみなします。より鮮やかな色は残ります</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (UHD)</source>
        <translation>輝度ノイズ除去 (UHD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; ähnliche Bildausschnitte der Umgebung werden gemittelt</source>
        <translation>輝度ノイズをどれだけ滑らかにするか。周囲の似た部分を平均します</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (U2HD)</source>
        <translation>輝度ノイズ除去 (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen (Gap Fill)</source>
        <translation>ノイズ除去（穴埋め）</translation>
    </message>
    <message>
        <source>Wie weit einzelne Ausreißer-Pixel mit dem Mittel ihrer Nachbarn gefüllt werden</source>
        <translation>外れ値のピクセルを近傍の平均でどこまで埋めるか</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Wie weit ein Pixel über die Spanne seiner Nachbarn hinausragen muss, gemessen an dieser Spanne, um als Lücke zu gelten</source>
        <translation>穴とみなすために、ピクセルが近傍の範囲からどれだけはみ出す必要があるか（範囲比）</translation>
    </message>
    <message>
        <source>Details restaurieren</source>
        <translation>ディテールを復元</translation>
    </message>
    <message>
        <source>Detailgröße</source>
        <translation>ディテールの大きさ</translation>
    </message>
    <message>
        <source>Größe der Details, die aus dem Originalbild zurückgeholt werden</source>
        <translation>元画像から戻すディテールの大きさ</translation>
    </message>
    <message>
        <source>Wie viel der verlorenen Details zurückkehrt</source>
        <translation>失われたディテールをどれだけ戻すか</translation>
    </message>
    <message>
        <source>Rauschschwelle</source>
        <translation>ノイズのしきい値</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und kehren nicht zurück</source>
        <translation>これより細かい差はノイズとみなし、戻しません</translation>
    </message>
    <message>
        <source>Dither (Floyd Steinberg)</source>
        <translation>ディザリング（誤差拡散）</translation>
    </message>
    <message>
        <source>Bittiefe</source>
        <translation>ビット深度</translation>
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
        <translation>削減後のチャンネルあたりの階調数</translation>
    </message>
    <message>
        <source>Fehlerverteilung</source>
        <translation>誤差拡散</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Wie viel des Rundungsfehlers an die Nachbarn weitergegeben wird: verhindert Stufen in Verläufen</source>
        <translation>丸め誤差を近傍にどれだけ配分するか。グラデーションの段差を防ぎます</translation>
    </message>
    <message>
        <source>Entrauschen (Farbe)</source>
        <translation>ノイズ除去（カラー）</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die die Farbe geglättet wird</source>
        <translation>色を平滑化する範囲の大きさ</translation>
    </message>
    <message>
        <source>Wie stark das Farbrauschen geglättet wird; die Helligkeit bleibt unverändert</source>
        <translation>カラーノイズをどれだけ滑らかにするか。明るさは変わりません</translation>
    </message>
    <message>
        <source>Entrauschen (Flächen glätten)</source>
        <translation>ノイズ除去（平坦部を平滑化）</translation>
    </message>
    <message>
        <source>Wie weit flache Flächen auf ihren Mittelwert geglättet werden</source>
        <translation>平坦部を平均値へどこまで平滑化するか</translation>
    </message>
    <message>
        <source>Bis zu welcher Helligkeitsstreuung eine Fläche als flach gilt</source>
        <translation>この輝度のばらつきまでを平坦とみなします</translation>
    </message>
    <message>
        <source>Entrauschen (Banding)</source>
        <translation>ノイズ除去（バンディング）</translation>
    </message>
    <message>
        <source>Breite der Streifen, die zu einem glatten Verlauf werden</source>
        <translation>滑らかなグラデーションにする帯の幅</translation>
    </message>
    <message>
        <source>Höhe der Stufen, die geglättet werden; höhere Kanten bleiben erhalten</source>
        <translation>平滑化する段差の高さ。より大きなエッジは保たれます</translation>
    </message>
    <message>
        <source>Kantenverstärker</source>
        <translation>エッジ強調</translation>
    </message>
    <message>
        <source>Größe der Kanten, die verstärkt werden</source>
        <translation>強調するエッジの大きさ</translation>
    </message>
    <message>
        <source>Wie stark der Helligkeitskontrast an Kanten verstärkt wird</source>
        <translation>エッジの輝度コントラストをどれだけ強めるか</translation>
    </message>
    <message>
        <source>Farbton Kantenverstärker</source>
        <translation>色相エッジ強調</translation>
    </message>
    <message>
        <source>Wie stark der Farbkontrast an Farbkanten verstärkt wird</source>
        <translation>色のエッジの色コントラストをどれだけ強めるか</translation>
    </message>
    <message>
        <source>Entrauschen (soften)</source>
        <translation>ノイズ除去（ソフト）</translation>
    </message>
    <message>
        <source>Länge, über die entlang der Kanten gemittelt wird</source>
        <translation>エッジに沿って平均する長さ</translation>
    </message>
    <message>
        <source>Wie stark entlang der Kanten geglättet wird; Kanten bleiben scharf</source>
        <translation>エッジに沿ってどれだけ平滑化するか。エッジはシャープなままです</translation>
    </message>
    <message>
        <source>Schärfen HD Gradient</source>
        <translation>シャープ HD グラデーション</translation>
    </message>
    <message>
        <source>Breite des Schärfens quer zur Kante</source>
        <translation>エッジに垂直なシャープの幅</translation>
    </message>
    <message>
        <source>Wie stark quer zu den Kanten geschärft wird; Rauschen entlang der Kanten wird nicht verstärkt</source>
        <translation>エッジに垂直にどれだけシャープにするか。エッジに沿ったノイズは強調しません</translation>
    </message>
    <message>
        <source>Schärfen Chrominance (HD)</source>
        <translation>色差シャープ (HD)</translation>
    </message>
    <message>
        <source>Wie stark Farbkanten geschärft werden; die Helligkeit bleibt unverändert</source>
        <translation>色のエッジをどれだけシャープにするか。明るさは変わりません</translation>
    </message>
    <message>
        <source>Größe der Farbdetails, die geschärft werden</source>
        <translation>シャープにする色のディテールの大きさ</translation>
    </message>
    <message>
        <source>Schärfen Luminance (HD)</source>
        <translation>輝度シャープ (HD)</translation>
    </message>
    <message>
        <source>Wie stark die Helligkeit geschärft wird</source>
        <translation>明るさをどれだけシャープにするか</translation>
    </message>
    <message>
        <source>Feinere Unterschiede gelten als Rauschen und werden nicht geschärft</source>
        <translation>これより細かい差はノイズとみなし、シャープにしません</translation>
    </message>
    <message>
        <source>Schärfen Luminance (UHD)</source>
        <translation>輝度シャープ (UHD)</translation>
    </message>
    <message>
        <source>Stärke fein</source>
        <translation>強さ（細）</translation>
    </message>
    <message>
        <source>Schärfung der feinsten Details</source>
        <translation>最も細かいディテールのシャープ</translation>
    </message>
    <message>
        <source>Stärke mittel</source>
        <translation>強さ（中）</translation>
    </message>
    <message>
        <source>Schärfung der Details doppelter Größe</source>
        <translation>2倍の大きさのディテールのシャープ</translation>
    </message>
    <message>
        <source>Größe der feinsten Details</source>
        <translation>最も細かいディテールの大きさ</translation>
    </message>
    <message>
        <source>Schärfen Luminance (U2HD)</source>
        <translation>輝度シャープ (U2HD)</translation>
    </message>
    <message>
        <source>Stärke grob</source>
        <translation>強さ（粗）</translation>
    </message>
    <message>
        <source>Schärfung der Details vierfacher Größe</source>
        <translation>4倍の大きさのディテールのシャープ</translation>
    </message>
    <message>
        <source>Entrauschen (Median)</source>
        <translation>ノイズ除去（メディアン）</translation>
    </message>
    <message>
        <source>Wie weit jeder Farbkanal zum Median seiner 3×3-Umgebung geht: entfernt Einzelpixel-Störungen</source>
        <translation>各チャンネルを3×3近傍のメディアンへどれだけ近づけるか。単一ピクセルのノイズを除去します</translation>
    </message>
    <message>
        <source>Entrauschen (Varianz)</source>
        <translation>ノイズ除去（分散）</translation>
    </message>
    <message>
        <source>Größe der Umgebung, deren Streuung gemessen wird</source>
        <translation>ばらつきを測定する範囲の大きさ</translation>
    </message>
    <message>
        <source>Rauschpegel</source>
        <translation>ノイズレベル</translation>
    </message>
    <message>
        <source>Streuung, die als Rauschen gilt: Bereiche mit weniger Streuung werden geglättet, Strukturen bleiben</source>
        <translation>ノイズとみなすばらつき。これより小さい部分を平滑化し、構造は残します</translation>
    </message>
    <message>
        <source>Himmel entrauschen</source>
        <translation>空のノイズ除去</translation>
    </message>
    <message>
        <source>Größe der Umgebung, über die der Himmel geglättet wird</source>
        <translation>空を平滑化する範囲の大きさ</translation>
    </message>
    <message>
        <source>Wie stark Rauschen und Stufen in himmelfarbenen Bereichen geglättet werden</source>
        <translation>空色の部分のノイズと段差をどれだけ滑らかにするか</translation>
    </message>
    <message>
        <source>Entrauschen (Min-Max)</source>
        <translation>ノイズ除去（最小最大）</translation>
    </message>
    <message>
        <source>Wie weit Ausreißer in den Wertebereich ihrer Nachbarn zurückgeholt werden</source>
        <translation>外れ値を近傍の範囲へどこまで戻すか</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Wie weit ein Wert über seine Nachbarn hinausgehen darf, bevor er begrenzt wird</source>
        <translation>値が近傍をどこまで超えたら制限するか</translation>
    </message>
    <message>
        <source>Entrauschen (Iterativ)</source>
        <translation>ノイズ除去（反復）</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsschritte: mehr Schritte glätten weiträumiger</source>
        <translation>平滑化の回数。多いほど広い範囲を滑らかにします</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied, bis zu dem geglättet wird; größere Unterschiede gelten als Kante</source>
        <translation>この輝度差まで平滑化します。より大きな差はエッジとみなします</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (HD)</source>
        <translation>色差ノイズ除去 (HD)</translation>
    </message>
    <message>
        <source>Größe der feinsten Farbflecken, die geglättet werden</source>
        <translation>平滑化する最も細かい色むらの大きさ</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (UHD)</source>
        <translation>色差ノイズ除去 (UHD)</translation>
    </message>
    <message>
        <source>Entrauschen Chrominance (U2HD)</source>
        <translation>色差ノイズ除去 (U2HD)</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD)</source>
        <translation>輝度ノイズ除去 (HD)</translation>
    </message>
    <message>
        <source>Wie stark das Helligkeitsrauschen geglättet wird; Kanten bleiben erhalten</source>
        <translation>輝度ノイズをどれだけ滑らかにするか。エッジは保たれます</translation>
    </message>
    <message>
        <source>Entrauschen Luminance (HD iter)</source>
        <translation>輝度ノイズ除去（HD 反復）</translation>
    </message>
    <message>
        <source>Anzahl der Glättungsdurchgänge, jeder etwas schwächer als der vorige</source>
        <translation>平滑化の回数。回を重ねるごとに少しずつ弱くなります</translation>
    </message>
    <message>
        <source>Größe der Umgebung eines Durchgangs</source>
        <translation>1回あたりの範囲の大きさ</translation>
    </message>
    <message>
        <source>Artefakte reduzieren</source>
        <translation>アーティファクトを軽減</translation>
    </message>
    <message>
        <source>Höhe der Blockkanten aus der Kompression, die geglättet werden; höhere Kanten bleiben</source>
        <translation>平滑化する圧縮ブロック境界の高さ。より大きなエッジは残ります</translation>
    </message>
    <message>
        <source>Blockgröße</source>
        <translation>ブロックサイズ</translation>
    </message>
    <message>
        <source>Rastergröße der Kompressionsblöcke im Originalbild</source>
        <translation>元画像における圧縮ブロックのグリッドサイズ</translation>
    </message>
    <message>
        <source>Bewegungsunschärfe reduzieren</source>
        <translation>モーションブラーを軽減</translation>
    </message>
    <message>
        <source>Wie weit die Bewegungsunschärfe herausgerechnet wird</source>
        <translation>モーションブラーをどこまで取り除くか</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>短</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>長</translation>
    </message>
    <message>
        <source>Länge der Bewegungsspur im Bild</source>
        <translation>画像内の動きの軌跡の長さ</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Richtung der Bewegung: 0° waagerecht, 90° senkrecht</source>
        <translation>動きの方向：0°で水平、90°で垂直</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>収縮</translation>
    </message>
    <message>
        <source>Wie weit dunkle Bereiche in helle hineinwachsen</source>
        <translation>暗い部分が明るい部分へどこまで広がるか</translation>
    </message>
    <message>
        <source>Dilatation</source>
        <translation>膨張</translation>
    </message>
    <message>
        <source>Wie weit helle Bereiche in dunkle hineinwachsen</source>
        <translation>明るい部分が暗い部分へどこまで広がるか</translation>
    </message>
    <message>
        <source>Doppler</source>
        <translation>二重像</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Versatz des Doppelbildes</source>
        <translation>二重像のずれ</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>Richtung des Versatzes, gegen den Uhrzeigersinn von rechts</source>
        <translation>ずれの方向（右から反時計回り）</translation>
    </message>
    <message>
        <source>Deckkraft des Doppelbildes</source>
        <translation>二重像の不透明度</translation>
    </message>
    <message>
        <source>Normalisieren</source>
        <translation>正規化</translation>
    </message>
    <message>
        <source>Wie weit die Tonwerte auf den vollen Bereich gestreckt und die Mitteltöne ausgeglichen werden</source>
        <translation>階調を全範囲へどこまで広げ、中間調を整えるか</translation>
    </message>
    <message>
        <source>Zielhelligkeit</source>
        <translation>目標の明るさ</translation>
    </message>
    <message>
        <source>Helligkeit, auf die der Median des Bildes gebracht wird</source>
        <translation>画像のメディアンを合わせる明るさ</translation>
    </message>
    <message>
        <source>Local Contrast (Mask)</source>
        <translation>ローカルコントラスト（マスク）</translation>
    </message>
    <message>
        <source>Größe der Umgebung in Pixeln des Bildes in voller Auflösung</source>
        <translation>フル解像度画像のピクセル単位での範囲の大きさ</translation>
    </message>
    <message>
        <source>Lokaler Kontrast der Helligkeit; die Farben bleiben erhalten</source>
        <translation>明るさのローカルコントラスト。色は保たれます</translation>
    </message>
    <message>
        <source>Kantenschutz</source>
        <translation>エッジ保護</translation>
    </message>
    <message>
        <source>Hält große Helligkeitssprünge zurück, damit an Kanten keine Lichthöfe entstehen</source>
        <translation>大きな明るさの段差を抑え、エッジにハローが出ないようにします</translation>
    </message>
    <message>
        <source>Stärke der Wirkung abhängig von der Helligkeit</source>
        <translation>明るさに応じた効果の強さ</translation>
    </message>
    <message>
        <source>Luminanz Kontrast</source>
        <translation>輝度コントラスト</translation>
    </message>
    <message>
        <source>Kontrast der Helligkeit; Farbton und Sättigung bleiben erhalten</source>
        <translation>明るさのコントラスト。色相と彩度は保たれます</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>支点</translation>
    </message>
    <message>
        <source>Helligkeit, die unverändert bleibt</source>
        <translation>変化しない明るさ</translation>
    </message>
    <message>
        <source>Helligkeit ebnen</source>
        <translation>明るさを均一化</translation>
    </message>
    <message>
        <source>Gleicht ungleichmäßige Beleuchtung aus; die Details bleiben erhalten</source>
        <translation>不均一な照明を均一にします。ディテールは保たれます</translation>
    </message>
    <message>
        <source>Größe der Flächen, über die die Helligkeit ausgeglichen wird</source>
        <translation>明るさを均一化する範囲の大きさ</translation>
    </message>
    <message>
        <source>_Highlight Recover</source>
        <translation>ハイライトの回復</translation>
    </message>
    <message>
        <source>Drückt die hellsten Töne weich zusammen, ohne dass ein Farbkanal ausbrennt</source>
        <translation>どのチャンネルも飛ばさずに最も明るい階調を柔らかく圧縮します</translation>
    </message>
    <message>
        <source>Einsatzpunkt</source>
        <translation>開始点</translation>
    </message>
    <message>
        <source>früh</source>
        <translation>早</translation>
    </message>
    <message>
        <source>spät</source>
        <translation>遅</translation>
    </message>
    <message>
        <source>Helligkeit, ab der die Lichter zusammengedrückt werden</source>
        <translation>ハイライトの圧縮を始める明るさ</translation>
    </message>
    <message>
        <source>Nebel reduzieren</source>
        <translation>かすみを除去</translation>
    </message>
    <message>
        <source>Nimmt den hellen Schleier von Nebel und Dunst aus dem Bild</source>
        <translation>霧やもやの白いベールを画像から取り除きます</translation>
    </message>
    <message>
        <source>Spitzlichter wiederherstellen</source>
        <translation>鏡面ハイライトを回復</translation>
    </message>
    <message>
        <source>Dunkelt helle Flächen als Ganzes ab und erhält die Zeichnung darin</source>
        <translation>明るい部分全体を暗くし、その中のディテールを保ちます</translation>
    </message>
    <message>
        <source>Helligkeit der Umgebung, ab der abgedunkelt wird</source>
        <translation>暗くし始める周囲の明るさ</translation>
    </message>
    <message>
        <source>Weißkorrektur</source>
        <translation>白の補正</translation>
    </message>
    <message>
        <source>Nimmt den Lichtern ihren Farbstich und hellt sie zu reinem Weiß auf</source>
        <translation>ハイライトの色かぶりを取り、純白まで明るくします</translation>
    </message>
    <message>
        <source>Helligkeit, ab der korrigiert wird</source>
        <translation>補正を始める明るさ</translation>
    </message>
    <message>
        <source>Helligkeitsverlauf</source>
        <translation>明るさのグラデーション</translation>
    </message>
    <message>
        <source>Gamma der Bildseite vor der Linie; negative Werte dunkeln sie ab (etwa einen Himmel)</source>
        <translation>線の手前側のガンマ。負の値で暗くなります（空など）</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Richtung des Verlaufs; 90° verläuft von oben nach unten</source>
        <translation>グラデーションの方向。90°で上から下</translation>
    </message>
    <message>
        <source>Übergang</source>
        <translation>遷移</translation>
    </message>
    <message>
        <source>Breite des Übergangs über die Linie</source>
        <translation>線をまたぐ遷移の幅</translation>
    </message>
    <message>
        <source>Linienmitte</source>
        <translation>線の中心</translation>
    </message>
    <message>
        <source>Punkt, durch den die Übergangslinie läuft</source>
        <translation>遷移線が通る点</translation>
    </message>
    <message>
        <source>Weiche Details</source>
        <translation>ソフトディテール</translation>
    </message>
    <message>
        <source>Glättet feine Strukturen wie Haut oder Rauschen; Kanten bleiben scharf</source>
        <translation>肌やノイズなどの細かい構造を滑らかにします。エッジはシャープなままです</translation>
    </message>
    <message>
        <source>Größe der Strukturen, die geglättet werden</source>
        <translation>平滑化する構造の大きさ</translation>
    </message>
    <message>
        <source>Weiche Kontur</source>
        <translation>ソフトな輪郭</translation>
    </message>
    <message>
        <source>Gibt Konturen einen weichen, leuchtenden Rand; Flächen bleiben scharf</source>
        <translation>輪郭に柔らかく光る縁を付けます。面はシャープなままです</translation>
    </message>
    <message>
        <source>Breite des weichen Randes</source>
        <translation>柔らかい縁の幅</translation>
    </message>
    <message>
        <source>Randlicht-Verteilung</source>
        <translation>周辺光量の分布</translation>
    </message>
    <message>
        <source>Gleicht den Lichtabfall zum Bildrand hin aus (Vignettierung, Blitz)</source>
        <translation>画像周辺に向かう光量低下を補正します（周辺減光、フラッシュ）</translation>
    </message>
    <message>
        <source>Dynamische Helligkeit</source>
        <translation>ダイナミック輝度</translation>
    </message>
    <message>
        <source>erweitern</source>
        <translation>拡張</translation>
    </message>
    <message>
        <source>verdichten</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen auf und dunkelt helle ab (oder umgekehrt)</source>
        <translation>暗い周囲を明るく、明るい周囲を暗くします（またはその逆）</translation>
    </message>
    <message>
        <source>automatischer Schwarz/Weißpunkt</source>
        <translation>自動黒点/白点</translation>
    </message>
    <message>
        <source>Wie weit Schwarz- und Weißpunkt des Bildes auf den vollen Bereich gestreckt werden</source>
        <translation>画像の黒点と白点を全範囲へどこまで広げるか</translation>
    </message>
    <message>
        <source>gewogener Schwarz/Weißpunkt</source>
        <translation>重み付き黒点/白点</translation>
    </message>
    <message>
        <source>Wie weit die gemessenen Punkte auf den vollen Bereich gestreckt werden</source>
        <translation>測定した点を全範囲へどこまで広げるか</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>割合</translation>
    </message>
    <message>
        <source>Anteil der dunkelsten und hellsten Pixel, deren Mittel Schwarz- und Weißpunkt ergibt</source>
        <translation>平均して黒点と白点を決める最暗・最明ピクセルの割合</translation>
    </message>
    <message>
        <source>Histogramm Abgleich</source>
        <translation>ヒストグラム平坦化</translation>
    </message>
    <message>
        <source>Verteilt die Tonwerte gleichmäßig über den ganzen Bereich</source>
        <translation>階調を全範囲に均等に配分します</translation>
    </message>
    <message>
        <source>Kontrastbegrenzung</source>
        <translation>コントラスト制限</translation>
    </message>
    <message>
        <source>Begrenzt, wie stark große einheitliche Flächen gespreizt werden</source>
        <translation>大きな均一部分の広がりを制限します</translation>
    </message>
    <message>
        <source>Licht/Schatten anpassen</source>
        <translation>ハイライト/シャドウを調整</translation>
    </message>
    <message>
        <source>Lichter</source>
        <translation>ハイライト</translation>
    </message>
    <message>
        <source>Belichtung der hellen Töne</source>
        <translation>明部の露出</translation>
    </message>
    <message>
        <source>Belichtung der dunklen Töne</source>
        <translation>暗部の露出</translation>
    </message>
    <message>
        <source>Tonbreite</source>
        <translation>階調幅</translation>
    </message>
    <message>
        <source>Wie weit Lichter und Schatten in die Mitteltöne reichen</source>
        <translation>ハイライトとシャドウが中間調へどこまで及ぶか</translation>
    </message>
    <message>
        <source>Lichttuner</source>
        <translation>ライトチューナー</translation>
    </message>
    <message>
        <source>Hellt dunkle Umgebungen stärker auf als helle; danach werden Schwarz- und Weißpunkt neu gesetzt</source>
        <translation>暗い周囲を明るい周囲より強く明るくし、その後黒点と白点を設定し直します</translation>
    </message>
    <message>
        <source>Percentile justieren</source>
        <translation>パーセンタイルを調整</translation>
    </message>
    <message>
        <source>Dunkles Perzentil</source>
        <translation>暗部パーセンタイル</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der schwarz wird</source>
        <translation>各チャンネルで黒になるピクセルの割合</translation>
    </message>
    <message>
        <source>Helles Perzentil</source>
        <translation>明部パーセンタイル</translation>
    </message>
    <message>
        <source>Anteil der Pixel jedes Farbkanals, der weiß wird</source>
        <translation>各チャンネルで白になるピクセルの割合</translation>
    </message>
    <message>
        <source>Gradationskurve (logarithm.)</source>
        <translation>トーンカーブ（対数）</translation>
    </message>
    <message>
        <source>Tonkurve über der logarithmischen Helligkeit: die Schatten erhalten den größten Teil der Breite</source>
        <translation>対数輝度上のトーンカーブ。シャドウが幅の大部分を占めます</translation>
    </message>
    <message>
        <source>Tonwerte justieren</source>
        <translation>レベル補正</translation>
    </message>
    <message>
        <source>Schwarzwert</source>
        <translation>黒レベル</translation>
    </message>
    <message>
        <source>Helligkeit, die schwarz wird</source>
        <translation>黒になる明るさ</translation>
    </message>
    <message>
        <source>Weißwert</source>
        <translation>白レベル</translation>
    </message>
    <message>
        <source>Helligkeit, die weiß wird</source>
        <translation>白になる明るさ</translation>
    </message>
    <message>
        <source>Mitteltöne</source>
        <translation>中間調</translation>
    </message>
    <message>
        <source>Gamma der Mitteltöne</source>
        <translation>中間調のガンマ</translation>
    </message>
    <message>
        <source>Ausgabe Schwarz</source>
        <translation>出力の黒</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Schwarz gesetzt wird</source>
        <translation>黒を設定する明るさ</translation>
    </message>
    <message>
        <source>Ausgabe Weiß</source>
        <translation>出力の白</translation>
    </message>
    <message>
        <source>Helligkeit, auf die Weiß gesetzt wird</source>
        <translation>白を設定する明るさ</translation>
    </message>
    <message>
        <source>Graustufenumwandlung</source>
        <translation>グレースケール変換</translation>
    </message>
    <message>
        <source>Rotanteil</source>
        <translation>レッドの割合</translation>
    </message>
    <message>
        <source>Anteil des roten Kanals am Grau</source>
        <translation>グレーに占めるレッドチャンネルの割合</translation>
    </message>
    <message>
        <source>Grünanteil</source>
        <translation>グリーンの割合</translation>
    </message>
    <message>
        <source>Anteil des grünen Kanals am Grau</source>
        <translation>グレーに占めるグリーンチャンネルの割合</translation>
    </message>
    <message>
        <source>Blauanteil</source>
        <translation>ブルーの割合</translation>
    </message>
    <message>
        <source>Anteil des blauen Kanals am Grau</source>
        <translation>グレーに占めるブルーチャンネルの割合</translation>
    </message>
    <message>
        <source>Fraktales_Korn</source>
        <translation>フラクタル粒子</translation>
    </message>
    <message>
        <source>Stärke des Korns</source>
        <translation>粒子の強さ</translation>
    </message>
    <message>
        <source>Größe der Körner im Bild in voller Auflösung</source>
        <translation>フル解像度画像での粒子の大きさ</translation>
    </message>
    <message>
        <source>Rauheit</source>
        <translation>粗さ</translation>
    </message>
    <message>
        <source>rau</source>
        <translation>粗い</translation>
    </message>
    <message>
        <source>Anteil der feineren Kornstufen</source>
        <translation>細かい粒子レベルの割合</translation>
    </message>
    <message>
        <source>Kornbewegung</source>
        <translation>粒子の動き</translation>
    </message>
    <message>
        <source>eingefroren</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>jedes Bild neu</source>
        <translation>フレームごとに変化</translation>
    </message>
    <message>
        <source>Wie oft das Korn in Videos wechselt; 0 hält es über alle Bilder fest</source>
        <translation>ビデオで粒子が変わる頻度。0で全フレーム固定</translation>
    </message>
    <message>
        <source>Analoges_Korn</source>
        <translation>アナログ粒子</translation>
    </message>
    <message>
        <source>Farbkorn</source>
        <translation>カラー粒子</translation>
    </message>
    <message>
        <source>einfarbig</source>
        <translation>モノクロ</translation>
    </message>
    <message>
        <source>farbig</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Anteil des Korns, der in jedem Farbkanal eigen ist</source>
        <translation>各チャンネルで独立した粒子の割合</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSV)</source>
        <translation>フラクタル粒子（HSV）</translation>
    </message>
    <message>
        <source>Fraktales_Korn (HSL)</source>
        <translation>フラクタル粒子（HSL）</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSV)</source>
        <translation>アナログ粒子（HSV）</translation>
    </message>
    <message>
        <source>Sättigungskorn</source>
        <translation>彩度の粒子</translation>
    </message>
    <message>
        <source>Korn auch in der Sättigung; der Farbton bleibt erhalten</source>
        <translation>彩度にも粒子を加えます。色相は保たれます</translation>
    </message>
    <message>
        <source>Analoges_Korn (HSL)</source>
        <translation>アナログ粒子（HSL）</translation>
    </message>
    <message>
        <source>Bleach Bypass</source>
        <translation>銀残し</translation>
    </message>
    <message>
        <source>Mehr Kontrast und weniger Farbe, wie beim Überspringen des Bleichbads</source>
        <translation>漂白工程を省いたように、コントラストを上げ色を抑えます</translation>
    </message>
    <message>
        <source>Veiling Glare</source>
        <translation>ベーリンググレア</translation>
    </message>
    <message>
        <source>Streulicht im Objektiv: helle Flächen legen einen Schleier über ihre Umgebung</source>
        <translation>レンズ内の迷光：明るい部分が周囲にベールをかけます</translation>
    </message>
    <message>
        <source>Local Contour</source>
        <translation>ローカル輪郭</translation>
    </message>
    <message>
        <source>Verstärkung der Konturen</source>
        <translation>輪郭の強調</translation>
    </message>
    <message>
        <source>Feine Unterschiede darunter (Korn, Rauschen) werden nicht verstärkt</source>
        <translation>これより細かい差（粒子、ノイズ）は強調しません</translation>
    </message>
    <message>
        <source>Struktur (Tonung)</source>
        <translation>テクスチャ（調色）</translation>
    </message>
    <message>
        <source>Wie stark die Struktur über dem Bild liegt</source>
        <translation>テクスチャを画像にどれだけ重ねるか</translation>
    </message>
    <message>
        <source>Maßstab der Struktur, von einem Viertel bis zum Vierfachen</source>
        <translation>テクスチャの倍率（1/4～4倍）</translation>
    </message>
    <message>
        <source>Muster</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Wählt eine von tausend Varianten der Struktur</source>
        <translation>1000種類のテクスチャから1つを選びます</translation>
    </message>
    <message>
        <source>Farbe der Struktur</source>
        <translation>テクスチャの色</translation>
    </message>
    <message>
        <source>Struktur (Staub)</source>
        <translation>テクスチャ（ほこり）</translation>
    </message>
    <message>
        <source>Struktur (Licht)</source>
        <translation>テクスチャ（光）</translation>
    </message>
    <message>
        <source>Struktur (Doppelbelichtung)</source>
        <translation>テクスチャ（多重露光）</translation>
    </message>
    <message>
        <source>Struktur (Projektion)</source>
        <translation>テクスチャ（投影）</translation>
    </message>
    <message>
        <source>Struktur (Vignette)</source>
        <translation>テクスチャ（ビネット）</translation>
    </message>
    <message>
        <source>Struktur (Stoffe)</source>
        <translation>テクスチャ（布）</translation>
    </message>
    <message>
        <source>Struktur (Risse)</source>
        <translation>テクスチャ（ひび）</translation>
    </message>
    <message>
        <source>Struktur (Stein)</source>
        <translation>テクスチャ（石）</translation>
    </message>
    <message>
        <source>Struktur (Papier)</source>
        <translation>テクスチャ（紙）</translation>
    </message>
    <message>
        <source>Struktur (Metalle)</source>
        <translation>テクスチャ（金属）</translation>
    </message>
    <message>
        <source>Struktur (Puzzle)</source>
        <translation>テクスチャ（パズル）</translation>
    </message>
    <message>
        <source>Schwarz-Weiß</source>
        <translation>モノクロ</translation>
    </message>
    <message>
        <source>Lokaler Kontrast</source>
        <translation>ローカルコントラスト</translation>
    </message>
    <message>
        <source>Lokaler Kontrast des Graubilds</source>
        <translation>グレー画像のローカルコントラスト</translation>
    </message>
    <message>
        <source>Rotfilter</source>
        <translation>レッドフィルター</translation>
    </message>
    <message>
        <source>Wie hell rote Töne im Grau werden (ein Rotfilter dunkelt den blauen Himmel ab)</source>
        <translation>グレーでの赤の明るさ（レッドフィルターは青空を暗くします）</translation>
    </message>
    <message>
        <source>Grünfilter</source>
        <translation>グリーンフィルター</translation>
    </message>
    <message>
        <source>Wie hell grüne Töne im Grau werden</source>
        <translation>グレーでの緑の明るさ</translation>
    </message>
    <message>
        <source>Blaufilter</source>
        <translation>ブルーフィルター</translation>
    </message>
    <message>
        <source>Wie hell blaue Töne im Grau werden</source>
        <translation>グレーでの青の明るさ</translation>
    </message>
    <message>
        <source>Zentrum belichten</source>
        <translation>中心の露出</translation>
    </message>
    <message>
        <source>Belichtung des Zentrums in Blendenstufen</source>
        <translation>中心の露出（段）</translation>
    </message>
    <message>
        <source>Größe des voll belichteten Zentrums, bezogen auf die halbe Bilddiagonale</source>
        <translation>完全に露出する中心の大きさ（対角線の半分に対する比）</translation>
    </message>
    <message>
        <source>Breite des Übergangs nach außen</source>
        <translation>外側への遷移の幅</translation>
    </message>
    <message>
        <source>Mitte des belichteten Bereichs</source>
        <translation>露出範囲の中心</translation>
    </message>
    <message>
        <source>Weicher Kontrast</source>
        <translation>ソフトコントラスト</translation>
    </message>
    <message>
        <source>weicher</source>
        <translation>柔らかく</translation>
    </message>
    <message>
        <source>S-Kurve der Helligkeit, deren Lichter und Schatten weich auslaufen</source>
        <translation>ハイライトとシャドウが柔らかく収まる明るさのSカーブ</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>Helligkeit, um die die Kurve dreht</source>
        <translation>カーブの回転中心となる明るさ</translation>
    </message>
    <message>
        <source>Halftone</source>
        <translation>網点</translation>
    </message>
    <message>
        <source>Rasterweite</source>
        <translation>線数</translation>
    </message>
    <message>
        <source>Abstand der Rasterpunkte im Bild in voller Auflösung</source>
        <translation>フル解像度画像での網点の間隔</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Winkel des Rasters</source>
        <translation>スクリーン角度</translation>
    </message>
    <message>
        <source>Wie stark das Raster über dem Bild liegt</source>
        <translation>網点を画像にどれだけ重ねるか</translation>
    </message>
    <message>
        <source>Farbraster</source>
        <translation>カラー網点</translation>
    </message>
    <message>
        <source>Ein eigenes Raster für jeden Farbkanal statt eines Graurasters</source>
        <translation>グレーの網点の代わりにチャンネルごとの網点</translation>
    </message>
    <message>
        <source>Struktur (Wellen)</source>
        <translation>テクスチャ（波）</translation>
    </message>
    <message>
        <source>Struktur (Leinen)</source>
        <translation>テクスチャ（リネン）</translation>
    </message>
    <message>
        <source>Alterung</source>
        <translation>経年変化</translation>
    </message>
    <message>
        <source>Gesamtwirkung der Alterung</source>
        <translation>経年変化の全体的な効果</translation>
    </message>
    <message>
        <source>Vergilbung</source>
        <translation>黄ばみ</translation>
    </message>
    <message>
        <source>Gelbstich, vor allem in den Lichtern</source>
        <translation>特にハイライトの黄かぶり</translation>
    </message>
    <message>
        <source>Verblassen</source>
        <translation>退色</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Angehobene Schwarztöne und stumpfe Lichter</source>
        <translation>持ち上がった黒とくすんだハイライト</translation>
    </message>
    <message>
        <source>Flecken</source>
        <translation>しみ</translation>
    </message>
    <message>
        <source>Braune Flecken und Staubpunkte</source>
        <translation>茶色のしみとほこり</translation>
    </message>
    <message>
        <source>Iter Tonemapping Kontrast</source>
        <translation>反復トーンマッピング コントラスト</translation>
    </message>
    <message>
        <source>Größe der Flächen, deren Helligkeit als Ganzes angeglichen wird.</source>
        <translation>明るさを全体として合わせる範囲の大きさ。</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Wie weit helle und dunkle Bildbereiche einander angenähert werden.</source>
        <translation>明るい部分と暗い部分をどこまで近づけるか。</translation>
    </message>
    <message>
        <source>erhalten</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Iter Tonemapping Brillanz</source>
        <translation>反復トーンマッピング ブリリアンス</translation>
    </message>
    <message>
        <source>Brillanz</source>
        <translation>ブリリアンス</translation>
    </message>
    <message>
        <source>Verstärkt Details und Farben jedes Kanals gegenüber der Helligkeit.</source>
        <translation>明るさに対して各チャンネルのディテールと色を強調します。</translation>
    </message>
    <message>
        <source>Maske - Details</source>
        <translation>マスク - ディテール</translation>
    </message>
    <message>
        <source>feine Details</source>
        <translation>細部</translation>
    </message>
    <message>
        <source>grobe Kanten</source>
        <translation>粗いエッジ</translation>
    </message>
    <message>
        <source>Helligkeitsunterschied in der 3×3-Umgebung, ab dem ein Bildpunkt als Detail gilt.</source>
        <translation>ピクセルをディテールとみなす3×3近傍の輝度差。</translation>
    </message>
    <message>
        <source>Maske - NonDetails</source>
        <translation>マスク - ディテールのない部分</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Rot</source>
        <translation>マスク - レッドの割合</translation>
    </message>
    <message>
        <source>rein</source>
        <translation>純色</translation>
    </message>
    <message>
        <source>Anteil des Rotkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>ピクセルを選択する、3チャンネル合計に占めるレッドの割合（グレー：33%）。</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Grün</source>
        <translation>マスク - グリーンの割合</translation>
    </message>
    <message>
        <source>Anteil des Grünkanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>ピクセルを選択する、3チャンネル合計に占めるグリーンの割合（グレー：33%）。</translation>
    </message>
    <message>
        <source>Maske - Farbanteil Blau</source>
        <translation>マスク - ブルーの割合</translation>
    </message>
    <message>
        <source>Anteil des Blaukanals an der Summe der drei Kanäle, ab dem ein Bildpunkt gewählt wird (Grau: 33 %).</source>
        <translation>ピクセルを選択する、3チャンネル合計に占めるブルーの割合（グレー：33%）。</translation>
    </message>
    <message>
        <source>Maske - MinMax</source>
        <translation>マスク - 最小/最大</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Der dunkelste Kanal muss mindestens so hell sein: abgesoffene Schatten bleiben ausgenommen.</source>
        <translation>最も暗いチャンネルがこの明るさ以上である必要があります。つぶれたシャドウは除外されます。</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Der hellste Kanal darf höchstens so hell sein: ausgefressene Lichter bleiben ausgenommen.</source>
        <translation>最も明るいチャンネルはこの明るさ以下である必要があります。飛んだハイライトは除外されます。</translation>
    </message>
    <message>
        <source>Maske - Gradation</source>
        <translation>マスク - トーンカーブ</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Auswahlstärke über der Helligkeit.</source>
        <translation>明るさに対する選択の強さ。</translation>
    </message>
    <message>
        <source>Maske - Verlauf</source>
        <translation>マスク - グラデーション</translation>
    </message>
    <message>
        <source>Am ersten Punkt voll gewählt, ab dem zweiten Punkt nicht mehr.</source>
        <translation>最初の点で完全に選択され、2番目の点以降は選択されません。</translation>
    </message>
    <message>
        <source>Maske - Vignette</source>
        <translation>マスク - ビネット</translation>
    </message>
    <message>
        <source>Zentrum</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>Außerhalb dieses Abstands vom Zentrum (100 %: die Ecken) ist der Rand voll gewählt.</source>
        <translation>中心からこの距離より外側（100%：四隅）は完全に選択されます。</translation>
    </message>
    <message>
        <source>Maske - Hauttöne</source>
        <translation>マスク - 肌色</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf.</source>
        <translation>色相が肌色からどこまでずれてよいか。</translation>
    </message>
    <message>
        <source>Maske - Hauttöne schützen</source>
        <translation>マスク - 肌色を保護</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Hautton abweichen darf; alles außer Haut wird gewählt.</source>
        <translation>色相が肌色からどこまでずれてよいか。肌以外がすべて選択されます。</translation>
    </message>
    <message>
        <source>Maske - Himmelsfarben</source>
        <translation>マスク - 空の色</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Himmelblau abweichen darf.</source>
        <translation>色相が空の青からどこまでずれてよいか。</translation>
    </message>
    <message>
        <source>Maske - organisches Grün</source>
        <translation>マスク - 植物の緑</translation>
    </message>
    <message>
        <source>Wie weit der Farbton vom Grün von Laub und Gras abweichen darf.</source>
        <translation>色相が葉や草の緑からどこまでずれてよいか。</translation>
    </message>
    <message>
        <source>horizontale Weichzeichnung</source>
        <translation>水平方向のぼかし</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Zeilen: waagrechte Kanten bleiben scharf.</source>
        <translation>行方向のみのぼかし。水平のエッジはシャープなままです。</translation>
    </message>
    <message>
        <source>vertikale Weichzeichnung</source>
        <translation>垂直方向のぼかし</translation>
    </message>
    <message>
        <source>Weichzeichnung nur entlang der Spalten: senkrechte Kanten bleiben scharf.</source>
        <translation>列方向のみのぼかし。垂直のエッジはシャープなままです。</translation>
    </message>
    <message>
        <source>gerichtete Weichzeichnung</source>
        <translation>方向性ぼかし</translation>
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
        <translation>ぼかしの方向。0°で水平、90°で垂直。</translation>
    </message>
    <message>
        <source>Verflüssigen</source>
        <translation>ゆがみ</translation>
    </message>
    <message>
        <source>Größte Verschiebung der Bildpunkte.</source>
        <translation>ピクセルの最大移動量。</translation>
    </message>
    <message>
        <source>Strukturgröße</source>
        <translation>構造の大きさ</translation>
    </message>
    <message>
        <source>Kirlian Weichzeichnung</source>
        <translation>コロナぼかし</translation>
    </message>
    <message>
        <source>Wie weit helle Flächen weich in ihre dunklere Umgebung strahlen.</source>
        <translation>明るい部分が暗い周囲へどこまで柔らかく広がるか。</translation>
    </message>
    <message>
        <source>Kirlian Leuchten</source>
        <translation>コロナグロー</translation>
    </message>
    <message>
        <source>Breite der Korona um die Kanten.</source>
        <translation>エッジ周りのコロナの幅。</translation>
    </message>
    <message>
        <source>Leuchtkraft</source>
        <translation>発光量</translation>
    </message>
    <message>
        <source>Neon Leuchten</source>
        <translation>ネオングロー</translation>
    </message>
    <message>
        <source>Leuchtradius</source>
        <translation>グローの半径</translation>
    </message>
    <message>
        <source>Breite des Leuchtens um die Kanten.</source>
        <translation>エッジ周りのグローの幅。</translation>
    </message>
    <message>
        <source>Hintergrund abdunkeln</source>
        <translation>背景を暗くする</translation>
    </message>
    <message>
        <source>Bildleuchten</source>
        <translation>イメージグロー</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Bildbereiche leuchten.</source>
        <translation>この明るさ以上の部分が光ります。</translation>
    </message>
    <message>
        <source>kantenerhaltende Weichzeichnung</source>
        <translation>エッジを保持するぼかし</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>平滑化</translation>
    </message>
    <message>
        <source>Wie große Helligkeitsunterschiede noch geglättet werden; größere Kanten bleiben erhalten.</source>
        <translation>どの程度の明るさの差まで平滑化するか。より大きなエッジは保たれます。</translation>
    </message>
    <message>
        <source>Gauss-Weichzeichnung</source>
        <translation>ガウスぼかし</translation>
    </message>
    <message>
        <source>Weiteste Entfernung, aus der ein Bildpunkt beiträgt (etwa drei Standardabweichungen).</source>
        <translation>ピクセルが寄与する最大距離（標準偏差の約3倍）。</translation>
    </message>
    <message>
        <source>Farbkanal Weichzeichnung</source>
        <translation>チャンネル別ぼかし</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Rotkanal.</source>
        <translation>レッドチャンネルに使う半径の割合。</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Grünkanal.</source>
        <translation>グリーンチャンネルに使う半径の割合。</translation>
    </message>
    <message>
        <source>Anteil des Radius für den Blaukanal.</source>
        <translation>ブルーチャンネルに使う半径の割合。</translation>
    </message>
    <message>
        <source>Farbton Weichzeichnung</source>
        <translation>色相ぼかし</translation>
    </message>
    <message>
        <source>Die Farbe wird weichgezeichnet, die Helligkeit bleibt: Farbrauschen und Farbsäume verschwinden.</source>
        <translation>色をぼかし、明るさは保ちます。カラーノイズと色にじみが消えます。</translation>
    </message>
    <message>
        <source>Kreis-Weichzeichnung</source>
        <translation>回転ぼかし</translation>
    </message>
    <message>
        <source>Bogen, über den jeder Bildpunkt um das Zentrum verwischt wird.</source>
        <translation>各ピクセルを中心の周りにぼかす円弧。</translation>
    </message>
    <message>
        <source>Fokus</source>
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>Unschärfe</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Schärfebereich</source>
        <translation>ピント範囲</translation>
    </message>
    <message>
        <source>Radius des scharfen Bereichs um das Zentrum (100 %: die Ecken).</source>
        <translation>中心周りのピントが合う範囲の半径（100%：四隅）。</translation>
    </message>
    <message>
        <source>Bokeh</source>
        <translation>ボケ</translation>
    </message>
    <message>
        <source>Radius der Unschärfescheibe.</source>
        <translation>ぼけの円の半径。</translation>
    </message>
    <message>
        <source>Lichter betonen</source>
        <translation>ハイライトを強調</translation>
    </message>
    <message>
        <source>Helle Lichter werden zu hellen Scheiben.</source>
        <translation>明るいハイライトが明るい円になります。</translation>
    </message>
    <message>
        <source>Licht-Bokeh</source>
        <translation>光のボケ</translation>
    </message>
    <message>
        <source>Radius der Lichtscheiben.</source>
        <translation>光の円の半径。</translation>
    </message>
    <message>
        <source>Helligkeit, ab der Lichter Scheiben bilden.</source>
        <translation>この明るさ以上のハイライトが円になります。</translation>
    </message>
    <message>
        <source>Warp</source>
        <translation>ワープ</translation>
    </message>
    <message>
        <source>Verschiebung</source>
        <translation>移動量</translation>
    </message>
    <message>
        <source>Einflussradius</source>
        <translation>影響半径</translation>
    </message>
    <message>
        <source>Bereich um das Zentrum, der mitgeschoben wird (Anteil der kürzeren Bildseite).</source>
        <translation>中心とともに動かす範囲（画像の短辺に対する割合）。</translation>
    </message>
    <message>
        <source>360°</source>
        <translation>360°</translation>
    </message>
    <message>
        <source>0° nach rechts, 90° nach unten.</source>
        <translation>0°で右、90°で下。</translation>
    </message>
    <message>
        <source>Intensives Leuchten</source>
        <translation>強いグロー</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 kann nicht geöffnet werden.</source>
        <translation>LUTファイル %1 を開けません。</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.</source>
        <translation>LUTファイル %1 に %2 文字を超える行があります。</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.</source>
        <translation>LUTファイル %1 に %2 文字を超える語があります。</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.</source>
        <translation>LUTファイル %1 は %2 点のテーブルを要求していますが、上限は %3 点です。</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist keine Datei.</source>
        <translation>LUTファイル %1 はファイルではありません。</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 ist größer als %2 MB.</source>
        <translation>LUTファイル %1 は %2 MB を超えています。</translation>
    </message>
    <message>
        <source>Die LUT-Datei %1 konnte nicht gelesen werden: %2</source>
        <translation>LUTファイル %1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>LUTを読み込む</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten je Achse übernommen.</source>
        <translation>軸あたり %2 点のうち %1 点を取り込みました。</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Schärfen und Entrauschen</comment>
        <translation>シ</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Geometrie</comment>
        <translation>ジ</translation>
    </message>
    <message>
        <source>B</source>
        <comment>Belichtung</comment>
        <translation>露</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Farbe</comment>
        <translation>色</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Weichzeichnen</comment>
        <translation>ぼ</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Künstlerisch</comment>
        <translation>ア</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Masken</comment>
        <translation>マ</translation>
    </message>
    <message>
        <source>Maske anzeigen: zeigt die Auswahl nach dem gewählten Operator als Graubild</source>
        <translation>マスクを表示：選択したオペレーター後の選択範囲をグレー画像で表示</translation>
    </message>
    <message>
        <source>Tetraedrisch interpolieren</source>
        <translation>四面体補間</translation>
    </message>
    <message>
        <source>Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen</source>
        <translation>LUTの点の間を8近傍ではなく4近傍から補間</translation>
    </message>
    <message>
        <source>Diese Einstellungen wirken auf Nachbarpunkte oder Bildpositionen und sind nicht im LUT enthalten: %1</source>
        <translation>これらの設定は近傍ピクセルや画像上の位置に作用するため、LUTには含まれません: %1</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>グレーディングをLUTとして保存</translation>
    </message>
    <message>
        <source>Den LUT in die LUT-Bibliothek aufnehmen (Ja) oder als Datei speichern (Nein)?</source>
        <translation>LUTをLUTライブラリに追加しますか（はい）、ファイルとして保存しますか（いいえ）？</translation>
    </message>
    <message>
        <source>Der LUT wurde nicht geschrieben: %1</source>
        <translation>LUTは書き込まれませんでした: %1</translation>
    </message>
    <message>
        <source>Mittelwert</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Mittelwert, Ausreißer betont</source>
        <translation>平均（外れ値を重視）</translation>
    </message>
    <message>
        <source>Mittelwert, Mehrheit betont</source>
        <translation>平均（多数を重視）</translation>
    </message>
    <message>
        <source>Streuung</source>
        <translation>ばらつき</translation>
    </message>
    <message>
        <source>Bewegungskarte</source>
        <translation>動きのヒートマップ</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>メディアン</translation>
    </message>
    <message>
        <source>Mitte zwischen Minimum und Maximum</source>
        <translation>最小と最大の中間</translation>
    </message>
    <message>
        <source>Verblassende Spur</source>
        <translation>消えていく軌跡</translation>
    </message>
    <message>
        <source>Spitzheit der Verteilung</source>
        <translation>分布の尖り具合</translation>
    </message>
    <message>
        <source>Beim Videoexport</source>
        <translation>ビデオ書き出し時</translation>
    </message>
    <message>
        <source>Überblendete Bilder</source>
        <translation>ブレンドするフレーム数</translation>
    </message>
    <message>
        <source>Überblendung</source>
        <translation>ブレンド</translation>
    </message>
    <message>
        <source>Vorher/Nachher</source>
        <translation>補正前/補正後</translation>
    </message>
    <message>
        <source>Hälfte</source>
        <translation>半分</translation>
    </message>
    <message>
        <source>Mitte nebeneinander</source>
        <translation>中央を並べて表示</translation>
    </message>
</context>
<context>
    <name>HDRPresetCombineWindow</name>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>プリセットを組み合わせる</translation>
    </message>
    <message>
        <source>Kombinieren ausführen</source>
        <translation>組み合わせを実行</translation>
    </message>
    <message>
        <source>Voreinstellung A</source>
        <translation>プリセットA</translation>
    </message>
    <message>
        <source>Voreinstellung B</source>
        <translation>プリセットB</translation>
    </message>
</context>
<context>
    <name>HDRPresetGroupBox</name>
    <message>
        <source>Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.</source>
        <translation>このプリセットはこのバージョンにない効果を使っています。</translation>
    </message>
    <message>
        <source>Klicken, um die Voreinstellung anzuwenden</source>
        <translation>クリックしてプリセットを適用</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Kopiert die Voreinstellung als eigene Voreinstellung</source>
        <translation>プリセットを自分のプリセットとしてコピーします</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Lädt die Voreinstellung wieder aus ihrer Datei</source>
        <translation>プリセットをファイルから読み込み直します</translation>
    </message>
    <message>
        <source>Einstellungen speichern</source>
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>Speichert die aktuelle Bearbeitung in diese Voreinstellung</source>
        <translation>現在のグレーディングをこのプリセットに保存します</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Gibt der Voreinstellung einen neuen Namen</source>
        <translation>プリセットに新しい名前を付けます</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Löscht die Voreinstellung</source>
        <translation>プリセットを削除します</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach oben</source>
        <translation>プリセットを1つ上へ移動します</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Schiebt die Voreinstellung eine Stelle nach unten</source>
        <translation>プリセットを1つ下へ移動します</translation>
    </message>
    <message>
        <source>Fehlende Effekte</source>
        <translation>不足している効果</translation>
    </message>
</context>
<context>
    <name>HDRPresetsDockWidget</name>
    <message>
        <source>Voreinstellungen</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Zeigt nur Voreinstellungen mit diesem Stichwort</source>
        <translation>このキーワードのプリセットだけを表示します</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Presets importieren</source>
        <translation>プリセットを読み込む</translation>
    </message>
    <message>
        <source>Preset exportieren</source>
        <translation>プリセットを書き出す</translation>
    </message>
    <message>
        <source>Voreinstellungen kombinieren</source>
        <translation>プリセットを組み合わせる</translation>
    </message>
</context>
<context>
    <name>HDRProgressWindow</name>
    <message>
        <source>Es ist ein Fehler aufgetreten, Protokoll oder fortfahren</source>
        <translation>エラーが発生しました：ログを見るか続行してください</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Fortfahren</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>wird ermittelt</source>
        <translation>計算中</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>経過時間: </translation>
    </message>
    <message>
        <source>Estimated time left: </source>
        <translation>残り時間（推定）: </translation>
    </message>
    <message numerus="yes">
        <source>%n Tage</source>
        <translation>
            <numerusform>%n日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Stunden</source>
        <translation>
            <numerusform>%n時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Minuten</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Sekunden</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HDRScopesDockWidget</name>
    <message>
        <source>Scopes</source>
        <translation>スコープ</translation>
    </message>
</context>
<context>
    <name>HDRTimelineDockWidget</name>
    <message>
        <source>Timeline Window</source>
        <translation>タイムライン</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt einladen</source>
        <translation>この取り消しポイントを読み込む</translation>
    </message>
    <message>
        <source>tooltip Timeline-Notiz editieren</source>
        <translation>このポイントのメモを編集</translation>
    </message>
    <message>
        <source>tooltip Timeline-Punkt löschen</source>
        <translation>この取り消しポイントを削除</translation>
    </message>
    <message>
        <source>Notiz eintragen</source>
        <translation>メモを入力</translation>
    </message>
    <message>
        <source>Geben Sie eine Notiz ein:</source>
        <translation>メモを入力してください:</translation>
    </message>
    <message>
        <source>Soll dieser Undo-Punkt wirklich gelöscht werden?</source>
        <translation>この取り消しポイントを削除しますか？</translation>
    </message>
    <message>
        <source>Undo-Eintrag</source>
        <translation>件の取り消し項目</translation>
    </message>
    <message>
        <source>Undo-Einträge</source>
        <translation>件の取り消し項目</translation>
    </message>
    <message>
        <source>verfügbar</source>
        <translation>空き</translation>
    </message>
</context>
<context>
    <name>LayerModes</name>
    <message>
        <source>Blendmode Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen</source>
        <translation>比較（明）</translation>
    </message>
    <message>
        <source>Blendmode Abdunkeln</source>
        <translation>比較（暗）</translation>
    </message>
    <message>
        <source>Blendmode Multiplizieren</source>
        <translation>乗算</translation>
    </message>
    <message>
        <source>Blendmode Durchschnitt</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Blendmode Geometrisches Mittel</source>
        <translation>幾何平均</translation>
    </message>
    <message>
        <source>Blendmode Verstärken</source>
        <translation>強調</translation>
    </message>
    <message>
        <source>Blendmode Differenz</source>
        <translation>差の絶対値</translation>
    </message>
    <message>
        <source>Blendmode Negation</source>
        <translation>否定</translation>
    </message>
    <message>
        <source>Blendmode Negativ multiplizieren</source>
        <translation>スクリーン</translation>
    </message>
    <message>
        <source>Blendmode Ausschluss</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>Blendmode Reflektieren</source>
        <translation>反射</translation>
    </message>
    <message>
        <source>Blendmode Weiches Licht</source>
        <translation>ソフトライト</translation>
    </message>
    <message>
        <source>Blendmode Ineinanderkopieren</source>
        <translation>オーバーレイ</translation>
    </message>
    <message>
        <source>Blendmode Farbig abwedeln</source>
        <translation>覆い焼きカラー</translation>
    </message>
    <message>
        <source>Blendmode Farbig nachbelichten</source>
        <translation>焼き込みカラー</translation>
    </message>
    <message>
        <source>Blendmode Addieren</source>
        <translation>加算</translation>
    </message>
    <message>
        <source>Blendmode Linear nachbelichten</source>
        <translation>焼き込みリニア</translation>
    </message>
    <message>
        <source>Blendmode Lineares Licht</source>
        <translation>リニアライト</translation>
    </message>
    <message>
        <source>Blendmode Strahlendes Licht</source>
        <translation>ビビッドライト</translation>
    </message>
    <message>
        <source>Blendmode Lichtpunkt</source>
        <translation>ピンライト</translation>
    </message>
    <message>
        <source>Blendmode Harte Mischung</source>
        <translation>ハードミックス</translation>
    </message>
    <message>
        <source>Blendmode Glühen</source>
        <translation>グロー</translation>
    </message>
    <message>
        <source>Blendmode Hitze</source>
        <translation>ヒート</translation>
    </message>
    <message>
        <source>Blendmode Annäherung</source>
        <translation>フリーズ</translation>
    </message>
    <message>
        <source>Blendmode Dividieren</source>
        <translation>除算</translation>
    </message>
    <message>
        <source>Blendmode Kubische Summe</source>
        <translation>立方和</translation>
    </message>
    <message>
        <source>Blendmode Quadratisches Mittel</source>
        <translation>二乗平均</translation>
    </message>
    <message>
        <source>Blendmode Kontrast abschwächen</source>
        <translation>コントラストを弱める</translation>
    </message>
    <message>
        <source>Blendmode Kontrast verstärken</source>
        <translation>コントラストを強める</translation>
    </message>
    <message>
        <source>Blendmode Hartes Licht (Luminanz)</source>
        <translation>ハードライト（輝度）</translation>
    </message>
    <message>
        <source>Blendmode Aufhellen (weich)</source>
        <translation>比較（明）（ソフト）</translation>
    </message>
    <message>
        <source>Blendmode Schatten</source>
        <translation>シャドウ</translation>
    </message>
    <message>
        <source>Blendmode Mitteltöne</source>
        <translation>中間調</translation>
    </message>
    <message>
        <source>Blendmode Lichter</source>
        <translation>ハイライト</translation>
    </message>
    <message>
        <source>Blendmode Graue Töne</source>
        <translation>グレートーン</translation>
    </message>
    <message>
        <source>Blendmode Bunte Töne</source>
        <translation>カラートーン</translation>
    </message>
    <message>
        <source>Blendmode Rotkanal</source>
        <translation>レッドチャンネル</translation>
    </message>
    <message>
        <source>Blendmode Grünkanal</source>
        <translation>グリーンチャンネル</translation>
    </message>
    <message>
        <source>Blendmode Blaukanal</source>
        <translation>ブルーチャンネル</translation>
    </message>
    <message>
        <source>Blendmode Grün- und Blaukanal</source>
        <translation>グリーンとブルーのチャンネル</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Blaukanal</source>
        <translation>レッドとブルーのチャンネル</translation>
    </message>
    <message>
        <source>Blendmode Rot- und Grünkanal</source>
        <translation>レッドとグリーンのチャンネル</translation>
    </message>
    <message>
        <source>Blendmode Tiefe Schatten</source>
        <translation>ディープシャドウ</translation>
    </message>
    <message>
        <source>Blendmode Helle Lichter</source>
        <translation>明るいハイライト</translation>
    </message>
    <message>
        <source>Blendmode Addieren (begrenzt)</source>
        <translation>加算（制限付き）</translation>
    </message>
    <message>
        <source>Blendmode Addieren (Schatten)</source>
        <translation>加算（シャドウ）</translation>
    </message>
    <message>
        <source>Blendmode Differenz hinzufügen</source>
        <translation>差分を加算</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbton</source>
        <translation>HSV 色相</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigung</source>
        <translation>HSV 彩度</translation>
    </message>
    <message>
        <source>Blendmode HSV Farbe</source>
        <translation>HSV カラー</translation>
    </message>
    <message>
        <source>Blendmode HSV Helligkeit</source>
        <translation>HSV 明度</translation>
    </message>
    <message>
        <source>Blendmode HSV Mittel</source>
        <translation>HSV 平均</translation>
    </message>
    <message>
        <source>Blendmode HSV Abdunkeln</source>
        <translation>HSV 比較（暗）</translation>
    </message>
    <message>
        <source>Blendmode HSV Aufhellen</source>
        <translation>HSV 比較（明）</translation>
    </message>
    <message>
        <source>Blendmode HSV Entsättigen</source>
        <translation>HSV 彩度を下げる</translation>
    </message>
    <message>
        <source>Blendmode HSV Sättigen</source>
        <translation>HSV 彩度を上げる</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbton</source>
        <translation>HSL 色相</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigung</source>
        <translation>HSL 彩度</translation>
    </message>
    <message>
        <source>Blendmode HSL Farbe</source>
        <translation>HSL カラー</translation>
    </message>
    <message>
        <source>Blendmode HSL Helligkeit</source>
        <translation>HSL 輝度</translation>
    </message>
    <message>
        <source>Blendmode HSL Mittel</source>
        <translation>HSL 平均</translation>
    </message>
    <message>
        <source>Blendmode HSL Abdunkeln</source>
        <translation>HSL 比較（暗）</translation>
    </message>
    <message>
        <source>Blendmode HSL Aufhellen</source>
        <translation>HSL 比較（明）</translation>
    </message>
    <message>
        <source>Blendmode HSL Entsättigen</source>
        <translation>HSL 彩度を下げる</translation>
    </message>
    <message>
        <source>Blendmode HSL Sättigen</source>
        <translation>HSL 彩度を上げる</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>LutLibraryPanel</name>
    <message>
        <source>Tooltip LUT Styles Combobox</source>
        <translation>保存済みのLUTスタイル：選ぶと適用されます</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>LUT Database</source>
        <translation>LUTライブラリ</translation>
    </message>
    <message>
        <source>LUTAddToDatabase</source>
        <translation>現在のLUTをライブラリに追加</translation>
    </message>
    <message>
        <source>LUTDelFromDatabase</source>
        <translation>選択したLUTをライブラリから削除</translation>
    </message>
    <message>
        <source>LUT laden</source>
        <translation>LUTを読み込む</translation>
    </message>
    <message>
        <source>LUTLoadFromFile</source>
        <translation>cubeファイルからLUTを読み込む</translation>
    </message>
    <message>
        <source>LUT speichern</source>
        <translation>LUTを保存</translation>
    </message>
    <message>
        <source>LUTExport</source>
        <translation>現在のLUTをcubeファイルとして保存</translation>
    </message>
    <message>
        <source>LUTPrevImage</source>
        <translation>フォルダー内の前の画像からLUTを作成</translation>
    </message>
    <message>
        <source>LUT from Image</source>
        <translation>画像からLUT</translation>
    </message>
    <message>
        <source>LUTNextImage</source>
        <translation>フォルダー内の次の画像からLUTを作成</translation>
    </message>
    <message>
        <source>Typ 1</source>
        <translation>タイプ1</translation>
    </message>
    <message>
        <source>LUTType1</source>
        <translation>方法1：各カラーチャンネルの階調分布を再現</translation>
    </message>
    <message>
        <source>Typ 2</source>
        <translation>タイプ2</translation>
    </message>
    <message>
        <source>LUTType2</source>
        <translation>方法2：階調と色相を再現</translation>
    </message>
    <message>
        <source>LUT Size 17</source>
        <translation>軸あたり17点のLUT</translation>
    </message>
    <message>
        <source>LUT Size 25</source>
        <translation>軸あたり25点のLUT</translation>
    </message>
    <message>
        <source>LUT Size 32</source>
        <translation>軸あたり32点のLUT</translation>
    </message>
    <message>
        <source>LUT Size 64</source>
        <translation>軸あたり64点のLUT</translation>
    </message>
    <message>
        <source>Create Images: </source>
        <translation>プレビューを作成中: </translation>
    </message>
    <message>
        <source>LUT importieren</source>
        <translation>LUTを読み込む</translation>
    </message>
    <message>
        <source>Grade als LUT speichern</source>
        <translation>グレーディングをLUTとして保存</translation>
    </message>
    <message>
        <source>Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern</source>
        <translation>グレーディング全体の色の効果を、選択したサイズのLUTとして保存</translation>
    </message>
</context>
<context>
    <name>PPPreset</name>
    <message>
        <source>Klarer Tag</source>
        <translation>晴れた日</translation>
    </message>
    <message>
        <source>Sanftes Licht</source>
        <translation>やわらかな光</translation>
    </message>
    <message>
        <source>Warmer Abend</source>
        <translation>暖かな夕暮れ</translation>
    </message>
    <message>
        <source>Frische Farben</source>
        <translation>フレッシュカラー</translation>
    </message>
    <message>
        <source>Natürlicher Kontrast</source>
        <translation>ナチュラルコントラスト</translation>
    </message>
    <message>
        <source>Helle Mitten</source>
        <translation>明るい中間調</translation>
    </message>
    <message>
        <source>Negativtraum</source>
        <translation>ネガの夢</translation>
    </message>
    <message>
        <source>Traumleuchten</source>
        <translation>夢の輝き</translation>
    </message>
    <message>
        <source>Fremde Welt</source>
        <translation>異世界</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>赤外線</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Blaue Umkehr</source>
        <translation>ブルー反転</translation>
    </message>
    <message>
        <source>Blauer Himmel</source>
        <translation>青空</translation>
    </message>
    <message>
        <source>Sattes Grün</source>
        <translation>深い緑</translation>
    </message>
    <message>
        <source>Herbstwald</source>
        <translation>秋の森</translation>
    </message>
    <message>
        <source>Nebelmorgen</source>
        <translation>霧の朝</translation>
    </message>
    <message>
        <source>Dramatischer Himmel</source>
        <translation>ドラマチックな空</translation>
    </message>
    <message>
        <source>Wüstensonne</source>
        <translation>砂漠の太陽</translation>
    </message>
    <message>
        <source>Beton</source>
        <translation>コンクリート</translation>
    </message>
    <message>
        <source>Glas und Stahl</source>
        <translation>ガラスと鋼鉄</translation>
    </message>
    <message>
        <source>Klare Linien</source>
        <translation>くっきりした線</translation>
    </message>
    <message>
        <source>Altstadt</source>
        <translation>旧市街</translation>
    </message>
    <message>
        <source>Nachtstadt</source>
        <translation>夜の街</translation>
    </message>
    <message>
        <source>Warme Haut</source>
        <translation>暖かな肌</translation>
    </message>
    <message>
        <source>Weiche Haut</source>
        <translation>なめらかな肌</translation>
    </message>
    <message>
        <source>Portrait Schwarzweiß</source>
        <translation>モノクロポートレート</translation>
    </message>
    <message>
        <source>High Key</source>
        <translation>ハイキー</translation>
    </message>
    <message>
        <source>Low Key</source>
        <translation>ローキー</translation>
    </message>
    <message>
        <source>Sepia Klassik</source>
        <translation>クラシックセピア</translation>
    </message>
    <message>
        <source>Filmkorn</source>
        <translation>フィルム粒子</translation>
    </message>
    <message>
        <source>Kreuzentwicklung</source>
        <translation>クロスプロセス</translation>
    </message>
    <message>
        <source>Pastell</source>
        <translation>パステル</translation>
    </message>
    <message>
        <source>Zweiton</source>
        <translation>ダブルトーン</translation>
    </message>
    <message>
        <source>Lochkamera</source>
        <translation>ピンホールカメラ</translation>
    </message>
</context>
<context>
    <name>PPPresetCategory</name>
    <message>
        <source>SearchTag leer</source>
        <translation>カテゴリーなし</translation>
    </message>
    <message>
        <source>SearchTag Benutzer</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>user</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>natural</source>
        <translation>ナチュラル</translation>
    </message>
    <message>
        <source>surreal</source>
        <translation>シュール</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>風景</translation>
    </message>
    <message>
        <source>architecture</source>
        <translation>建築</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>ポートレート</translation>
    </message>
    <message>
        <source>artistic</source>
        <translation>アート</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Weich</source>
        <translation>ソフト</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>ウォーム</translation>
    </message>
    <message>
        <source>Farbig</source>
        <translation>カラフル</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>明るい</translation>
    </message>
    <message>
        <source>Kühl</source>
        <translation>クール</translation>
    </message>
    <message>
        <source>Retro</source>
        <translation>レトロ</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Schwarzweiß</source>
        <translation>モノクロ</translation>
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
        <translation>トーンマッピング</translation>
    </message>
    <message>
        <source>Undo-Daten bereinigen</source>
        <translation>取り消しデータを整理中</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Initialisiere System</source>
        <translation>システムを初期化しています</translation>
    </message>
</context>
<context>
    <name>WindowsRegistryHelper</name>
    <message>
        <source>Vantrope Marlix Projektdatei</source>
        <translation>Vantrope Marlix プロジェクトファイル</translation>
    </message>
    <message>
        <source>Error in setting Registry values</source>
        <translation>ファイルの関連付けのエラー</translation>
    </message>
    <message>
        <source>registration database update failed for key &apos;%1&apos;.</source>
        <translation>「%1」のファイル関連付けを書き込めませんでした。</translation>
    </message>
</context>
</TS>
