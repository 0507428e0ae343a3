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
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
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
</TS>
