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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvaro nie został poprawnie zamknięty. Przywrócić niezapisany portret?</source>
        <translation>Kelvaro は正しく終了しませんでした。保存されていない似顔絵を復元しますか?</translation>
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
</TS>
