<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ja">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/window/export_dialog.cpp" line="+42"/>
        <source>エディタの font.h（手で仕上げる）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>そのままコンパイルできる C ソース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>BDF 2.1 フォント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>列の 480 バイト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>96 グリフの PNG シート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>u8g2 フォント（u8g2.setFont() 用）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>u8x8 タイルフォント（u8x8.setFont() 用）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 ピクセル 1 ビットの LVGL 8.3・9 フォント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adafruit GFX・TFT_eSPI の GFXfont ヘッダ（setFont 用）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adafruit GFX の標準フォント glcdfont.c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MD_MAX72XX・MD_Parola のフォント表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>キャラクタ LCD の createChar 用の外字（既定はコード 0-7）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linux コンソールの setfont 用の PSF2 フォント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>列ごと（[96][5]）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ドット行ごと（[96][8]）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>名前 (--name):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>並び (--layout):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>例: 0-7,10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード (--codes):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最初の文字 (--first):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倍率 (--scale):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+90"/>
        <source>ビット 7 が上のドット (--msb-top)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ビット 7 が左のドット (--msb-left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>AVR のプログラムメモリに置く (--progmem)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>書き出し</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureMessage</name>
    <message>
        <location filename="../src/window/failure_message.cpp" line="+27"/>
        <source>エラー %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderActions</name>
    <message>
        <location filename="../src/window/folder_actions.cpp" line="+23"/>
        <source>フォルダを開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>最近のフォルダ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>フォルダ: %1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>未保存の変更があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>変更はすべて保存済みです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> — 復元ファイルは残していません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/window/import_dialog.cpp" line="+21"/>
        <source>取り込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フォント (%1);;すべてのファイル (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 の表がグリフをどう並べているか決められません。どの読み方で取り込みますか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/window/translation.cpp" line="+61"/>
        <source>ja</source>
        <extracomment>This translation&apos;s language, as its file names it: &quot;en&quot; in fontedit_en.ts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <location filename="../src/window/control_geometry.cpp" line="+15"/>
        <source>文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>コード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>←</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>→</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cヘッダ生成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/window/control_geometry.h" line="+17"/>
        <source>8x8フォントエディタ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkAside</name>
    <message>
        <location filename="../src/window/work_aside.cpp" line="+45"/>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::Form1</name>
    <message>
        <location filename="../src/window/form1.cpp" line="+239"/>
        <source>保存されていない変更があります。変更を破棄してファイルから読み出しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>読出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+29"/>
        <location line="+15"/>
        <location line="+52"/>
        <location line="+206"/>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-239"/>
        <source>フォルダ %1 のフォントに、保存されずに終わった変更が残っています（%2 に退避）。復元しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>保存されていない変更があります。終了する前に保存しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+30"/>
        <source>破棄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-164"/>
        <source>列 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+92"/>
        <source>フォルダ %1 には、このウィンドウで読み出していないフォント（ドットのあるグリフ %2 個）があります。保存すると、そのフォントとラベルを今の表で置き換えます。置き換えますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>置き換え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>フォルダ %1 のファイル %2 は、最後の読出しか保存の後にほかのプログラムで変更されています。上書きしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>上書き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>復元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>エラー: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>元に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>やり直し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>コピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>貼り付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>消去</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>白黒反転</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>上へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>下へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>右へずらす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>左右反転</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+87"/>
        <source>一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>フォルダを開く…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取り込み…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>書き出し…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>保存されていない変更があります。変更を破棄してフォルダ %1 を開きますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>保存されていない変更があります。変更を持ったままフォルダ %1 を開きますか？保存するとそのフォルダに書き込みます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1 を取り込んでいます…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 を取り込みました。保存するまでファイルには書き込みません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 に書き出しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 に書き込みました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphOverview</name>
    <message>
        <location filename="../src/window/glyph_overview.cpp" line="+45"/>
        <source>一覧</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::GlyphPanel</name>
    <message>
        <location filename="../src/window/glyph_panel.cpp" line="+57"/>
        <location line="+1"/>
        <source>見本の文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+1"/>
        <source>見本の見た目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>見本の配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::PixelButton</name>
    <message>
        <location filename="../src/window/pixel_button.cpp" line="+89"/>
        <source>列 %1 行 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fontedit::window::TextPreview</name>
    <message>
        <location filename="../src/window/text_preview.cpp" line="+28"/>
        <source>見本</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
