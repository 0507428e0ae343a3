<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Portret</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Portret, tak jak zostanie zapisany</source>
        <translation>The portrait as it will be saved</translation>
    </message>
    <message>
        <source>Element twarzy</source>
        <translation>Facial feature</translation>
    </message>
    <message>
        <source>Element twarzy, nad którym pracujesz</source>
        <translation>The facial feature you are working on</translation>
    </message>
    <message>
        <source>Numer bieżącej części / najwyższy numer w bibliotece</source>
        <translation>Current part number / highest number in the library</translation>
    </message>
    <message>
        <source>Poprzednia część</source>
        <translation>Previous part</translation>
    </message>
    <message>
        <source>Poprzednia część elementu</source>
        <translation>The feature&apos;s previous part</translation>
    </message>
    <message>
        <source>Następna część</source>
        <translation>Next part</translation>
    </message>
    <message>
        <source>Następna część elementu</source>
        <translation>The feature&apos;s next part</translation>
    </message>
    <message>
        <source>Przesuń w górę</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w górę</source>
        <translation>Move the feature one pixel up</translation>
    </message>
    <message>
        <source>Przesuń w dół</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w dół</source>
        <translation>Move the feature one pixel down</translation>
    </message>
    <message>
        <source>Przesuń w lewo</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w lewo</source>
        <translation>Move the feature one pixel left</translation>
    </message>
    <message>
        <source>Przesuń w prawo</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>Przesuń element o jeden piksel w prawo</source>
        <translation>Move the feature one pixel right</translation>
    </message>
    <message>
        <source>Czerwony</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Czerwony, od 0 do 255</source>
        <translation>Red, from 0 to 255</translation>
    </message>
    <message>
        <source>Zielony</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Zielony, od 0 do 255</source>
        <translation>Green, from 0 to 255</translation>
    </message>
    <message>
        <source>Niebieski</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Niebieski, od 0 do 255</source>
        <translation>Blue, from 0 to 255</translation>
    </message>
    <message>
        <source>Jasność</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Jasność, od −100 do 100</source>
        <translation>Brightness, from −100 to 100</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Kontrast, od −100 do 100</source>
        <translation>Contrast, from −100 to 100</translation>
    </message>
    <message>
        <source>Rozmiar 48×48</source>
        <translation>Size 48×48</translation>
    </message>
    <message>
        <source>Zapisz portret w rozmiarze 48×48 pikseli</source>
        <translation>Save the portrait at 48×48 pixels</translation>
    </message>
    <message>
        <source>Rozmiar 96×96</source>
        <translation>Size 96×96</translation>
    </message>
    <message>
        <source>Zapisz portret w rozmiarze 96×96 pikseli</source>
        <translation>Save the portrait at 96×96 pixels</translation>
    </message>
    <message>
        <source>Rozmiar 192×192</source>
        <translation>Size 192×192</translation>
    </message>
    <message>
        <source>Zapisz portret w rozmiarze 192×192 pikseli</source>
        <translation>Save the portrait at 192×192 pixels</translation>
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
        <translation>Usage: kelvaro [FILE]
       kelvaro -- FILE

Opens the Kelvaro portrait editor, and FILE in it: a .kelvaro document or a PNG image
saved by Kelvaro. Give a name that begins with &quot;-&quot; after &quot;--&quot;.

  -h, --help     print this text and exit
  --version      print the program&apos;s version and exit

Qt&apos;s own options are accepted too, e.g. -platform NAME and -style NAME.
</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>開けるファイルは 1 個だけです: %1 個</source>
        <translation>only one file can be opened, not %1</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>オプションに値がありません: %1</source>
        <translation>Option without a value: %1</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Portret Kelvaro (*.kelvaro)</source>
        <translation>Kelvaro portrait (*.kelvaro)</translation>
    </message>
    <message>
        <source>Plik PNG (*.png)</source>
        <translation>PNG file (*.png)</translation>
    </message>
    <message>
        <source>Portret nie został zapisany. Otworzyć inny portret i porzucić zmiany?</source>
        <translation>The portrait has not been saved. Open another portrait and discard the changes?</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>ポートレートファイルを読み込めませんでした</source>
        <translation>Could not read the portrait file</translation>
    </message>
    <message>
        <source>ポートレートファイルの形式が正しくありません</source>
        <translation>The portrait file is not in the right format</translation>
    </message>
    <message>
        <source>このPNGファイルにはポートレートの情報がありません</source>
        <translation>This PNG file holds no portrait</translation>
    </message>
    <message>
        <source>このポートレートファイルは新しいバージョンのKelvaroで作成されました</source>
        <translation>This portrait file was made by a newer version of Kelvaro</translation>
    </message>
    <message>
        <source>ポートレートファイルの内容が正しくありません</source>
        <translation>The portrait file holds wrong values</translation>
    </message>
    <message>
        <source>ポートレートファイルの保存に失敗しました</source>
        <translation>Could not save the portrait file</translation>
    </message>
    <message>
        <source>ポートレートを保存した後に部品ライブラリが変更されました</source>
        <translation>The part library has changed since the portrait was saved</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Twarz</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Szyja</source>
        <translation>Neck</translation>
    </message>
    <message>
        <source>Oczy</source>
        <translation>Eyes</translation>
    </message>
    <message>
        <source>Źrenice</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Nos</source>
        <translation>Nose</translation>
    </message>
    <message>
        <source>Usta</source>
        <translation>Mouth</translation>
    </message>
    <message>
        <source>Brwi</source>
        <translation>Eyebrows</translation>
    </message>
    <message>
        <source>Broda</source>
        <translation>Beard</translation>
    </message>
    <message>
        <source>Uszy</source>
        <translation>Ears</translation>
    </message>
    <message>
        <source>Grzywa</source>
        <translation>Fringe</translation>
    </message>
    <message>
        <source>Włosy</source>
        <translation>Hair</translation>
    </message>
    <message>
        <source>Ubranie</source>
        <translation>Clothes</translation>
    </message>
    <message>
        <source>Nakrycie</source>
        <translation>Headwear</translation>
    </message>
    <message>
        <source>Inne #1</source>
        <translation>Other #1</translation>
    </message>
    <message>
        <source>Inne #2</source>
        <translation>Other #2</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>通常のファイルではありません</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>読み込み中にファイルが変わりました</source>
        <translation>The file changed while it was being read</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>.html</source>
        <comment>the ending of the help page&apos;s file name in this language</comment>
        <translation>.en.html</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kelvaro – pomoc</source>
        <translation>Kelvaro – Help</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>すでに起動されています</source>
        <translation>Kelvaro is already running</translation>
    </message>
    <message>
        <source>二重起動を確かめるロックファイルを作成できませんでした</source>
        <translation>Could not create the lock file that keeps a second copy from starting</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Jak system</source>
        <translation>System default</translation>
    </message>
</context>
<context>
    <name>LibraryCheck</name>
    <message>
        <source>調べるフォルダは1つだけ指定してください: %1</source>
        <translation>Name only one folder to check: %1</translation>
    </message>
    <message>
        <source>%1 個の部品を %2 秒でデコードしました（毎秒 %3 個）</source>
        <translation>Decoded %1 parts in %2 s (%3 parts per second)</translation>
    </message>
    <message>
        <source>picture フォルダがありません: %1</source>
        <translation>There is no picture folder: %1</translation>
    </message>
    <message>
        <source>ELEMENT</source>
        <translation>ELEMENT</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>PARTS</source>
        <translation>PARTS</translation>
    </message>
    <message>
        <source>HIGHEST</source>
        <translation>HIGHEST</translation>
    </message>
    <message>
        <source>PROBLEMS</source>
        <translation>PROBLEMS</translation>
    </message>
    <message>
        <source>Part library: %1</source>
        <translation>Part library: %1</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>Problems found: %1</source>
        <translation>Problems found: %1</translation>
    </message>
    <message>
        <source>部品が1つもありません（000.png がありません）</source>
        <translation>No parts at all (000.png is missing)</translation>
    </message>
    <message>
        <source>%1 がないため、それより上の番号の部品 %2 は数えられません</source>
        <translation>%1 is missing, so the parts above it, %2, are not counted</translation>
    </message>
    <message>
        <source>通常のファイルではありません（dummy.png が表示されます）</source>
        <translation>Not a regular file (dummy.png is shown)</translation>
    </message>
    <message>
        <source>画像を読み込めません（dummy.png が表示されます）</source>
        <translation>The picture cannot be read (dummy.png is shown)</translation>
    </message>
    <message>
        <source>PNG ファイルではありません（%1 として読み込まれます）</source>
        <translation>Not a PNG file (read as %1)</translation>
    </message>
    <message>
        <source>%1 番の部品がありません（dummy.png が表示されます）</source>
        <translation>Parts %1 are missing (dummy.png is shown)</translation>
    </message>
    <message>
        <source>%1 番の部品は主フォルダにありません</source>
        <translation>Parts %1 are not in the primary folder</translation>
    </message>
    <message>
        <source>透明ではありません（「なし」のはずの部品が見えます）</source>
        <translation>Not transparent (the part meant as none shows)</translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（左上から 230x230 に切り取られます）</source>
        <translation>The picture is %1x%2 (cut to 230x230 from the top left)</translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（左上に置かれ、残りは透明になります）</source>
        <translation>The picture is %1x%2 (placed at the top left, the rest transparent)</translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（左上に置かれ、はみ出す部分は切り取られ、足りない部分は透明になります）</source>
        <translation>The picture is %1x%2 (placed at the top left, cut where it is larger, transparent where it is smaller)</translation>
    </message>
    <message>
        <source>画像の大きさが %1x%2 です（192x192 に伸縮されます）</source>
        <translation>The picture is %1x%2 (stretched to 192x192)</translation>
    </message>
</context>
<context>
    <name>LibraryCommand</name>
    <message>
        <source>要素が指定されていません</source>
        <translation>No element given</translation>
    </message>
    <message>
        <source>不明な要素です: %1</source>
        <translation>Unknown element: %1</translation>
    </message>
    <message>
        <source>画像ファイルが指定されていません</source>
        <translation>No picture files given</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>コマンドを指定してください: check または add（使い方は --help）</source>
        <translation>Name a command: check or add (see --help)</translation>
    </message>
    <message>
        <source>不明なコマンドです: %1（使い方は --help）</source>
        <translation>Unknown command: %1 (see --help)</translation>
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
        <translation>Usage:
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
        <translation>Usage:
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
        <translation>Usage:
  kelvaro-library add ELEMENT PICTURE... [--library DIR]

Appends the PICTUREs as the next part numbers of ELEMENT&apos;s primary folder below DIR
(default as for check). ELEMENT is a list text such as Twarz or Inne #1, or a folder
name such as face or bhair1, in any letter case. A 230x230 PNG is copied byte for byte;
any other picture is scaled to fit 230x230 keeping its proportions, centred, its alpha
kept. The element&apos;s secondary folders get fully transparent parts of the same numbers.
Nothing is written when any PICTURE cannot be read. The numbers given are printed.
</translation>
    </message>
</context>
<context>
    <name>PaletteLibrary</name>
    <message>
        <source>パレットを読み込めません</source>
        <translation>Cannot read the palette</translation>
    </message>
    <message>
        <source>パレットを取り込めません</source>
        <translation>Cannot import the palette</translation>
    </message>
    <message>
        <source>パレットのファイルが多すぎます（256 個まで）</source>
        <translation>Too many palette files (256 at most)</translation>
    </message>
    <message>
        <source>GIMP パレットではありません</source>
        <translation>Not a GIMP palette</translation>
    </message>
    <message>
        <source>色の値が正しくありません</source>
        <translation>A colour value is wrong</translation>
    </message>
    <message>
        <source>色が多すぎます（4096 色まで）</source>
        <translation>Too many colours (4096 at most)</translation>
    </message>
    <message>
        <source>UTF-8 のテキストではありません</source>
        <translation>Not UTF-8 text</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>色がひとつもありません</source>
        <translation>No colours at all</translation>
    </message>
</context>
<context>
    <name>PartImport</name>
    <message>
        <source>部品ライブラリが見つかりません: %1</source>
        <translation>Part library not found: %1</translation>
    </message>
    <message>
        <source>部品番号は 999 までです。これ以上部品を追加できません</source>
        <translation>Part numbers end at 999. No more parts can be added</translation>
    </message>
    <message>
        <source>部品ファイルの書き込みに失敗しました</source>
        <translation>Could not write the part file</translation>
    </message>
    <message>
        <source>次の番号には既にファイルがあるため使いませんでした: %1</source>
        <translation>These numbers were passed over because files are already there: %1</translation>
    </message>
    <message>
        <source>画像ファイルを読み込めませんでした</source>
        <translation>Could not read the picture file</translation>
    </message>
    <message>
        <source>画像が大きすぎます: %1x%2 ピクセル</source>
        <translation>The picture is too large: %1x%2 pixels</translation>
    </message>
    <message>
        <source>画像の形式に対応していないか、ファイルが壊れています</source>
        <translation>The picture&apos;s format is not supported, or the file is damaged</translation>
    </message>
</context>
<context>
    <name>PartLibrary</name>
    <message>
        <source>部品ファイルのオープンに失敗しました
%1が存在しないか、または読み込みエラーです</source>
        <translation>Could not open a part file
%1 does not exist or could not be read</translation>
    </message>
    <message>
        <source>wall.pngの読み込みに失敗しました</source>
        <translation>Could not read wall.png</translation>
    </message>
</context>
<context>
    <name>PortraitExport</name>
    <message>
        <source>画像のエンコードに失敗しました</source>
        <translation>Could not encode the picture</translation>
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
        <translation>Not a recovery file</translation>
    </message>
    <message>
        <source>このバージョンの復元ファイルは読めません</source>
        <translation>Recovery files of this version cannot be read</translation>
    </message>
    <message>
        <source>復元ファイルの肖像が壊れています</source>
        <translation>The recovery file&apos;s portrait is damaged</translation>
    </message>
    <message>
        <source>復元ファイルの値が正しくありません</source>
        <translation>The recovery file holds wrong values</translation>
    </message>
</context>
<context>
    <name>RecoveryTexts</name>
    <message>
        <source>復元ファイルが壊れているため、別の場所に移しました。
%1
%2</source>
        <translation>The recovery file was damaged, so it has been moved aside.
%1
%2</translation>
    </message>
    <message>
        <source>Kelvaro nie został poprawnie zamknięty. Przywrócić niezapisany portret?</source>
        <translation>Kelvaro was not closed properly. Restore the unsaved portrait?</translation>
    </message>
</context>
<context>
    <name>RenderHelp</name>
    <message>
        <source>Print this text and exit.</source>
        <translation>Print this text and exit.</translation>
    </message>
    <message>
        <source>Edge length in pixels, 16 to 1024 (48, 96, 144, 192 ...). Default: the size the portrait was saved with; 144 for a COLSxROWS sheet.</source>
        <translation>Edge length in pixels, 16 to 1024 (48, 96, 144, 192 ...). Default: the size the portrait was saved with; 144 for a COLSxROWS sheet.</translation>
    </message>
    <message>
        <source>Leave out the wall and keep the layers&apos; alpha (32-bit PNG, straight alpha; not BMP).</source>
        <translation>Leave out the wall and keep the layers&apos; alpha (32-bit PNG, straight alpha; not BMP).</translation>
    </message>
    <message>
        <source>File format (default: png; bmp when OUT is one file named *.bmp). BMP carries no recipe.</source>
        <translation>File format (default: png; bmp when OUT is one file named *.bmp). BMP carries no recipe.</translation>
    </message>
    <message>
        <source>The file to write (one PORTRAIT, or the sheet), or the folder to write into.</source>
        <translation>The file to write (one PORTRAIT, or the sheet), or the folder to write into.</translation>
    </message>
    <message>
        <source>Draw COUNT portraits (1 to 1000000) into the folder OUT.</source>
        <translation>Draw COUNT portraits (1 to 1000000) into the folder OUT.</translation>
    </message>
    <message>
        <source>Seed of the draws, 0 to 2^64-1 (decimal, or hexadecimal after 0x). Portrait i (from 0) is drawn with seed S+i, so --random 1 --seed S+i draws it again.</source>
        <translation>Seed of the draws, 0 to 2^64-1 (decimal, or hexadecimal after 0x). Portrait i (from 0) is drawn with seed S+i, so --random 1 --seed S+i draws it again.</translation>
    </message>
    <message>
        <source>The portrait the draws start from: its parts, placements and tints (default: every part 000 at its place, in the default colours).</source>
        <translation>The portrait the draws start from: its parts, placements and tints (default: every part 000 at its place, in the default colours).</translation>
    </message>
    <message>
        <source>Keep these elements of the base (list texts such as Twarz or Inne #1, or folder names such as face or bhair1; any letter case). With --lock every other element is drawn; without it the eight elements Generuj draws are.</source>
        <translation>Keep these elements of the base (list texts such as Twarz or Inne #1, or folder names such as face or bhair1; any letter case). With --lock every other element is drawn; without it the eight elements Generuj draws are.</translation>
    </message>
    <message>
        <source>Draw each portrait&apos;s colours too: a skin tone, one hair colour for all hair, an eye colour, and colours for clothes and headwear, from the palettes (with the seed of the portrait, so --random 1 --seed S+i --colours draws it again).</source>
        <translation>Draw each portrait&apos;s colours too: a skin tone, one hair colour for all hair, an eye colour, and colours for clothes and headwear, from the palettes (with the seed of the portrait, so --random 1 --seed S+i --colours draws it again).</translation>
    </message>
    <message>
        <source>Read the palettes for --colours from DIR (skin.gpl, hair.gpl, eyes.gpl, general.gpl) instead of those installed with the program.</source>
        <translation>Read the palettes for --colours from DIR (skin.gpl, hair.gpl, eyes.gpl, general.gpl) instead of those installed with the program.</translation>
    </message>
    <message>
        <source>Lay the PORTRAITs out on one sheet: mz, mv, vxace, rm2000 or COLSxROWS.</source>
        <translation>Lay the PORTRAITs out on one sheet: mz, mv, vxace, rm2000 or COLSxROWS.</translation>
    </message>
    <message>
        <source>Render the PORTRAIT&apos;s faces, the base (Neutralna) and then each expression: each into the folder OUT under its name, or with --sheet on one sheet.</source>
        <translation>Render the PORTRAIT&apos;s faces, the base (Neutralna) and then each expression: each into the folder OUT under its name, or with --sheet on one sheet.</translation>
    </message>
    <message>
        <source>Give each drawn portrait the expressions of TEMPLATE and write each as a face sheet (needs --random and --sheet).</source>
        <translation>Give each drawn portrait the expressions of TEMPLATE and write each as a face sheet (needs --random and --sheet).</translation>
    </message>
    <message>
        <source>Render N portraits at a time (default: one per core).</source>
        <translation>Render N portraits at a time (default: one per core).</translation>
    </message>
    <message>
        <source>%1: %2x%3 faces of %4x%4, %5x%6</source>
        <translation>%1: %2x%3 faces of %4x%4, %5x%6</translation>
    </message>
    <message>
        <source>  COLSxROWS  COLS x ROWS faces of --size (default %1), 1 to 64 each way
A sheet has at most %2 pixels (4096x4096); a larger one is a wrong command line.
</source>
        <translation>  COLSxROWS  COLS x ROWS faces of --size (default %1), 1 to 64 each way
A sheet has at most %2 pixels (4096x4096); a larger one is a wrong command line.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
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
        <translation>Usage:
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
Progress is shown on standard error when it is a terminal. On success nothing else is
printed and the exit status is 0, but for one line per document whose part files
changed since it was saved; every failure prints one line and the status is 1 (2 for a
wrong command line). A file that cannot be written is never left half-written.
</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Print the version and exit.</translation>
    </message>
    <message>
        <source>The folder that holds picture/ (default: the current folder when it holds picture/, else the user&apos;s library $XDG_DATA_HOME/kelvaro, else the installed sample library).</source>
        <translation>The folder that holds picture/ (default: the current folder when it holds picture/, else the user&apos;s library $XDG_DATA_HOME/kelvaro, else the installed sample library).</translation>
    </message>
    <message>
        <source>Write the one PORTRAIT (a file name or a file:// URI) as an NxN PNG to the file OUT, as a file manager&apos;s thumbnail: N from 1, sizes above 512 give 512. Missing parts are drawn with the dummy.</source>
        <translation>Write the one PORTRAIT (a file name or a file:// URI) as an NxN PNG to the file OUT, as a file manager&apos;s thumbnail: N from 1, sizes above 512 give 512. Missing parts are drawn with the dummy.</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>オプションの値が正しくありません: %1 %2</source>
        <translation>Wrong value for an option: %1 %2</translation>
    </message>
    <message>
        <source>このシートの顔の大きさは %1 ピクセルに決まっています: --size %2</source>
        <translation>This sheet&apos;s faces are %1 pixels: --size %2</translation>
    </message>
    <message>
        <source>シートに入るポートレートは %1 個までです: %2 個</source>
        <translation>The sheet holds %1 portraits at most: %2</translation>
    </message>
    <message>
        <source>シートが大きすぎます: %1x%2 ピクセル (上限 %3 ピクセル)</source>
        <translation>Sheet too large: %1x%2 pixels (at most %3 pixels)</translation>
    </message>
    <message>
        <source>--expressions は --random と一緒に使えません</source>
        <translation>--expressions cannot be used with --random</translation>
    </message>
    <message>
        <source>--expressions-from は --random と一緒に使います</source>
        <translation>--expressions-from needs --random</translation>
    </message>
    <message>
        <source>--expressions-from には --sheet が必要です</source>
        <translation>--expressions-from needs --sheet</translation>
    </message>
    <message>
        <source>--random と --sheet は --expressions-from と一緒に使います</source>
        <translation>--random with --sheet needs --expressions-from</translation>
    </message>
    <message>
        <source>--expressions に指定できるポートレートファイルは 1 個です: %1 個</source>
        <translation>--expressions takes one portrait file: %1 given</translation>
    </message>
    <message>
        <source>出力先が指定されていません: -o</source>
        <translation>No output given: -o</translation>
    </message>
    <message>
        <source>--random には --seed が必要です</source>
        <translation>--random needs --seed</translation>
    </message>
    <message>
        <source>--seed, --base, --lock は --random と一緒に使います</source>
        <translation>--seed, --base and --lock need --random</translation>
    </message>
    <message>
        <source>--colours は --random と一緒に使います</source>
        <translation>--colours needs --random</translation>
    </message>
    <message>
        <source>--palettes は --colours と一緒に使います</source>
        <translation>--palettes needs --colours</translation>
    </message>
    <message>
        <source>--random にポートレートファイルは指定できません: %1</source>
        <translation>--random takes no portrait file: %1</translation>
    </message>
    <message>
        <source>ポートレートファイルが指定されていません</source>
        <translation>No portrait file given</translation>
    </message>
    <message>
        <source>透過画像はPNG形式でのみ保存できます: --transparent</source>
        <translation>Transparent pictures can be saved as PNG only: --transparent</translation>
    </message>
    <message>
        <source>シートはPNG形式でのみ保存できます: --format bmp</source>
        <translation>Sheets can be saved as PNG only: --format bmp</translation>
    </message>
    <message>
        <source>--thumbnail に指定できるのは 1 個のポートレートファイルだけです</source>
        <translation>--thumbnail takes exactly one portrait file</translation>
    </message>
    <message>
        <source>サムネイルは不透明なPNG形式でのみ保存できます</source>
        <translation>Thumbnails can only be saved as opaque PNG</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>部品ライブラリが見つかりません: %1</source>
        <translation>Part library not found: %1</translation>
    </message>
    <message>
        <source>画像ファイルの保存に失敗しました</source>
        <translation>Could not save the image file</translation>
    </message>
    <message>
        <source>出力フォルダを作成できませんでした</source>
        <translation>Could not create the output folder</translation>
    </message>
    <message>
        <source>出力ファイル名が重複しています: %1</source>
        <translation>Two outputs have the same name: %1</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Mapa bitowa 24-bit (*.bmp)  </source>
        <translation>24-bit bitmap (*.bmp)  </translation>
    </message>
    <message>
        <source>Plik PNG (*.png)     </source>
        <translation>PNG file (*.png)     </translation>
    </message>
</context>
<context>
    <name>Step</name>
    <message>
        <source>Poprzednia część</source>
        <translation>Previous part</translation>
    </message>
    <message>
        <source>Następna część</source>
        <translation>Next part</translation>
    </message>
    <message>
        <source>Generuj</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Resetuj</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Przesuń w górę</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Przesuń w dół</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Przesuń w lewo</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>Przesuń w prawo</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>Wyśrodkuj</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Obrót w prawo</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>Obrót w lewo</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Czerwony</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Zielony</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Niebieski</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Jasność</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Otwórz portret</source>
        <translation>Open portrait</translation>
    </message>
    <message>
        <source>Wybór części</source>
        <translation>Choose part</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Wspólny kolor</source>
        <translation>Shared colour</translation>
    </message>
    <message>
        <source>Losuj kolory</source>
        <translation>Random colours</translation>
    </message>
    <message>
        <source>Dodaj minę</source>
        <translation>Add expression</translation>
    </message>
    <message>
        <source>Usuń minę</source>
        <translation>Remove expression</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Przesuń minę</source>
        <translation>Move expression</translation>
    </message>
    <message>
        <source>Jak w neutralnej</source>
        <translation>As in neutral</translation>
    </message>
    <message>
        <source>Wczytaj miny</source>
        <translation>Load expressions</translation>
    </message>
    <message>
        <source>Zestaw podstawowy</source>
        <translation>Basic set</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <source>Element twarzy</source>
        <translation>Facial feature</translation>
    </message>
    <message>
        <source>Ruszaj</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Obrót w lewo</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Obrót w prawo</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>Wyśrodkuj</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Generuj</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Resetuj</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Wymiary</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ustaw wzór</source>
        <translation>Set pattern</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kelvaro PL wersja: 3.2</source>
        <translation>Kelvaro PL version: 3.2</translation>
    </message>
    <message>
        <source>Edytor portretów złożonych z warstw.</source>
        <translation>An editor of layered portraits.</translation>
    </message>
    <message>
        <source>Wszystkie części rysuje sam program.</source>
        <translation>All parts are drawn by the program.</translation>
    </message>
    <message>
        <source>Zespół Kelvaro, 2026</source>
        <translation>The Kelvaro team, 2026</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Minimalizuj</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Zamknij	Alt+F4</source>
        <translation>Close	Alt+F4</translation>
    </message>
    <message>
        <source>O programie Kelvaro(&amp;A)</source>
        <translation>&amp;About Kelvaro</translation>
    </message>
    <message>
        <source>Ostatnio otwierane</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Wyczyść listę</source>
        <translation>Clear list</translation>
    </message>
</context>
<context>
    <name>kelvaro::CKelvaroDlg</name>
    <message>
        <source>Proszę podać liczbę całkowitą.</source>
        <translation>Please enter a whole number.</translation>
    </message>
    <message>
        <source>Zakończyć pracę z programem?          </source>
        <translation>Quit the program?          </translation>
    </message>
    <message>
        <source>Nie można znaleźć pliku z pomocą.</source>
        <translation>Cannot find the help file.</translation>
    </message>
    <message>
        <source>ファイルが見つからないため、一覧から外しました
%1</source>
        <translation>The file was not found and was removed from the list.
%1</translation>
    </message>
</context>
<context>
    <name>kelvaro::ColoursTab</name>
    <message>
        <source>Paleta GIMP (*.gpl)</source>
        <translation>GIMP palette (*.gpl)</translation>
    </message>
    <message>
        <source>Kolory</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Paleta:</source>
        <translation>Palette:</translation>
    </message>
    <message>
        <source>Próbki kolorów</source>
        <translation>Colour swatches</translation>
    </message>
    <message>
        <source>Wspólny kolor</source>
        <translation>Shared colour</translation>
    </message>
    <message>
        <source>Inny kolor…</source>
        <translation>Other colour…</translation>
    </message>
    <message>
        <source>Losuj kolory</source>
        <translation>Random colours</translation>
    </message>
    <message>
        <source>Importuj paletę…</source>
        <translation>Import palette…</translation>
    </message>
</context>
<context>
    <name>kelvaro::CompanionWindow</name>
    <message>
        <source>Przybornik</source>
        <translation>Toolbox</translation>
    </message>
</context>
<context>
    <name>kelvaro::EditorKeys</name>
    <message>
        <source>Cofnij</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ponów</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Otwórz portret…</source>
        <translation>Open portrait…</translation>
    </message>
    <message>
        <source>Zapisz portret</source>
        <translation>Save portrait</translation>
    </message>
    <message>
        <source>Zapisz portret jako…</source>
        <translation>Save portrait as…</translation>
    </message>
    <message>
        <source>Zapisz arkusz twarzy…</source>
        <translation>Save face sheet…</translation>
    </message>
    <message>
        <source>Zapisz miny jako pliki…</source>
        <translation>Save expressions as files…</translation>
    </message>
    <message>
        <source>Galeria części</source>
        <translation>Parts gallery</translation>
    </message>
    <message>
        <source>Kolory</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Miny</source>
        <translation>Expressions</translation>
    </message>
    <message>
        <source>Losuj kolory</source>
        <translation>Random colours</translation>
    </message>
</context>
<context>
    <name>kelvaro::ExpressionsTab</name>
    <message>
        <source>Dodaj minę</source>
        <translation>Add expression</translation>
    </message>
    <message>
        <source>Usuń minę</source>
        <translation>Remove expression</translation>
    </message>
    <message>
        <source>Przesuń minę w lewo</source>
        <translation>Move expression left</translation>
    </message>
    <message>
        <source>Przesuń minę w prawo</source>
        <translation>Move expression right</translation>
    </message>
    <message>
        <source>Zmień nazwę…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>Jak w neutralnej</source>
        <translation>As in neutral</translation>
    </message>
    <message>
        <source>Zestaw podstawowy</source>
        <translation>Basic set</translation>
    </message>
    <message>
        <source>Wczytaj miny z portretu…</source>
        <translation>Load expressions from portrait…</translation>
    </message>
    <message>
        <source>Neutralna</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Miny</source>
        <translation>Expressions</translation>
    </message>
    <message>
        <source>Miny postaci</source>
        <translation>Character expressions</translation>
    </message>
    <message>
        <source>Mina %1</source>
        <translation>Expression %1</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Nazwa miny:</source>
        <translation>Expression name:</translation>
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
        <translation>Save face sheet</translation>
    </message>
    <message>
        <source>Przezroczyste tło</source>
        <translation>Transparent background</translation>
    </message>
    <message>
        <source>Zapisz miny jako pliki</source>
        <translation>Save expressions as files</translation>
    </message>
</context>
<context>
    <name>kelvaro::GalleryCells</name>
    <message>
        <source>Część %1</source>
        <translation>Part %1</translation>
    </message>
    <message>
        <source>Brak pliku części: %1 — w zamian pokazano dummy.png</source>
        <translation>Part file missing: %1 — dummy.png shown instead</translation>
    </message>
    <message>
        <source>To nie jest zwykły plik: %1 — w zamian pokazano dummy.png</source>
        <translation>Not a regular file: %1 — dummy.png shown instead</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku części: %1 — w zamian pokazano dummy.png</source>
        <translation>Part file cannot be read: %1 — dummy.png shown instead</translation>
    </message>
</context>
<context>
    <name>kelvaro::PartsDrop</name>
    <message>
        <source>Dodać %1 obrazów jako nowe części elementu %2?</source>
        <translation>Add %1 pictures as new parts of element %2?</translation>
    </message>
</context>
<context>
    <name>kelvaro::PartsTab</name>
    <message>
        <source>Części</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>Części elementu</source>
        <translation>Parts of the feature</translation>
    </message>
    <message>
        <source>Ten element nie ma żadnej części.</source>
        <translation>This feature has no parts.</translation>
    </message>
</context>
<context>
    <name>kelvaro::PortraitEditor</name>
    <message>
        <source>画像ファイルの保存に失敗しました</source>
        <translation>Could not save the image file</translation>
    </message>
    <message>
        <source>設定ファイルの書き込みに失敗しました</source>
        <translation>Could not write the settings file</translation>
    </message>
</context>
<context>
    <name>kelvaro::PreviewStrip</name>
    <message>
        <source>Podgląd zapisu: 48×48, 96×96, 192×192</source>
        <translation>Preview of the saved picture: 48×48, 96×96, 192×192</translation>
    </message>
    <message>
        <source>Portret tak, jak zapisze go „Zapisz”; kliknięcie wybiera wymiary</source>
        <translation>The portrait as “Save” writes it; a click chooses the size</translation>
    </message>
</context>
<context>
    <name>kelvaro::RecoveryAutosave</name>
    <message>
        <source>復元用のファイルを書き込めません。編集はこのまま続けられますが、異常終了した場合は作業を復元できません。
%1
%2</source>
        <translation>Cannot write the recovery file. You can go on editing, but if the program stops unexpectedly your work cannot be restored.
%1
%2</translation>
    </message>
</context>
<context>
    <name>kelvaro::ToolTips</name>
    <message>
        <source>Ustaw element na środku, bez obrotu</source>
        <translation>Centre the element, unrotated</translation>
    </message>
    <message>
        <source>Obróć element o 5° w prawo</source>
        <translation>Rotate the element 5° right</translation>
    </message>
    <message>
        <source>Obróć element o 5° w lewo</source>
        <translation>Rotate the element 5° left</translation>
    </message>
    <message>
        <source>Wylosuj nowe części twarzy</source>
        <translation>Pick new face parts at random</translation>
    </message>
    <message>
        <source>Wróć do części zapisanych we wzorze</source>
        <translation>Go back to the pattern&apos;s parts</translation>
    </message>
    <message>
        <source>Zapamiętaj obecne części jako wzór</source>
        <translation>Keep the current parts as the pattern</translation>
    </message>
    <message>
        <source>Pokaż informacje o programie</source>
        <translation>Show information about the program</translation>
    </message>
    <message>
        <source>Otwórz pomoc</source>
        <translation>Open help</translation>
    </message>
    <message>
        <source>Zapisz portret jako obraz PNG lub BMP</source>
        <translation>Save the portrait as a PNG or BMP image</translation>
    </message>
    <message>
        <source>Zamknij program</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Ten sam kolor dla połączonych elementów</source>
        <translation>One colour for linked elements</translation>
    </message>
    <message>
        <source>Wybierz dowolny kolor</source>
        <translation>Choose any colour</translation>
    </message>
    <message>
        <source>Wylosuj kolory portretu</source>
        <translation>Pick the portrait&apos;s colours at random</translation>
    </message>
    <message>
        <source>Dodaj paletę z pliku GIMP-a (.gpl)</source>
        <translation>Add a palette from a GIMP file (.gpl)</translation>
    </message>
    <message>
        <source>Dodaj nową minę</source>
        <translation>Add a new expression</translation>
    </message>
    <message>
        <source>Usuń wybraną minę</source>
        <translation>Remove the chosen expression</translation>
    </message>
    <message>
        <source>Zmień nazwę wybranej miny</source>
        <translation>Rename the chosen expression</translation>
    </message>
    <message>
        <source>Pokaż element w tej minie tak jak w neutralnej</source>
        <translation>Show the element as in the neutral face</translation>
    </message>
    <message>
        <source>Dodaj podstawowy zestaw min</source>
        <translation>Add the basic set of expressions</translation>
    </message>
    <message>
        <source>Wczytaj miny z innego portretu</source>
        <translation>Load expressions from another portrait</translation>
    </message>
    <message>
        <source>Pokaż wcześniejsze karty</source>
        <translation>Show earlier tabs</translation>
    </message>
    <message>
        <source>Pokaż dalsze karty</source>
        <translation>Show later tabs</translation>
    </message>
    <message>
        <source>Prawy przycisk myszy albo Shift+F10 otwiera menu z dalszymi poleceniami</source>
        <translation>The right mouse button or Shift+F10 opens a menu with more commands</translation>
    </message>
</context>
</TS>
