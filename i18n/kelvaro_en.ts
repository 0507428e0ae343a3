<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ColoursTab</name>
    <message>
        <source>Kolory</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Wspólny kolor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inny kolor…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losuj kolory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importuj paletę…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paleta:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpressionsTab</name>
    <message>
        <source>Neutralna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miny postaci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dodaj minę</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuń minę</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zmień nazwę…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jak w neutralnej</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zestaw podstawowy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wczytaj miny z portretu…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przesuń minę w lewo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przesuń minę w prawo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mina %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazwa miny:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaceSheetDialog</name>
    <message>
        <source>Zapisz arkusz twarzy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przezroczyste tło</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz miny jako pliki</source>
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
    <name>RecoveryAutosave</name>
    <message>
        <source>復元用のファイルを書き込めません。編集はこのまま続けられますが、異常終了した場合は作業を復元できません。
%1
%2</source>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SwatchView</name>
    <message>
        <source>Próbki kolorów</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvaro</name>
    <message>
        <source>Użycie: kelvaro [PLIK]
       kelvaro -- PLIK

Otwiera edytor portretów Kelvaro, a w nim PLIK: dokument .kelvaro albo obraz PNG
zapisany przez Kelvaro. Nazwę zaczynającą się od &quot;-&quot; podaj po &quot;--&quot;.

  -h, --help     wypisuje ten tekst i kończy pracę
  --version      wypisuje wersję programu i kończy pracę

Przyjmowane są też opcje Qt, np. -platform NAZWA i -style NAZWA.
</source>
        <translation type="unfinished"></translation>
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
    <name>kelvaro::ColoursTab</name>
    <message>
        <source>Paleta GIMP (*.gpl)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvaro::FaceSheetDialog</name>
    <message>
        <source>RPG Maker MZ/MV (4×2, 144 px) (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPG Maker VX Ace (4×2, 96 px) (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPG Maker 2000/2003 (4×4, 48 px) (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
