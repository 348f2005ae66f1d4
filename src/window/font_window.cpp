#include "window/font_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

#include "formats/common/bitmap_cell.h"
#include "formats/own/font_files.h"
#include "state/failure.h"
#include "window/bitmap_export_dialog.h"
#include "window/confirmation.h"
#include "window/dot_grid.h"
#include "window/failure_message.h"
#include "window/folder_actions.h"
#include "window/font_panel.h"
#include "window/icon.h"
#include "window/import_dialog.h"
#include "window/opening.h"
#include "window/work_aside.h"

namespace fontedit::window {
namespace {

constexpr int kGridSide = 448;
constexpr int kHexFieldsPerLine = 8;

// The document's file, found before the window is made so that a folder names its font.bdf.
std::filesystem::path opened(document::BitmapDocument& document,
                             const std::filesystem::path& path) {
    document.open(path);
    return document.path();
}

}  // namespace

FontWindow::FontWindow(const std::filesystem::path& path, QWidget* parent)
    : QWidget(parent),
      editor_(document_.editor()),
      recovery_(document_, opened(document_, path), this) {
    setWindowTitle(tr("%1 — フォントエディタ").arg(shownPath(document_.path().filename())));
    setIconAfterFirstPaint(*this);
    proportional_ = !formats::monospaced(editor_.font());
    createActions();
    auto* left = new QVBoxLayout;
    createFields();
    auto* fields = new QHBoxLayout;
    auto* characterLabel = new QLabel(tr("文字"), this);
    characterLabel->setBuddy(characterField_);
    auto* nameLabel = new QLabel(tr("名前"), this);
    nameLabel->setBuddy(nameField_);
    auto* advanceLabel = new QLabel(tr("送り幅"), this);
    advanceLabel->setBuddy(advanceField_);
    fields->addWidget(characterLabel);
    fields->addWidget(characterField_);
    fields->addWidget(nameLabel);
    fields->addWidget(nameField_, 1);
    fields->addWidget(advanceLabel);
    fields->addWidget(advanceField_);
    left->addLayout(fields);
    left->addWidget(grid_);
    hexArea_ = new QWidget(this);
    hexLayout_ = new QGridLayout(hexArea_);
    hexLayout_->setContentsMargins(0, 0, 0, 0);
    hexLayout_->setSpacing(2);
    left->addWidget(hexArea_);
    auto* buttons = new QHBoxLayout;
    left->addLayout(buttons);
    left->addStretch(1);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left);
    panel_ = new FontPanel(
        editor_,
        [this](char32_t character) {
            guard([this, character] { editor_.goTo(character); });
            grid_->setFocus(Qt::OtherFocusReason);
        },
        this);
    panel_->setObjectName(QStringLiteral("fontPanel"));
    whole->addWidget(panel_);
    for (QAction* action : fileActions_) {
        auto* button = new QPushButton(action->text(), this);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        buttons->addWidget(button);
    }
    makeHexFields();
    follow();
    showCurrent();
    showHistory();
    showStatus();
    grid_->setFocus(Qt::OtherFocusReason);
}

void FontWindow::createFields() {
    characterField_ = new QLineEdit(this);
    characterField_->setObjectName(QStringLiteral("characterField"));
    characterField_->setAccessibleName(tr("文字"));
    characterField_->setToolTip(tr("A、あ、U+3042、0x3042 (Ctrl+G)"));
    characterField_->setFixedWidth(110);
    connect(characterField_, &QLineEdit::returnPressed, this, [this] { goToTyped(); });
    nameField_ = new QLineEdit(this);
    nameField_->setObjectName(QStringLiteral("glyphName"));
    nameField_->setAccessibleName(tr("名前"));
    connect(nameField_, &QLineEdit::editingFinished, this, [this] {
        if (!editor_.currentGlyph() ||
            nameField_->text().toStdString() == editor_.currentGlyph()->name)
            return;
        if (!guard([this] { editor_.rename(nameField_->text().toStdString()); })) showCurrent();
    });
    advanceField_ = new QSpinBox(this);
    advanceField_->setObjectName(QStringLiteral("advanceField"));
    advanceField_->setAccessibleName(tr("送り幅"));
    advanceField_->setRange(0, editing::BitmapEditor::kMostAdvance);
    connect(advanceField_, &QSpinBox::valueChanged, this, [this](int advance) {
        if (editor_.currentGlyph() && advance != editor_.advance())
            guard([this, advance] { editor_.setAdvance(advance); });
    });
    grid_ = new DotGrid(
        {.press = [this](int x, int y) { guard([this, x, y] { editor_.startDrag(x, y); }); },
         .over = [this](int x, int y) { guard([this, x, y] { editor_.dragOver(x, y); }); },
         .release = [this] { editor_.endDrag(); },
         .advance =
             [this](int advance) { guard([this, advance] { editor_.setAdvance(advance); }); },
         .menu = [this](const QPoint& position) { showGridMenu(position); }},
        this);
    grid_->setObjectName(QStringLiteral("dotGrid"));
    grid_->setFixedSize(kGridSide, kGridSide);
    grid_->addActions(gridActions_);
    grid_->installEventFilter(this);
}

QAction* FontWindow::createAction(const QString& text, const QList<QKeySequence>& shortcuts,
                                  const std::function<void()>& action) {
    auto* created = new QAction(text, this);
    created->setShortcuts(shortcuts);
    connect(created, &QAction::triggered, this, [this, action] { guard(action); });
    return created;
}

// Undo, redo, stepping and the files work anywhere in the window; the grid commands while the
// grid has the focus, and from its menu.
void FontWindow::createActions() {
    undo_ = createAction(QCoreApplication::translate("fontedit::window::Form1", "元に戻す"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { editor_.undo(); });
    redo_ = createAction(
        QCoreApplication::translate("fontedit::window::Form1", "やり直し"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        [this] { editor_.redo(); });
    addActions({undo_, redo_});
    addActions({
        createAction(tr("前の文字"), {QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_Left)},
                     [this] { editor_.previous(); }),
        createAction(tr("次の文字"), {QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Right)},
                     [this] { editor_.next(); }),
        createAction(tr("文字へ移動"), {QKeySequence(Qt::CTRL | Qt::Key_G)},
                     [this] {
                         characterField_->setFocus(Qt::ShortcutFocusReason);
                         characterField_->selectAll();
                     }),
        createAction(tr("グリフを削除"), {QKeySequence(Qt::Key_Delete)},
                     [this] { editor_.deleteGlyph(); }),
    });
    using editing::GridCommand;
    const auto command = [this](GridCommand command) {
        return [this, command] { editor_.apply(command); };
    };
    const auto form1 = [](const char* text) {
        return QCoreApplication::translate("fontedit::window::Form1", text);
    };
    gridActions_ = {
        createAction(form1("コピー"), {QKeySequence(Qt::CTRL | Qt::Key_C)},
                     [this] {
                         QGuiApplication::clipboard()->setText(
                             QString::fromStdString(editor_.copyText()));
                     }),
        createAction(form1("貼り付け"), {QKeySequence(Qt::CTRL | Qt::Key_V)},
                     [this] { editor_.paste(QGuiApplication::clipboard()->text().toStdString()); }),
        createAction(form1("消去"), {QKeySequence(Qt::CTRL | Qt::Key_Delete)},
                     command(GridCommand::Clear)),
        createAction(form1("白黒反転"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)},
                     command(GridCommand::Invert)),
        createAction(form1("上へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Up)},
                     command(GridCommand::ShiftUp)),
        createAction(form1("下へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Down)},
                     command(GridCommand::ShiftDown)),
        createAction(form1("左へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Left)},
                     command(GridCommand::ShiftLeft)),
        createAction(form1("右へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Right)},
                     command(GridCommand::ShiftRight)),
        createAction(form1("左右反転"), {QKeySequence(Qt::CTRL | Qt::Key_M)},
                     command(GridCommand::MirrorLeftRight)),
        createAction(tr("上下反転"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)},
                     command(GridCommand::MirrorUpDown)),
    };
    for (QAction* action : gridActions_) action->setShortcutContext(Qt::WidgetShortcut);
    fileActions_ = {
        createAction(tr("開く…"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
                     [this] { chooseAndOpen(); }),
        createAction(tr("保存"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { save(); }),
        createAction(form1("取り込み…"), {QKeySequence(Qt::CTRL | Qt::Key_I)},
                     [this] { chooseAndImport(); }),
        createAction(form1("書き出し…"), {QKeySequence(Qt::CTRL | Qt::Key_E)},
                     [this] { chooseAndExport(); }),
        createAction(tr("グリフを追加"), {QKeySequence(Qt::CTRL | Qt::Key_N)},
                     [this] { editor_.addGlyph(); }),
        createAction(form1("一覧"), {QKeySequence(Qt::CTRL | Qt::Key_L)},
                     [this] { panel_->setVisible(panel_->isHidden()); }),
        createAction(tr("終了"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { close(); }),
    };
    addActions(fileActions_);
}

void FontWindow::follow() {
    // Any glyph changed may move the current one in memory, where glyphs are added or
    // removed, or widen the cell: the grid is given the glyph again whichever changed.
    editor_.addGlyphsObserver([this](std::span<const char32_t>) {
        showCurrent();
        showHistory();
        showStatus();
    });
    editor_.addCurrentObserver([this](char32_t) {
        showCurrent();
        showHistory();
    });
    editor_.addFontObserver([this] {
        proportional_ = !formats::monospaced(editor_.font());
        makeHexFields();
        showCurrent();
        showHistory();
        showStatus();
    });
}

void FontWindow::showCurrent() {
    const state::BitmapGlyph* glyph = editor_.currentGlyph();
    grid_->showGlyph(glyph, editor_.cell(), proportional_);
    if (!characterField_->hasFocus()) {
        characterField_->setText(QString::fromStdString(formats::codePointText(editor_.current())));
    }
    nameField_->setText(glyph ? QString::fromStdString(glyph->name) : QString());
    nameField_->setEnabled(glyph != nullptr);
    {
        const QSignalBlocker quiet(advanceField_);
        advanceField_->setValue(editor_.advance());
    }
    advanceField_->setEnabled(glyph != nullptr);
    showHexFields();
}

void FontWindow::showHistory() {
    undo_->setEnabled(editor_.canUndo());
    redo_->setEnabled(editor_.canRedo());
}

// The fields follow the cell: one per column when it is at most eight dots high, else per row.
void FontWindow::makeHexFields() {
    qDeleteAll(hexFields_);
    hexFields_.clear();
    const QString kind = editor_.hexByColumn() ? tr("列 %1") : tr("行 %1");
    for (int index = 0; index < editor_.hexFieldCount(); ++index) {
        auto* field = new QLineEdit(hexArea_);
        field->setObjectName(QStringLiteral("hex%1").arg(index));
        field->setAccessibleName(kind.arg(index));
        field->setToolTip(kind.arg(index));
        connect(field, &QLineEdit::textEdited, this, [this, index, field](const QString& text) {
            try {
                editor_.setHexField(index, text.toStdString());
            } catch (const state::Failure& failure) {
                // Said at the field, which keeps the glyph's own text.
                field->setText(QString::fromStdString(editor_.hexField(index)));
                confirm(field, failureMessage(failure));
            }
        });
        hexLayout_->addWidget(field, index / kHexFieldsPerLine, index % kHexFieldsPerLine);
        hexFields_ << field;
    }
}

void FontWindow::showHexFields() {
    for (int index = 0; index < hexFields_.size(); ++index) {
        QLineEdit* field = hexFields_[index];
        const QString text = QString::fromStdString(editor_.hexField(index));
        if (field->text() != text && !field->hasFocus()) field->setText(text);
        field->setEnabled(editor_.currentGlyph() != nullptr);
    }
}

void FontWindow::showStatus() {
    panel_->setStatus(
        fontFileStatus(document_.path(), editor_.hasUnsavedChanges(), recovery_.stopped()));
}

// Return in the character field shows that glyph and gives the grid the focus back.
void FontWindow::goToTyped() {
    if (!guard([this] { editor_.goTo(characterField_->text().toStdString()); })) return;
    grid_->setFocus(Qt::OtherFocusReason);
    showCurrent();
    if (!editor_.currentGlyph()) offerToAdd();
}

void FontWindow::offerToAdd() {
    const Question add{
        tr("%1 のグリフはこのフォントにありません。追加しますか？")
            .arg(QString::fromStdString(formats::codePointText(editor_.current()))),
        {tr("追加"), QCoreApplication::translate("fontedit::window::Form1", "キャンセル")},
        0,
        1};
    if (ask(add) == 0) guard([this] { editor_.addGlyph(); });
}

void FontWindow::save() {
    if (document_.changedOnDisk()) {
        const Question overwrite{
            tr("ファイル %1 は、最後の読み込みか保存の後にほかのプログラムで変更されています。"
               "上書きしますか？")
                .arg(shownPath(document_.path())),
            {QCoreApplication::translate("fontedit::window::Form1", "上書き"),
             QCoreApplication::translate("fontedit::window::Form1", "キャンセル")},
            1,
            1};
        if (ask(overwrite) != 0) return;
    }
    document_.save();
    recovery_.settle();
    showStatus();
    confirm(grid_, QCoreApplication::translate("fontedit::window::Form1", "%1 に書き込みました")
                       .arg(shownPath(document_.path())));
}

void FontWindow::offerRecovery() {
    offerLeftWork(
        recovery_,
        [this](const QString& when) {
            return tr("ファイル %1 のフォントに、保存されずに終わった変更が残っています（%2 "
                      "に退避）。"
                      "復元しますか？")
                .arg(shownPath(document_.path()), when);
        },
        [this](const Question& question) { return ask(question); },
        [this](const std::function<void()>& action) { return guard(action); });
    showStatus();
}

bool FontWindow::mayDrop() {
    if (!editor_.hasUnsavedChanges()) return true;
    const Question discard{
        tr("保存されていない変更があります。変更を破棄してほかのフォントを開きますか？"),
        {tr("開く"), QCoreApplication::translate("fontedit::window::Form1", "キャンセル")},
        1,
        1};
    return ask(discard) == 0;
}

void FontWindow::openFont(const std::filesystem::path& path) {
    if (!mayDrop()) return;
    std::error_code error;
    if (!document::bitmapFontAt(path) &&
        std::filesystem::exists(path / formats::kFontFileName, error)) {
        openClassicInstead(*this, path, [this] { recovery_.discard(); });
        return;
    }
    // A font that cannot be opened leaves this one, and its recovery file, as they were.
    document_.open(path);
    recovery_.discard();
    recovery_.moveTo(document_.path());
    // The recent folders are folders, which both windows open: a folder's own font.bdf.
    const std::filesystem::path folder = document_.path().parent_path();
    if (document::bitmapFontIn(folder) == document_.path()) keepOpenedFolder(folder);
    setWindowTitle(tr("%1 — フォントエディタ").arg(shownPath(document_.path().filename())));
    showStatus();
    offerRecovery();
}

// A file dialog takes no folder: one of the classic font's files stands for its folder.
void FontWindow::chooseAndOpen() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("開く…"), QFile::decodeName(document_.path().parent_path().c_str()),
        tr("フォント (*.bdf %1 %2)").arg(formats::kFontFileName, formats::kLabelFileName));
    if (chosen.isEmpty()) return;
    const std::filesystem::path path(QFile::encodeName(chosen).toStdString());
    const bool classic =
        path.filename() == formats::kFontFileName || path.filename() == formats::kLabelFileName;
    openFont(classic ? path.parent_path() : path);
}

void FontWindow::chooseAndImport() {
    if (const auto file = chooseFontFile(this, document_.path().parent_path())) importFrom(*file);
}

void FontWindow::importFrom(const std::filesystem::path& file) {
    std::optional<state::BitmapFont> font = resultAside<state::BitmapFont>(
        this,
        QCoreApplication::translate("fontedit::window::Form1", "%1 を取り込んでいます…")
            .arg(shownPath(file.filename())),
        [file] { return document::BitmapDocument::readImport(file); });
    if (!font) return;
    if (const int replaced = document_.replacedBy(*font); replaced > 0) {
        const Question replace{
            tr("%1 のグリフ %2 個が、このフォントにあるグリフを置き換えます。"
               "取り込みますか？")
                .arg(shownPath(file.filename()))
                .arg(replaced),
            {tr("取り込み"), QCoreApplication::translate("fontedit::window::Form1", "キャンセル")},
            1,
            1};
        if (ask(replace) != 0) return;
    }
    document_.takeImport(*font);
    showStatus();
    confirm(grid_, QCoreApplication::translate(
                       "fontedit::window::Form1",
                       "%1 を取り込みました。保存するまでファイルには書き込みません")
                       .arg(shownPath(file.filename())));
}

void FontWindow::chooseAndExport() {
    const std::optional<BitmapExportChoice> choice =
        askBitmapExport(this, document_.path().parent_path());
    if (!choice) return;
    document_.exportFile(*choice->writer, choice->settings, choice->file);
    confirm(grid_, QCoreApplication::translate("fontedit::window::Form1", "%1 に書き出しました")
                       .arg(shownPath(choice->file)));
}

void FontWindow::showGridMenu(const QPoint& globalPosition) {
    QMenu menu(this);
    menu.addActions({undo_, redo_});
    menu.addSeparator();
    menu.addActions(gridActions_);
    menu.addSeparator();
    menu.addActions(fileActions_);
    addRecentFolders(menu, [this](const std::filesystem::path& path) {
        guard([this, &path] { openFont(path); });
    });
    menu.exec(globalPosition);
}

bool FontWindow::guard(const std::function<void()>& action) {
    return reportingFailures(action, [this](const QString& message) { report(message); });
}

void FontWindow::report(const QString& message) {
    if (reporter_) {
        reporter_(message);
        return;
    }
    showFailureBox(this, message);
}

int FontWindow::ask(const Question& question) {
    return asker_ ? asker_(question) : askInMessageBox(this, question);
}

void FontWindow::closeEvent(QCloseEvent* event) {
    if (!mayEnd()) event->ignore();
}

bool FontWindow::mayEnd() {
    if (!editor_.hasUnsavedChanges()) {
        recovery_.settle();
        return true;
    }
    const Question saveFirst{
        QCoreApplication::translate("fontedit::window::Form1",
                                    "保存されていない変更があります。終了する前に保存しますか？"),
        {QCoreApplication::translate("fontedit::window::Form1", "保存"),
         QCoreApplication::translate("fontedit::window::Form1", "破棄"),
         QCoreApplication::translate("fontedit::window::Form1", "キャンセル")},
        0,
        2};
    switch (ask(saveFirst)) {
        case 0:
            return guard([this] { save(); }) && !editor_.hasUnsavedChanges();
        case 1:
            recovery_.discard();
            return true;
        default:
            return false;
    }
}

// The grid keeps its own keys: the arrows move its cursor, Home and Space, rather than step to
// another glyph.
bool FontWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
             key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Home ||
             key->key() == Qt::Key_Space)) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace fontedit::window
