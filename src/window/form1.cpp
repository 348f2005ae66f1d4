#include "window/form1.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "document/bitmap_document.h"
#include "formats/own/cell_texts.h"
#include "formats/own/cp932.h"
#include "formats/own/font_files.h"
#include "formats/own/header_export.h"
#include "state/failure.h"
#include "window/caption_font.h"
#include "window/confirmation.h"
#include "window/export_dialog.h"
#include "window/failure_message.h"
#include "window/folder_actions.h"
#include "window/glyph_panel.h"
#include "window/icon.h"
#include "window/import_dialog.h"
#include "window/opening.h"
#include "window/panel_settings.h"
#include "window/pixel_button.h"
#include "window/pixel_grid_events.h"
#include "window/work_aside.h"
#include "window/wrapping_button.h"

namespace fontedit::window {
namespace {

// A change made by the editor, not by the user: shown without raising textEdited, and the
// cursor stays where the user was typing.
void showText(QLineEdit* edit, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (edit->text() == shown) return;
    const int cursor = edit->cursorPosition();
    edit->setText(shown);
    edit->setCursorPosition(static_cast<int>(std::min<qsizetype>(cursor, shown.size())));
}

}  // namespace

Form1::Form1(std::filesystem::path directory, QWidget* parent)
    : QWidget(parent),
      document_(editor_, std::move(directory)),
      recovery_(editor_, document_.directory(), this) {
    setWindowTitle(captionText(kFormCaption));
    setIconAfterFirstPaint(*this);
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    setAcceptDrops(true);
    createEditActions();
    createFileActions();

    // Qt's tab order is the order of creation, so the controls are made in their tab order.
    std::vector<ControlPlacement> byTabIndex(formControls().begin(), formControls().end());
    std::ranges::sort(byTabIndex, {}, &ControlPlacement::tabIndex);
    for (const ControlPlacement& control : byTabIndex) createControl(control);
    nameFieldsByTheirLabels();

    editor_.state().pixels.addObserver(
        [this](int column, int row, state::PixelColour colour) { showPixel(column, row, colour); });
    editor_.state().font.addObserver([this](int, int, const std::string&) { scheduleStatus(); });
    editor_.state().labels.addObserver([this](int, const std::string&) { scheduleStatus(); });
    pixels_[0][0]->setFocus();
    createPanelAction();
    if (readPanelSettings().shown) showPanel(true);
}

// A field with the focus finishes its editing when it is destroyed, after the editor.
Form1::~Form1() {
    for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->disconnect(this);
}

// A switch the compiler checks to be complete: each control of the layout has its binding.
void Form1::createControl(const ControlPlacement& control) {
    using state::FieldId;
    switch (control.id) {
        case ControlId::Command1:
        case ControlId::Command2:
        case ControlId::Command3:
        case ControlId::Command4:
        case ControlId::Command5:
            createPixelButton(control);
            break;
        case ControlId::Command9:
            createButton(control, &Form1::onPreviousClicked, QKeySequence(Qt::Key_PageUp));
            break;
        case ControlId::Command10:
            createButton(control, &Form1::onNextClicked, QKeySequence(Qt::Key_PageDown));
            break;
        case ControlId::Command11:
            createButton(control, &Form1::onReadClicked, QKeySequence(Qt::CTRL | Qt::Key_R));
            break;
        case ControlId::Command12:
            createButton(control, &Form1::onSaveClicked, QKeySequence(Qt::CTRL | Qt::Key_S));
            break;
        case ControlId::Command13:
            createButton(control, &Form1::onExitClicked, QKeySequence(Qt::CTRL | Qt::Key_Q));
            break;
        case ControlId::Command14:
            createButton(control, &Form1::onExportClicked, QKeySequence(Qt::CTRL | Qt::Key_H));
            break;
        case ControlId::Label1:
        case ControlId::Label2:
        case ControlId::Label3:
            createLabel(control);
            break;
        case ControlId::Text1:
            createTextField(control, FieldId::Column1);
            break;
        case ControlId::Text2:
            createTextField(control, FieldId::Column2);
            break;
        case ControlId::Text3:
            createTextField(control, FieldId::Column3);
            break;
        case ControlId::Text4:
            createTextField(control, FieldId::Column4);
            break;
        case ControlId::Text5:
            createTextField(control, FieldId::Column5);
            break;
        case ControlId::Text9:
            createTextField(control, FieldId::Code);
            break;
        case ControlId::Text10:
            createTextField(control, FieldId::Label);
            break;
    }
}

void Form1::createLabel(const ControlPlacement& control) {
    auto* label = new QLabel(captionText(control.caption), this);
    label->setObjectName(qtText(control.name()));
    label->setGeometry(pixelRect(control));
    // The field a label names begins a pixel inside the label.
    int room = label->width();
    if (const std::optional<ControlId> field = fieldNamedBy(control.id)) {
        for (const ControlPlacement& other : formControls()) {
            if (other.id == *field) room = pixelRect(other).left() - label->x();
        }
    }
    if (const QFont fitting = labelFont(label->font(), label->text(), room);
        fitting != label->font()) {
        label->setFont(fitting);
    }
}

void Form1::createTextField(const ControlPlacement& control, state::FieldId id) {
    state::TextField& field = editor_.state().field(id);
    auto* edit = new QLineEdit(QString::fromStdString(field.text()), this);
    edit->setMaxLength(formats::kLongestText);
    edit->setObjectName(qtText(control.name()));
    edit->setGeometry(pixelRect(control));
    if (control.column > 0) edit->setAccessibleName(tr("列 %1").arg(control.column));
    field.addObserver([edit](const std::string& text) { showText(edit, text); });
    connect(edit, &QLineEdit::textEdited, this, [this, id, edit](const QString& text) {
        if (id == state::FieldId::Label && !labelHolds(edit, text)) return;
        guard([this, id, &text] { editor_.type(id, text.toStdString()); });
    });
    connect(edit, &QLineEdit::editingFinished, this,
            [this, id] { guard([this, id] { editor_.finishEditing(id); }); });
    edit->installEventFilter(this);
}

// A label the files cannot hold would fail only at 保存, far from where it was typed: the field
// says so at once and keeps its last good text.
bool Form1::labelHolds(QLineEdit* edit, const QString& text) {
    int code = 0;
    try {
        code = editor_.state().currentCode();
    } catch (const state::Failure&) {
        // The code field is being typed; the label still belongs to a glyph.
    }
    try {
        formats::toCp932(text.toStdString(), formats::labelPlace(code));
        return true;
    } catch (const state::Failure& failure) {
        showText(edit, editor_.state().field(state::FieldId::Label).text());
        confirm(edit, failureMessage(failure));
        return false;
    }
}

// A screen reader names a field by the label whose buddy it is.
void Form1::nameFieldsByTheirLabels() {
    for (const ControlPlacement& control : formControls()) {
        if (const std::optional<ControlId> field = fieldNamedBy(control.id)) {
            findChild<QLabel*>(qtText(control.name()))
                ->setBuddy(findChild<QWidget*>(qtText(controlName(*field))));
        }
    }
}

void Form1::createPixelButton(const ControlPlacement& control) {
    auto* button = new PixelButton(control.column, control.row, this);
    button->setObjectName(qtText(control.name()));
    button->setGeometry(pixelRect(control));
    button->setLit(editor_.state().pixels.colour(control.column, control.row) ==
                   state::PixelColour::Lit);
    connect(button, &QAbstractButton::clicked, this,
            [this, column = control.column, row = control.row] {
                guard([this, column, row] { editor_.togglePixel(column, row); });
            });
    connect(button, &PixelButton::focusStepRequested, this,
            [this, column = control.column, row = control.row](int columns, int rows) {
                focusPixel(column + columns, row + rows);
            });
    pixels_[control.column - 1][control.row] = button;
    watchPixel(button);
}

void Form1::createButton(const ControlPlacement& control, Action action,
                         const QKeySequence& shortcut) {
    auto* button = new WrappingButton(captionText(control.caption), this);
    button->setObjectName(qtText(control.name()));
    button->setGeometry(pixelRect(control));
    connect(button, &QAbstractButton::clicked, this,
            [this, action] { guard([this, action] { (this->*action)(); }); });
    addButtonShortcut(button, shortcut);
}

void Form1::showPixel(int column, int row, state::PixelColour colour) {
    pixels_[column - 1][row]->setLit(colour == state::PixelColour::Lit);
}

void Form1::focusPixel(int column, int row) {
    pixels_[std::clamp(column, 1, state::kGlyphColumns) - 1]
           [std::clamp(row, 0, state::kGlyphRows - 1)]
               ->setFocus(Qt::OtherFocusReason);
}

void Form1::onPreviousClicked() {
    editor_.previous();
}
void Form1::onNextClicked() {
    editor_.next();
}
// The font files live in the folder the window has open.
void Form1::onReadClicked() {
    const Question discard{
        tr("保存されていない変更があります。変更を破棄してファイルから読み出しますか？"),
        {tr("読出し"), tr("キャンセル")},
        1,
        1};
    if (editor_.hasUnsavedChanges() && ask(discard) != 0) return;
    readFont();
}

void Form1::readFont() {
    document_.read();
    showStatus();
}
void Form1::onSaveClicked() {
    if (!mayReplace(document::FontDocument::Write::Save)) return;
    document_.save();
    recovery_.settle();
    showStatus();
    confirmWritten("Command12", directory() / formats::kFontFileName);
}
void Form1::onExportClicked() {
    if (!mayReplace(document::FontDocument::Write::Export)) return;
    const formats::EmptyCells empty = document_.exportHeader();
    confirmWritten("Command14", directory() / formats::kHeaderFileName, headerNote(empty));
}

bool Form1::mayReplace(document::FontDocument::Write write) {
    if (write == document::FontDocument::Write::Save) {
        if (const std::optional<int> glyphs = document_.unreadFontGlyphs()) {
            const Question unread{
                tr("フォルダ %1 には、このウィンドウで読み出していないフォント（ドットのあるグリフ "
                   "%2 個）があります。保存すると、そのフォントとラベルを今の表で置き換えます。"
                   "置き換えますか？")
                    .arg(shownPath(directory()))
                    .arg(*glyphs),
                {tr("置き換え"), tr("キャンセル")},
                1,
                1};
            if (ask(unread) != 0) return false;
        }
    }
    const std::vector<std::string> changed = document_.changedOnDisk(write);
    if (changed.empty()) return true;
    QStringList names;
    for (const std::string& name : changed) names << QString::fromStdString(name);
    const Question overwrite{
        tr("フォルダ %1 のファイル %2 は、最後の読出しか保存の後にほかのプログラムで変更されて"
           "います。上書きしますか？")
            .arg(QString::fromStdString(state::escapedBytes(directory().string())),
                 names.join(tr("、"))),
        {tr("上書き"), tr("キャンセル")},
        1,
        1};
    return ask(overwrite) == 0;
}

void Form1::offerRecovery() {
    offerLeftWork(
        recovery_,
        [this](const QString& when) {
            return tr("フォルダ %1 のフォントに、保存されずに終わった変更が残っています（%2 "
                      "に退避）。"
                      "復元しますか？")
                .arg(QString::fromStdString(state::escapedBytes(directory().string())), when);
        },
        [this](const Question& question) { return ask(question); },
        [this](const std::function<void()>& action) { return guard(action); });
    if (recovery_.stopped()) showStatus();
}
void Form1::onExitClicked() {
    if (mayEnd()) QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!mayEnd()) event->ignore();
}

bool Form1::mayEnd() {
    if (!editor_.hasUnsavedChanges()) {
        recovery_.settle();
        return true;
    }
    const Question saveFirst{tr("保存されていない変更があります。終了する前に保存しますか？"),
                             {tr("保存"), tr("破棄"), tr("キャンセル")},
                             0,
                             2};
    switch (ask(saveFirst)) {
        case 0:
            return guard([this] { onSaveClicked(); }) && !editor_.hasUnsavedChanges();
        case 1:
            recovery_.discard();
            return true;
        default:
            return false;
    }
}

bool Form1::guard(const std::function<void()>& action) {
    return reportingFailures(action, [this](const QString& message) { report(message); });
}

void Form1::report(const QString& message) {
    if (reporter_) {
        reporter_(message);
        return;
    }
    showFailureBox(this, message);
}

int Form1::ask(const Question& question) {
    return asker_ ? asker_(question) : askInMessageBox(this, question);
}

// Undo and redo work anywhere in the window; the grid commands while a pixel has the focus,
// and from the grid's context menu.
void Form1::createEditActions() {
    undo_ = createAction(tr("元に戻す"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                         [this] { editor_.undo(); });
    redo_ = createAction(
        tr("やり直し"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        [this] { editor_.redo(); });
    addActions({undo_, redo_});

    using editing::GridCommand;
    const auto command = [this](GridCommand command) {
        return [this, command] { editor_.apply(command); };
    };
    gridActions_ = {
        createAction(tr("コピー"), {QKeySequence(Qt::CTRL | Qt::Key_C)}, [this] { copyGlyph(); }),
        createAction(tr("貼り付け"), {QKeySequence(Qt::CTRL | Qt::Key_V)},
                     [this] { pasteGlyph(); }),
        createAction(tr("消去"), {QKeySequence(Qt::Key_Delete)}, command(GridCommand::Clear)),
        createAction(tr("白黒反転"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)},
                     command(GridCommand::Invert)),
        createAction(tr("上へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Up)},
                     command(GridCommand::ShiftUp)),
        createAction(tr("下へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Down)},
                     command(GridCommand::ShiftDown)),
        createAction(tr("左へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Left)},
                     command(GridCommand::ShiftLeft)),
        createAction(tr("右へずらす"), {QKeySequence(Qt::SHIFT | Qt::Key_Right)},
                     command(GridCommand::ShiftRight)),
        createAction(tr("左右反転"), {QKeySequence(Qt::CTRL | Qt::Key_M)},
                     command(GridCommand::MirrorLeftRight)),
    };
    for (QAction* action : gridActions_) action->setShortcutContext(Qt::WidgetShortcut);
    gridEvents_ = new PixelGridEvents(
        *this, [this](QWidget* widget) { return pixelPlace(widget).has_value(); },
        {.press =
             [this](QWidget* pixel) {
                 guard([this, place = *pixelPlace(pixel)] {
                     editor_.startDrag(place.first, place.second);
                 });
             },
         .over =
             [this](QWidget* pixel) {
                 guard([this, place = *pixelPlace(pixel)] {
                     editor_.dragOver(place.first, place.second);
                 });
             },
         .release = [this] { editor_.endDrag(); },
         .menu = [this](const QPoint& position) { showGridMenu(position); },
         .focus = [this](QWidget* pixel) { giveGridActions(pixel); }});
}

QAction* Form1::createAction(const QString& text, const QList<QKeySequence>& shortcuts,
                             const std::function<void()>& action) {
    auto* created = new QAction(text, this);
    created->setShortcuts(shortcuts);
    connect(created, &QAction::triggered, this, [this, action] { guard(action); });
    return created;
}

// A button's shortcut clicks it at once; QAbstractButton's own would wait for an animation
// and swallow a key held down.
void Form1::addButtonShortcut(QAbstractButton* button, const QKeySequence& shortcut) {
    auto* click = new QAction(button->text(), this);
    click->setShortcut(shortcut);
    connect(click, &QAction::triggered, button, &QAbstractButton::click);
    addAction(click);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(button->text(), shortcut.toString(QKeySequence::NativeText)));
}

void Form1::watchPixel(QWidget* pixel) {
    gridEvents_->watch(pixel);
}

// A pixel takes the grid's shortcuts when it first has the focus, the only time they work:
// adding nine actions to each of forty buttons was a tenth of making the window.
void Form1::giveGridActions(QWidget* pixel) {
    if (pixel->actions().isEmpty()) pixel->addActions(gridActions_);
}

void Form1::showGridMenu(const QPoint& globalPosition) {
    QMenu menu(this);
    menu.addActions({undo_, redo_});
    menu.addSeparator();
    menu.addActions(gridActions_);
    menu.addSeparator();
    menu.addAction(openAction_);
    addRecentFolders(menu, [this](const std::filesystem::path& dir) {
        guard([this, &dir] { openFolder(dir); });
    });
    menu.addActions({importAction_, exportAction_});
    menu.addSeparator();
    menu.addAction(panelAction_);
    menu.exec(globalPosition);
}

std::optional<std::pair<int, int>> Form1::pixelPlace(const QWidget* widget) const {
    for (int column = 1; column <= state::kGlyphColumns; ++column) {
        for (int row = 0; row < state::kGlyphRows; ++row) {
            if (pixels_[column - 1][row] == widget) return std::pair{column, row};
        }
    }
    return std::nullopt;
}

void Form1::copyGlyph() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(editor_.copyText()));
}

void Form1::pasteGlyph() {
    editor_.paste(QGuiApplication::clipboard()->text().toStdString());
}

void Form1::createPanelAction() {
    panelAction_ =
        createAction(tr("一覧"), {QKeySequence(Qt::CTRL | Qt::Key_L)}, [this] { togglePanel(); });
    panelAction_->setCheckable(true);
    addAction(panelAction_);
}

void Form1::togglePanel() {
    showPanel(panel_ == nullptr || panel_->isHidden());
}

void Form1::showPanel(bool shown) {
    constexpr int kLeftPartWidth = kClientWidthTwips / kTwipsPerPixel;
    constexpr int kLeftPartHeight = kClientHeightTwips / kTwipsPerPixel;
    if (!panel_) {
        panel_ = new GlyphPanel(
            editor_, [this](int code) { guard([this, code] { editor_.show(code); }); },
            kLeftPartHeight, this);
        panel_->move(kLeftPartWidth, 0);
        panel_->addFileActions({openAction_, importAction_, exportAction_});
        panel_->setStatus(statusText());
        // An LCD of four rows in the preview takes more than the controls' height.
        connect(panel_, &GlyphPanel::heightChanged, this,
                [this] { showPanel(!panel_->isHidden()); });
    }
    panel_->setVisible(shown);
    panelAction_->setChecked(shown);
    setFixedSize(kLeftPartWidth + (shown ? panel_->width() : 0),
                 shown ? panel_->height() : kLeftPartHeight);
}

void Form1::createFileActions() {
    openAction_ = createAction(tr("フォルダを開く…"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
                               [this] { chooseAndOpenFolder(); });
    importAction_ = createAction(tr("取り込み…"), {QKeySequence(Qt::CTRL | Qt::Key_I)},
                                 [this] { chooseAndImport(); });
    exportAction_ = createAction(tr("書き出し…"), {QKeySequence(Qt::CTRL | Qt::Key_E)},
                                 [this] { chooseAndExport(); });
    addActions({openAction_, importAction_, exportAction_});
}

void Form1::chooseAndOpenFolder() {
    if (const auto dir = chooseFolder(this, directory())) openFolder(*dir);
}

void Form1::openFolder(const std::filesystem::path& dir) {
    const std::optional<std::filesystem::path> general = document::bitmapFontAt(dir);
    std::error_code error;
    const bool hasFont = general || std::filesystem::exists(dir / formats::kFontFileName, error);
    const Question discard{
        tr("保存されていない変更があります。変更を破棄してフォルダ %1 を開きますか？")
            .arg(shownPath(dir)),
        {tr("開く"), tr("キャンセル")},
        1,
        1};
    const Question carry{
        tr("保存されていない変更があります。変更を持ったままフォルダ %1 を開きますか？"
           "保存するとそのフォルダに書き込みます")
            .arg(shownPath(dir)),
        {tr("開く"), tr("キャンセル")},
        0,
        1};
    if (editor_.hasUnsavedChanges() && ask(hasFont ? discard : carry) != 0) return;
    if (general) {
        if (std::filesystem::is_directory(dir, error)) keepOpenedFolder(dir);
        openGeneralInstead(*this, *general, [this] { recovery_.discard(); });
        return;
    }
    document_.open(dir);
    keepOpenedFolder(dir);
    try {
        if (hasFont) document_.read();
    } catch (...) {
        recovery_.moveTo(dir);
        showStatus();
        throw;
    }
    // After the read, so that work still unsaved is kept for the new folder before the old
    // folder's file goes.
    recovery_.moveTo(dir);
    showStatus();
    offerRecovery();
}

void Form1::chooseAndImport() {
    if (const auto file = chooseFontFile(this, directory())) importFrom(*file);
}

void Form1::importFrom(const std::filesystem::path& file) {
    formats::ImportOptions options;
    std::vector<formats::ImportNote> notes;
    for (;;) {
        try {
            std::optional<formats::ImportedFont> font = resultAside<formats::ImportedFont>(
                this, tr("%1 を取り込んでいます…").arg(shownPath(file.filename())),
                [file, options] { return document::FontDocument::readImport(file, options); });
            if (!font) return;
            notes = document_.takeImport(std::move(*font));
            break;
        } catch (const state::Failure& failure) {
            const std::vector<formats::ShapeChoice> choices = formats::shapeChoices(failure);
            if (choices.empty()) throw;
            QList<QPixmap> pictures;
            for (const formats::ShapeChoice& choice : choices) {
                formats::ImportOptions reading = options;
                formats::choose(choice, reading);
                try {
                    pictures << readingPicture(document_.readImport(file, reading).data);
                } catch (const state::Failure&) {
                    // Shown by its options alone.
                    pictures << QPixmap();
                }
            }
            const int chosen = ask(shapeQuestion(file, choices, pictures));
            if (chosen < 0 || chosen >= static_cast<int>(choices.size())) return;
            formats::choose(choices[chosen], options);
        }
    }
    showStatus();
    QStringList lines{tr("%1 を取り込みました。保存するまでファイルには書き込みません")
                          .arg(shownPath(file.filename()))};
    for (const formats::ImportNote& note : notes) lines << noteMessage(note);
    confirm(pixels_[0][state::kGlyphRows - 1], lines.join(u'\n'));
}

void Form1::chooseAndExport() {
    const std::optional<ExportChoice> choice = askExport(this, directory());
    if (!choice) return;
    document_.exportFile(choice->format, choice->settings, choice->file);
    confirm(pixels_[0][state::kGlyphRows - 1],
            tr("%1 に書き出しました").arg(shownPath(choice->file)));
}

QString Form1::statusText() const {
    return folderStatus(directory(), editor_.hasUnsavedChanges(), recovery_.stopped());
}

void Form1::scheduleStatus() {
    if (!panel_ || statusScheduled_) return;
    statusScheduled_ = true;
    QTimer::singleShot(0, this, [this] { showStatus(); });
}

void Form1::showStatus() {
    statusScheduled_ = false;
    if (panel_) panel_->setStatus(statusText());
}

void Form1::confirmWritten(const char* button, const std::filesystem::path& file,
                           const QString& note) {
    QString text = tr("%1 に書き込みました").arg(shownPath(file));
    if (!note.isEmpty()) text += u'\n' + note;
    confirm(findChild<QWidget*>(QString::fromLatin1(button)), text);
}

// Over the grid and wherever no control has a tip of its own, the tip says which folder is
// open; it is worded only when asked for.
bool Form1::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), statusText(), this);
        return true;
    }
    return QWidget::event(event);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const std::filesystem::path file(
        QFile::encodeName(event->mimeData()->urls().front().toLocalFile()).toStdString());
    event->acceptProposedAction();
    guard([this, &file] { importFrom(file); });
}

// The window's shortcuts (undo, redo, the buttons') win over a text field's own key bindings:
// Ctrl+Z reaches the editor's history instead of the field's, which knows nothing of the tables,
// and Ctrl+E exports instead of moving to the end of the line.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : actions()) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace fontedit::window
