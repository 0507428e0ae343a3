<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Portret</source>
        <translation>似顔絵</translation>
    </message>
    <message>
        <source>Portret, tak jak zostanie zapisany</source>
        <translation>保存されるとおりの似顔絵</translation>
    </message>
    <message>
        <source>Element twarzy</source>
        <translation>顔の部位</translation>
    </message>
    <message>
        <source>Element twarzy, nad którym pracujesz</source>
        <translation>編集中の顔の部位</translation>
    </message>
    <message>
        <source>Numer bieżącej części / najwyższy numer w bibliotece</source>
        <translation>現在のパーツ番号 / ライブラリの最大番号</translation>
    </message>
    <message>
        <source>Poprzednia część</source>
        <translation>前のパーツ</translation>
    </message>
    <message>
        <source>Poprzednia część elementu</source>
        <translation>この部位の前のパーツ</translation>
    </message>
    <message>
        <source>Następna część</source>
        <translation>次のパーツ</translation>
    </message>
    <message>
        <source>Następna część elementu</source>
        <translation>この部位の次のパーツ</translation>
    </message>
    <message>
        <source>Przesuń w górę</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w górę</source>
        <translation>部位を 1 ピクセル上へ移動</translation>
    </message>
    <message>
        <source>Przesuń w dół</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w dół</source>
        <translation>部位を 1 ピクセル下へ移動</translation>
    </message>
    <message>
        <source>Przesuń w lewo</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w lewo</source>
        <translation>部位を 1 ピクセル左へ移動</translation>
    </message>
    <message>
        <source>Przesuń w prawo</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w prawo</source>
        <translation>部位を 1 ピクセル右へ移動</translation>
    </message>
    <message>
        <source>Czerwony</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Czerwony, od 0 do 255</source>
        <translation>赤 (0～255)</translation>
    </message>
    <message>
        <source>Zielony</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Zielony, od 0 do 255</source>
        <translation>緑 (0～255)</translation>
    </message>
    <message>
        <source>Niebieski</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Niebieski, od 0 do 255</source>
        <translation>青 (0～255)</translation>
    </message>
    <message>
        <source>Jasność</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Jasność, od −100 do 100</source>
        <translation>明るさ (−100～100)</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Kontrast, od −100 do 100</source>
        <translation>コントラスト (−100～100)</translation>
    </message>
    <message>
        <source>Rozmiar 48×48</source>
        <translation>サイズ 48×48</translation>
    </message>
    <message>
        <source>Zapisz portret w rozmiarze 48×48 pikseli</source>
        <translation>似顔絵を 48×48 ピクセルで保存</translation>
    </message>
    <message>
        <source>Rozmiar 96×96</source>
        <translation>サイズ 96×96</translation>
    </message>
    <message>
        <source>Zapisz portret w rozmiarze 96×96 pikseli</source>
        <translation>似顔絵を 96×96 ピクセルで保存</translation>
    </message>
    <message>
        <source>Rozmiar 192×192</source>
        <translation>サイズ 192×192</translation>
    </message>
    <message>
        <source>Zapisz portret w rozmiarze 192×192 pikseli</source>
        <translation>似顔絵を 192×192 ピクセルで保存</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Użycie: kelvaro [PLIK]
       kelvaro -- PLIK

Otwiera edytor portretów Kelvaro, a w nim PLIK: dokument .kelvaro albo obraz PNG
zapisany przez Kelvaro. Nazwę zaczynającą się od &quot;-&quot; podaj po &quot;--&quot;.

  -h, --help     wypisuje ten tekst i kończy pracę
  --version      wypisuje wersję programu i kończy pracę

Przyjmowane są też opcje Qt, np. -platform NAZWA i -style NAZWA.
</source>
        <translation>使い方: kelvaro [ファイル]
        kelvaro -- ファイル

Kelvaro 似顔絵エディターを起動し、ファイルを開きます。ファイルは .kelvaro 文書か、
Kelvaro で保存した PNG 画像です。&quot;-&quot; で始まる名前は &quot;--&quot; の後に書きます。

  -h, --help     この説明を表示して終了します
  --version      バージョンを表示して終了します

-platform 名前、-style 名前 などの Qt のオプションも使えます。
</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開けるファイルは 1 個だけです: %1 個</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>不明なオプションです: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプションに値がありません: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Portret Kelvaro (*.kelvaro)</source>
        <translation>Kelvaro 似顔絵 (*.kelvaro)</translation>
    </message>
    <message>
        <source>Plik PNG (*.png)</source>
        <translation>PNG ファイル (*.png)</translation>
    </message>
    <message>
        <source>Portret nie został zapisany. Otworzyć inny portret i porzucić zmiany?</source>
        <translation>似顔絵は保存されていません。変更を破棄して別の似顔絵を開きますか?</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>ポートレートファイルを読み込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポートレートファイルの形式が正しくありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このPNGファイルにはポートレートの情報がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このポートレートファイルは新しいバージョンのKelvaroで作成されました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポートレートファイルの内容が正しくありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポートレートファイルの保存に失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポートレートを保存した後に部品ライブラリが変更されました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Twarz</source>
        <translation>顔</translation>
    </message>
    <message>
        <source>Szyja</source>
        <translation>首</translation>
    </message>
    <message>
        <source>Oczy</source>
        <translation>目</translation>
    </message>
    <message>
        <source>Źrenice</source>
        <translation>瞳</translation>
    </message>
    <message>
        <source>Nos</source>
        <translation>鼻</translation>
    </message>
    <message>
        <source>Usta</source>
        <translation>口</translation>
    </message>
    <message>
        <source>Brwi</source>
        <translation>眉</translation>
    </message>
    <message>
        <source>Broda</source>
        <translation>ひげ</translation>
    </message>
    <message>
        <source>Uszy</source>
        <translation>耳</translation>
    </message>
    <message>
        <source>Grzywa</source>
        <translation>前髪</translation>
    </message>
    <message>
        <source>Włosy</source>
        <translation>髪</translation>
    </message>
    <message>
        <source>Ubranie</source>
        <translation>服</translation>
    </message>
    <message>
        <source>Nakrycie</source>
        <translation>帽子</translation>
    </message>
    <message>
        <source>Inne #1</source>
        <translation>その他 #1</translation>
    </message>
    <message>
        <source>Inne #2</source>
        <translation>その他 #2</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>通常のファイルではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込み中にファイルが変わりました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>.html</source>
        <comment>the ending of the help page&apos;s file name in this language</comment>
        <translation>.ja.html</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kelvaro – pomoc</source>
        <translation>Kelvaro – ヘルプ</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>すでに起動されています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二重起動を確かめるロックファイルを作成できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Jak system</source>
        <translation>システムに合わせる</translation>
    </message>
</context>
<context>
    <name>LibraryCheck</name>
    <message>
        <source>調べるフォルダは1つだけ指定してください: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 個の部品を %2 秒でデコードしました（毎秒 %3 個）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture フォルダがありません: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEMENT</source>
        <translation>要素</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>PARTS</source>
        <translation>部品数</translation>
    </message>
    <message>
        <source>HIGHEST</source>
        <translation>最大番号</translation>
    </message>
    <message>
        <source>PROBLEMS</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Part library: %1</source>
        <translation>部品ライブラリ: %1</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Problems found: %1</source>
        <translation>見つかった問題: %1</translation>
    </message>
    <message>
        <source>部品が1つもありません（000.png がありません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 がないため、それより上の番号の部品 %2 は数えられません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではありません（dummy.png が表示されます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像を読み込めません（dummy.png が表示されます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG ファイルではありません（%1 として読み込まれます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 番の部品がありません（dummy.png が表示されます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 番の部品は主フォルダにありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>透明ではありません（「なし」のはずの部品が見えます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（左上から 230x230 に切り取られます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（左上に置かれ、残りは透明になります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（左上に置かれ、はみ出す部分は切り取られ、足りない部分は透明になります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（192x192 に伸縮されます）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryCommand</name>
    <message>
        <source>要素が指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明な要素です: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>コマンドを指定してください: check または add（使い方は --help）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明なコマンドです: %1（使い方は --help）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryHelp</name>
    <message>
        <source>Usage:
  kelvaro-library check [DIR] [--json] [--decode]
  kelvaro-library add ELEMENT PICTURE... [--library DIR]
  kelvaro-library COMMAND --help

kelvaro-library looks after a Kelvaro part library, the picture/ folder below DIR.

Commands:
  check   List the parts of every element and what the editor would make of them:
          gaps that hide parts, pictures that are not 230x230, files that show the
          dummy, secondary folders out of step, problems of wall.png and dummy.png.
  add     Append pictures as the next parts of an element.

Options:
  -h, --help
      Print this text (after a command: the command&apos;s) and exit.
  --version
      Print the version and exit.
</source>
        <translation>使い方:
  kelvaro-library check [DIR] [--json] [--decode]
  kelvaro-library add ELEMENT PICTURE... [--library DIR]
  kelvaro-library COMMAND --help

kelvaro-library は DIR の下の picture/ フォルダにある Kelvaro の部品ライブラリを管理します。

コマンド:
  check   すべての要素の部品と、エディタがそれをどう扱うかを一覧にします:
          部品を隠す番号の抜け、230x230 でない画像、dummy が表示されるファイル、
          番号の揃わない副フォルダ、wall.png と dummy.png の問題。
  add     画像を要素の次の部品として追加します。

オプション:
  -h, --help
      この説明（コマンドの後ではそのコマンドの説明）を表示して終了します。
  --version
      バージョンを表示して終了します。
</translation>
    </message>
    <message>
        <source>Usage:
  kelvaro-library check [DIR] [--json] [--decode]

Checks the part library below DIR (default: the current folder when it holds picture/,
else the user&apos;s library $XDG_DATA_HOME/kelvaro, else the installed sample library) and
prints a table of each element&apos;s folders (parts counted as the editor counts them, the
highest number) and one line per problem. Each file&apos;s header is read, not its pixels;
wall.png, dummy.png and part 000 of the beard, headwear, accessory and band are decoded.

Options:
  --json
      Print the same report as JSON.
  --decode
      Decode every part in full, on every core, and print the parts decoded per second
      on standard error.

The exit status is 0 when nothing was found, 1 when something was, 2 for a wrong
command line.
</source>
        <translation>使い方:
  kelvaro-library check [DIR] [--json] [--decode]

DIR の下の部品ライブラリを調べます（既定: picture/ があれば現在のフォルダ、
なければユーザーのライブラリ $XDG_DATA_HOME/kelvaro、それもなければインストールされた
サンプルライブラリ）。要素ごとのフォルダの表（エディタと同じ数え方の部品数、最大番号）と、
問題ごとに1行を表示します。各ファイルはヘッダーだけを読み、画素は読みません。
wall.png、dummy.png と、ひげ・かぶり物・アクセサリー・バンドの部品 000 はデコードします。

オプション:
  --json
      同じ報告を JSON で表示します。
  --decode
      すべての部品を全コアで完全にデコードし、1秒あたりのデコード数を
      標準エラー出力に表示します。

終了ステータスは、何も見つからなければ 0、何か見つかれば 1、
コマンドラインが正しくなければ 2 です。
</translation>
    </message>
    <message>
        <source>Usage:
  kelvaro-library add ELEMENT PICTURE... [--library DIR]

Appends the PICTUREs as the next part numbers of ELEMENT&apos;s primary folder below DIR
(default as for check). ELEMENT is a list text such as Twarz or Inne #1, or a folder
name such as face or bhair1, in any letter case. A 230x230 PNG is copied byte for byte;
any other picture is scaled to fit 230x230 keeping its proportions, centred, its alpha
kept. The element&apos;s secondary folders get fully transparent parts of the same numbers.
Nothing is written when any PICTURE cannot be read. The numbers given are printed.
</source>
        <translation>使い方:
  kelvaro-library add ELEMENT PICTURE... [--library DIR]

PICTURE を DIR の下にある ELEMENT の主フォルダの次の部品番号として追加します
（DIR の既定は check と同じ）。ELEMENT は Twarz や Inne #1 のような一覧の名前、
または face や bhair1 のようなフォルダ名です（大文字小文字は区別しません）。
230x230 の PNG はそのままバイト単位でコピーし、それ以外の画像は縦横比を保って
230x230 に収まるように拡大縮小し、中央に置き、アルファを保ちます。要素の副フォルダには
同じ番号の完全に透明な部品を作ります。読み込めない PICTURE が1つでもあれば何も
書き込みません。割り当てた番号を表示します。
</translation>
    </message>
</context>
<context>
    <name>PaletteLibrary</name>
    <message>
        <source>パレットを読み込めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パレットを取り込めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パレットのファイルが多すぎます（256 個まで）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP パレットではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色の値が正しくありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色が多すぎます（4096 色まで）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 のテキストではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色がひとつもありません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartImport</name>
    <message>
        <source>部品ライブラリが見つかりません: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>部品番号は 999 までです。これ以上部品を追加できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>部品ファイルの書き込みに失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の番号には既にファイルがあるため使いませんでした: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイルを読み込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像が大きすぎます: %1x%2 ピクセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の形式に対応していないか、ファイルが壊れています</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartLibrary</name>
    <message>
        <source>部品ファイルのオープンに失敗しました
%1が存在しないか、または読み込みエラーです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wall.pngの読み込みに失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortraitExport</name>
    <message>
        <source>画像のエンコードに失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>復元ファイルの形式ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このバージョンの復元ファイルは読めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元ファイルの肖像が壊れています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元ファイルの値が正しくありません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryTexts</name>
    <message>
        <source>復元ファイルが壊れているため、別の場所に移しました。
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvaro nie został poprawnie zamknięty. Przywrócić niezapisany portret?</source>
        <translation>Kelvaro は正しく終了しませんでした。保存されていない似顔絵を復元しますか?</translation>
    </message>
</context>
<context>
    <name>RenderHelp</name>
    <message>
        <source>Print this text and exit.</source>
        <translation>この説明を表示して終了します。</translation>
    </message>
    <message>
        <source>Edge length in pixels, 16 to 1024 (48, 96, 144, 192 ...). Default: the size the portrait was saved with; 144 for a COLSxROWS sheet.</source>
        <translation>一辺のピクセル数、16～1024 (48、96、144、192 など)。既定: 似顔絵を保存したときのサイズ。COLSxROWS のシートでは 144。</translation>
    </message>
    <message>
        <source>Leave out the wall and keep the layers&apos; alpha (32-bit PNG, straight alpha; not BMP).</source>
        <translation>背景を描かず、レイヤーのアルファを残します (32 ビット PNG、ストレート アルファ。BMP は不可)。</translation>
    </message>
    <message>
        <source>File format (default: png; bmp when OUT is one file named *.bmp). BMP carries no recipe.</source>
        <translation>ファイル形式 (既定: png。OUT が *.bmp という名前の 1 つのファイルなら bmp)。BMP にはレシピが入りません。</translation>
    </message>
    <message>
        <source>The file to write (one PORTRAIT, or the sheet), or the folder to write into.</source>
        <translation>書き出すファイル (PORTRAIT が 1 つのとき、またはシート)、または書き出し先のフォルダー。</translation>
    </message>
    <message>
        <source>Draw COUNT portraits (1 to 1000000) into the folder OUT.</source>
        <translation>COUNT 個 (1～1000000) の似顔絵をランダムに作り、フォルダー OUT に書き出します。</translation>
    </message>
    <message>
        <source>Seed of the draws, 0 to 2^64-1 (decimal, or hexadecimal after 0x). Portrait i (from 0) is drawn with seed S+i, so --random 1 --seed S+i draws it again.</source>
        <translation>ランダムのシード、0～2^64-1 (10 進数、または 0x に続けて 16 進数)。i 番目 (0 から) の似顔絵はシード S+i で作られるので、--random 1 --seed S+i で同じものをもう一度作れます。</translation>
    </message>
    <message>
        <source>The portrait the draws start from: its parts, placements and tints (default: every part 000 at its place, in the default colours).</source>
        <translation>ランダムに作るときの元の似顔絵: そのパーツ、位置、色 (既定: すべてパーツ 000、元の位置、既定の色)。</translation>
    </message>
    <message>
        <source>Keep these elements of the base (list texts such as Twarz or Inne #1, or folder names such as face or bhair1; any letter case). With --lock every other element is drawn; without it the eight elements Generuj draws are.</source>
        <translation>元の似顔絵のこれらの部位を変えません (Twarz や Inne #1 のような一覧の名前、または face や bhair1 のようなフォルダー名。大文字小文字は区別しません)。--lock があるとほかのすべての部位を、ないと「Generuj」が選ぶ 8 つの部位をランダムに選びます。</translation>
    </message>
    <message>
        <source>Draw each portrait&apos;s colours too: a skin tone, one hair colour for all hair, an eye colour, and colours for clothes and headwear, from the palettes (with the seed of the portrait, so --random 1 --seed S+i --colours draws it again).</source>
        <translation>似顔絵ごとに色もランダムに選びます: 肌の色、すべての髪に共通の髪の色、目の色、服と帽子の色をパレットから選びます (似顔絵のシードを使うので、--random 1 --seed S+i --colours で同じものをもう一度作れます)。</translation>
    </message>
    <message>
        <source>Read the palettes for --colours from DIR (skin.gpl, hair.gpl, eyes.gpl, general.gpl) instead of those installed with the program.</source>
        <translation>--colours のパレットを、プログラムと一緒にインストールされたものではなく DIR から読みます (skin.gpl、hair.gpl、eyes.gpl、general.gpl)。</translation>
    </message>
    <message>
        <source>Lay the PORTRAITs out on one sheet: mz, mv, vxace, rm2000 or COLSxROWS.</source>
        <translation>PORTRAIT を 1 枚のシートに並べます: mz、mv、vxace、rm2000 または COLSxROWS。</translation>
    </message>
    <message>
        <source>Render the PORTRAIT&apos;s faces, the base (Neutralna) and then each expression: each into the folder OUT under its name, or with --sheet on one sheet.</source>
        <translation>PORTRAIT の顔を、基本 (Neutralna) から順に各表情まで描き出します: それぞれをその名前でフォルダー OUT に、または --sheet があれば 1 枚のシートに。</translation>
    </message>
    <message>
        <source>Give each drawn portrait the expressions of TEMPLATE and write each as a face sheet (needs --random and --sheet).</source>
        <translation>ランダムに作った似顔絵に TEMPLATE の表情を付け、それぞれを顔のシートとして書き出します (--random と --sheet が必要)。</translation>
    </message>
    <message>
        <source>Render N portraits at a time (default: one per core).</source>
        <translation>N 個の似顔絵を同時に描きます (既定: コアごとに 1 つ)。</translation>
    </message>
    <message>
        <source>%1: %2x%3 faces of %4x%4, %5x%6</source>
        <translation>%1: %4x%4 の顔を %2x%3、%5x%6</translation>
    </message>
    <message>
        <source>  COLSxROWS  COLS x ROWS faces of --size (default %1), 1 to 64 each way
A sheet has at most %2 pixels (4096x4096); a larger one is a wrong command line.
</source>
        <translation>  COLSxROWS  --size (既定 %1) の顔を COLS x ROWS、縦横それぞれ 1～64
シートは最大 %2 ピクセル (4096x4096) です。それより大きいものはコマンドラインの誤りです。
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Usage:
  kelvaro-render [--library DIR] [--size N] [--transparent] [--format png|bmp]
                 -o OUT PORTRAIT...
  kelvaro-render [--library DIR] --random COUNT --seed S [--base PORTRAIT]
                 [--lock ELEMENT,...] [--colours [--palettes DIR]] [--size N]
                 -o FOLDER
  kelvaro-render [--library DIR] --sheet mz|mv|vxace|rm2000|COLSxROWS [--size N]
                 -o SHEET.png PORTRAIT...
  kelvaro-render [--library DIR] --expressions [--sheet LAYOUT] [--size N]
                 -o FOLDER|SHEET.png PORTRAIT
  kelvaro-render [--library DIR] --random COUNT --seed S
                 --expressions-from TEMPLATE --sheet LAYOUT -o FOLDER

kelvaro-render renders Kelvaro portraits without a window, with exactly the pixels the
editor&apos;s &quot;Zapisz&quot; writes. A PORTRAIT is a .kelvaro document or a PNG saved by Kelvaro.
With one PORTRAIT, OUT is the file to write (unless it is a folder); with several, OUT
is a folder and each portrait is written there under its own name. Drawn portraits are
named 0001.png, 0002.png, ...; each PNG carries its recipe and its seed. The faces of a
portrait with expressions are named Neutralna.png (the base) and after each expression;
a sheet of faces carries the portrait&apos;s recipe with its expressions.

Sheets (cells left to right, top to bottom; empty cells transparent):
</source>
        <translation>使い方:
  kelvaro-render [--library DIR] [--size N] [--transparent] [--format png|bmp]
                 -o OUT PORTRAIT...
  kelvaro-render [--library DIR] --random COUNT --seed S [--base PORTRAIT]
                 [--lock ELEMENT,...] [--colours [--palettes DIR]] [--size N]
                 -o FOLDER
  kelvaro-render [--library DIR] --sheet mz|mv|vxace|rm2000|COLSxROWS [--size N]
                 -o SHEET.png PORTRAIT...
  kelvaro-render [--library DIR] --expressions [--sheet LAYOUT] [--size N]
                 -o FOLDER|SHEET.png PORTRAIT
  kelvaro-render [--library DIR] --random COUNT --seed S
                 --expressions-from TEMPLATE --sheet LAYOUT -o FOLDER

kelvaro-render は Kelvaro の似顔絵をウィンドウなしで描き出します。画素はエディターの「Zapisz」が
書き出すものとまったく同じです。PORTRAIT は .kelvaro 文書か、Kelvaro が保存した PNG です。
PORTRAIT が 1 つなら OUT は書き出すファイル (フォルダーでなければ)、複数なら OUT はフォルダーで、
それぞれの似顔絵がその中に元の名前で書き出されます。ランダムに作った似顔絵の名前は 0001.png、
0002.png ... で、どの PNG にもレシピとシードが入ります。表情のある似顔絵の顔の名前は
Neutralna.png (基本) と各表情の名前で、顔のシートには似顔絵のレシピが表情ごと入ります。

シート (セルは左から右、上から下の順。空のセルは透明):
</translation>
    </message>
    <message>
        <source>
Progress is shown on standard error when it is a terminal. On success nothing else is
printed and the exit status is 0, but for one line per document whose part files
changed since it was saved; every failure prints one line and the status is 1 (2 for a
wrong command line). A file that cannot be written is never left half-written.
</source>
        <translation>
標準エラー出力が端末なら進み具合を表示します。成功したときは、保存後にパーツのファイルが変わった文書
ごとの 1 行のほかは何も表示せず、終了ステータスは 0 です。失敗はそれぞれ 1 行で表示し、ステータスは 1
(コマンドラインの誤りなら 2) です。書き出せなかったファイルが書きかけのまま残ることはありません。
</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>The folder that holds picture/ (default: the current folder when it holds picture/, else the user&apos;s library $XDG_DATA_HOME/kelvaro, else the installed sample library).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the one PORTRAIT (a file name or a file:// URI) as an NxN PNG to the file OUT, as a file manager&apos;s thumbnail: N from 1, sizes above 512 give 512. Missing parts are drawn with the dummy.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>オプションの値が正しくありません: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このシートの顔の大きさは %1 ピクセルに決まっています: --size %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シートに入るポートレートは %1 個までです: %2 個</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シートが大きすぎます: %1x%2 ピクセル (上限 %3 ピクセル)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--expressions は --random と一緒に使えません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--expressions-from は --random と一緒に使います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--expressions-from には --sheet が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--random と --sheet は --expressions-from と一緒に使います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--expressions に指定できるポートレートファイルは 1 個です: %1 個</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力先が指定されていません: -o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--random には --seed が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seed, --base, --lock は --random と一緒に使います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--colours は --random と一緒に使います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--palettes は --colours と一緒に使います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--random にポートレートファイルは指定できません: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポートレートファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>透過画像はPNG形式でのみ保存できます: --transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シートはPNG形式でのみ保存できます: --format bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--thumbnail に指定できるのは 1 個のポートレートファイルだけです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サムネイルは不透明なPNG形式でのみ保存できます</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>部品ライブラリが見つかりません: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイルの保存に失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力フォルダを作成できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力ファイル名が重複しています: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Mapa bitowa 24-bit (*.bmp)  </source>
        <translation>24 ビット ビットマップ (*.bmp)  </translation>
    </message>
    <message>
        <source>Plik PNG (*.png)     </source>
        <translation>PNG ファイル (*.png)     </translation>
    </message>
</context>
<context>
    <name>Step</name>
    <message>
        <source>Poprzednia część</source>
        <translation>前のパーツ</translation>
    </message>
    <message>
        <source>Następna część</source>
        <translation>次のパーツ</translation>
    </message>
    <message>
        <source>Generuj</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Resetuj</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Przesuń w górę</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Przesuń w dół</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Przesuń w lewo</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Przesuń w prawo</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Wyśrodkuj</source>
        <translation>中央へ</translation>
    </message>
    <message>
        <source>Obrót w prawo</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Obrót w lewo</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Czerwony</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Zielony</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Niebieski</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Jasność</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Otwórz portret</source>
        <translation>似顔絵を開く</translation>
    </message>
    <message>
        <source>Wybór części</source>
        <translation>パーツの選択</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Wspólny kolor</source>
        <translation>共通の色</translation>
    </message>
    <message>
        <source>Losuj kolory</source>
        <translation>色をランダムに</translation>
    </message>
    <message>
        <source>Dodaj minę</source>
        <translation>表情を追加</translation>
    </message>
    <message>
        <source>Usuń minę</source>
        <translation>表情を削除</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Przesuń minę</source>
        <translation>表情を移動</translation>
    </message>
    <message>
        <source>Jak w neutralnej</source>
        <translation>通常と同じ</translation>
    </message>
    <message>
        <source>Wczytaj miny</source>
        <translation>表情を読み込む</translation>
    </message>
    <message>
        <source>Zestaw podstawowy</source>
        <translation>基本セット</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <source>Element twarzy</source>
        <translation>顔の部位</translation>
    </message>
    <message>
        <source>Ruszaj</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Obrót w lewo</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Obrót w prawo</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Wyśrodkuj</source>
        <translation>中央へ</translation>
    </message>
    <message>
        <source>Generuj</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Resetuj</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Wymiary</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Ustaw wzór</source>
        <translation>パターン設定</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Kelvaro PL wersja: 3.2</source>
        <translation>Kelvaro PL バージョン: 3.2</translation>
    </message>
    <message>
        <source>Edytor portretów złożonych z warstw.</source>
        <translation>レイヤーで作る似顔絵エディター</translation>
    </message>
    <message>
        <source>Wszystkie części rysuje sam program.</source>
        <translation>パーツはすべて自前で描画しています。</translation>
    </message>
    <message>
        <source>Zespół Kelvaro, 2026</source>
        <translation>Kelvaro チーム, 2026</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Minimalizuj</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Zamknij	Alt+F4</source>
        <translation>閉じる	Alt+F4</translation>
    </message>
    <message>
        <source>O programie Kelvaro(&amp;A)</source>
        <translation>Kelvaro について(&amp;A)</translation>
    </message>
    <message>
        <source>Ostatnio otwierane</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Wyczyść listę</source>
        <translation>一覧を消去</translation>
    </message>
</context>
<context>
    <name>kelvaro::CKelvaroDlg</name>
    <message>
        <source>Proszę podać liczbę całkowitą.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Zakończyć pracę z programem?          </source>
        <translation>プログラムを終了しますか?          </translation>
    </message>
    <message>
        <source>Nie można znaleźć pliku z pomocą.</source>
        <translation>ヘルプ ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>ファイルが見つからないため、一覧から外しました
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvaro::ColoursTab</name>
    <message>
        <source>Paleta GIMP (*.gpl)</source>
        <translation>GIMP パレット (*.gpl)</translation>
    </message>
    <message>
        <source>Kolory</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Paleta:</source>
        <translation>パレット:</translation>
    </message>
    <message>
        <source>Próbki kolorów</source>
        <translation>色見本</translation>
    </message>
    <message>
        <source>Wspólny kolor</source>
        <translation>共通の色</translation>
    </message>
    <message>
        <source>Inny kolor…</source>
        <translation>ほかの色…</translation>
    </message>
    <message>
        <source>Losuj kolory</source>
        <translation>色をランダムに</translation>
    </message>
    <message>
        <source>Importuj paletę…</source>
        <translation>パレットを読み込む…</translation>
    </message>
</context>
<context>
    <name>kelvaro::CompanionWindow</name>
    <message>
        <source>Przybornik</source>
        <translation>ツールボックス</translation>
    </message>
</context>
<context>
    <name>kelvaro::EditorKeys</name>
    <message>
        <source>Cofnij</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Ponów</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Otwórz portret…</source>
        <translation>似顔絵を開く…</translation>
    </message>
    <message>
        <source>Zapisz portret</source>
        <translation>似顔絵を保存</translation>
    </message>
    <message>
        <source>Zapisz portret jako…</source>
        <translation>名前を付けて似顔絵を保存…</translation>
    </message>
    <message>
        <source>Zapisz arkusz twarzy…</source>
        <translation>フェイス シートを保存…</translation>
    </message>
    <message>
        <source>Zapisz miny jako pliki…</source>
        <translation>表情をファイルに保存…</translation>
    </message>
    <message>
        <source>Galeria części</source>
        <translation>パーツ ギャラリー</translation>
    </message>
    <message>
        <source>Kolory</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Miny</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Losuj kolory</source>
        <translation>色をランダムに</translation>
    </message>
</context>
<context>
    <name>kelvaro::ExpressionsTab</name>
    <message>
        <source>Dodaj minę</source>
        <translation>表情を追加</translation>
    </message>
    <message>
        <source>Usuń minę</source>
        <translation>表情を削除</translation>
    </message>
    <message>
        <source>Przesuń minę w lewo</source>
        <translation>表情を左へ移動</translation>
    </message>
    <message>
        <source>Przesuń minę w prawo</source>
        <translation>表情を右へ移動</translation>
    </message>
    <message>
        <source>Zmień nazwę…</source>
        <translation>名前を変更…</translation>
    </message>
    <message>
        <source>Jak w neutralnej</source>
        <translation>通常と同じ</translation>
    </message>
    <message>
        <source>Zestaw podstawowy</source>
        <translation>基本セット</translation>
    </message>
    <message>
        <source>Wczytaj miny z portretu…</source>
        <translation>似顔絵から表情を読み込む…</translation>
    </message>
    <message>
        <source>Neutralna</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Miny</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Miny postaci</source>
        <translation>キャラクターの表情</translation>
    </message>
    <message>
        <source>Mina %1</source>
        <translation>表情 %1</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Nazwa miny:</source>
        <translation>表情の名前:</translation>
    </message>
</context>
<context>
    <name>kelvaro::FaceSheetDialog</name>
    <message>
        <source>RPG Maker MZ/MV (4×2, 144 px) (*.png)</source>
        <translation>RPG Maker MZ/MV (4×2, 144 px) (*.png)</translation>
    </message>
    <message>
        <source>RPG Maker VX Ace (4×2, 96 px) (*.png)</source>
        <translation>RPG Maker VX Ace (4×2, 96 px) (*.png)</translation>
    </message>
    <message>
        <source>RPG Maker 2000/2003 (4×4, 48 px) (*.png)</source>
        <translation>RPG Maker 2000/2003 (4×4, 48 px) (*.png)</translation>
    </message>
    <message>
        <source>Zapisz arkusz twarzy</source>
        <translation>フェイス シートを保存</translation>
    </message>
    <message>
        <source>Przezroczyste tło</source>
        <translation>背景を透明にする</translation>
    </message>
    <message>
        <source>Zapisz miny jako pliki</source>
        <translation>表情をファイルに保存</translation>
    </message>
</context>
<context>
    <name>kelvaro::GalleryCells</name>
    <message>
        <source>Część %1</source>
        <translation>パーツ %1</translation>
    </message>
    <message>
        <source>Brak pliku części: %1 — w zamian pokazano dummy.png</source>
        <translation>部品ファイルがありません: %1 — 代わりにdummy.pngを表示しています</translation>
    </message>
    <message>
        <source>To nie jest zwykły plik: %1 — w zamian pokazano dummy.png</source>
        <translation>通常のファイルではありません: %1 — 代わりにdummy.pngを表示しています</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku części: %1 — w zamian pokazano dummy.png</source>
        <translation>部品ファイルを読み込めません: %1 — 代わりにdummy.pngを表示しています</translation>
    </message>
</context>
<context>
    <name>kelvaro::PartsDrop</name>
    <message>
        <source>Dodać %1 obrazów jako nowe części elementu %2?</source>
        <translation>%1 個の画像を要素「%2」の新しい部品として追加しますか？</translation>
    </message>
</context>
<context>
    <name>kelvaro::PartsTab</name>
    <message>
        <source>Części</source>
        <translation>パーツ</translation>
    </message>
    <message>
        <source>Części elementu</source>
        <translation>部位のパーツ</translation>
    </message>
    <message>
        <source>Ten element nie ma żadnej części.</source>
        <translation>この部位にはパーツがありません。</translation>
    </message>
</context>
<context>
    <name>kelvaro::PortraitEditor</name>
    <message>
        <source>画像ファイルの保存に失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイルの書き込みに失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvaro::PreviewStrip</name>
    <message>
        <source>Podgląd zapisu: 48×48, 96×96, 192×192</source>
        <translation>保存される画像のプレビュー: 48×48, 96×96, 192×192</translation>
    </message>
    <message>
        <source>Portret tak, jak zapisze go „Zapisz”; kliknięcie wybiera wymiary</source>
        <translation>「保存」で書き出される似顔絵。クリックでサイズを選びます</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecoveryAutosave</name>
    <message>
        <source>復元用のファイルを書き込めません。編集はこのまま続けられますが、異常終了した場合は作業を復元できません。
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvaro::ToolTips</name>
    <message>
        <source>Ustaw element na środku, bez obrotu</source>
        <translation>要素を中央に置き、回転を戻す</translation>
    </message>
    <message>
        <source>Obróć element o 5° w prawo</source>
        <translation>要素を右に5°回転</translation>
    </message>
    <message>
        <source>Obróć element o 5° w lewo</source>
        <translation>要素を左に5°回転</translation>
    </message>
    <message>
        <source>Wylosuj nowe części twarzy</source>
        <translation>顔のパーツをランダムに選ぶ</translation>
    </message>
    <message>
        <source>Wróć do części zapisanych we wzorze</source>
        <translation>パターンのパーツに戻す</translation>
    </message>
    <message>
        <source>Zapamiętaj obecne części jako wzór</source>
        <translation>今のパーツをパターンとして記憶</translation>
    </message>
    <message>
        <source>Pokaż informacje o programie</source>
        <translation>プログラムの情報を表示</translation>
    </message>
    <message>
        <source>Otwórz pomoc</source>
        <translation>ヘルプを開く</translation>
    </message>
    <message>
        <source>Zapisz portret jako obraz PNG lub BMP</source>
        <translation>ポートレートをPNGまたはBMP画像で保存</translation>
    </message>
    <message>
        <source>Zamknij program</source>
        <translation>プログラムを終了</translation>
    </message>
    <message>
        <source>Ten sam kolor dla połączonych elementów</source>
        <translation>リンクした要素に同じ色</translation>
    </message>
    <message>
        <source>Wybierz dowolny kolor</source>
        <translation>任意の色を選ぶ</translation>
    </message>
    <message>
        <source>Wylosuj kolory portretu</source>
        <translation>ポートレートの色をランダムに選ぶ</translation>
    </message>
    <message>
        <source>Dodaj paletę z pliku GIMP-a (.gpl)</source>
        <translation>GIMPのファイル(.gpl)からパレットを追加</translation>
    </message>
    <message>
        <source>Dodaj nową minę</source>
        <translation>新しい表情を追加</translation>
    </message>
    <message>
        <source>Usuń wybraną minę</source>
        <translation>選んだ表情を削除</translation>
    </message>
    <message>
        <source>Zmień nazwę wybranej miny</source>
        <translation>選んだ表情の名前を変更</translation>
    </message>
    <message>
        <source>Pokaż element w tej minie tak jak w neutralnej</source>
        <translation>この表情でも要素を無表情と同じに表示</translation>
    </message>
    <message>
        <source>Dodaj podstawowy zestaw min</source>
        <translation>基本の表情セットを追加</translation>
    </message>
    <message>
        <source>Wczytaj miny z innego portretu</source>
        <translation>別のポートレートから表情を読み込む</translation>
    </message>
    <message>
        <source>Pokaż wcześniejsze karty</source>
        <translation>前のタブを表示</translation>
    </message>
    <message>
        <source>Pokaż dalsze karty</source>
        <translation>次のタブを表示</translation>
    </message>
    <message>
        <source>Prawy przycisk myszy albo Shift+F10 otwiera menu z dalszymi poleceniami</source>
        <translation>右クリックまたはShift+F10で、その他のコマンドのメニューを開きます</translation>
    </message>
</context>
</TS>
