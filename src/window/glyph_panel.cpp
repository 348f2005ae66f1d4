#include "window/glyph_panel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <utility>

#include "pictures/display_looks.h"
#include "window/failure_message.h"
#include "window/glyph_overview.h"
#include "window/panel_settings.h"
#include "window/text_preview.h"

namespace fontedit::window {
namespace {

constexpr int kPanelMargin = 8;
// Level with the top of the pixel grid.
constexpr int kPanelTop = 16;
constexpr int kPanelGap = 12;
constexpr int kPreviewFieldHeight = 25;
constexpr int kActionHeight = 25;
constexpr int kActionGap = 6;
constexpr int kChoiceGap = 4;

}  // namespace

GlyphPanel::GlyphPanel(editing::Editor& editor, Chooser choose, int height, QWidget* parent)
    : QWidget(parent),
      overview_(new GlyphOverview(editor.state().font, editor.state().labels, this)),
      previewField_(new QLineEdit(this)),
      lookChoice_(new QComboBox(this)),
      layoutChoice_(new QComboBox(this)),
      previewArea_(new QScrollArea(this)),
      preview_(new TextPreview(editor.state().font, editor.state().labels)),
      notes_(new QLabel(this)),
      status_(new QLabel(this)),
      leastHeight_(height),
      kept_(readPanelSettings()) {
    const int width = overview_->width();
    setFixedSize(width + 2 * kPanelMargin, height);
    overview_->move(kPanelMargin, kPanelTop);
    addStyleChoices();
    const int fieldTop = overview_->geometry().bottom() + 1 + kPanelGap;
    layoutChoice_->setGeometry(kPanelMargin + width - layoutChoice_->width(), fieldTop,
                               layoutChoice_->width(), kPreviewFieldHeight);
    lookChoice_->setGeometry(layoutChoice_->x() - kChoiceGap - lookChoice_->width(), fieldTop,
                             lookChoice_->width(), kPreviewFieldHeight);
    previewField_->setGeometry(kPanelMargin, fieldTop, lookChoice_->x() - kChoiceGap - kPanelMargin,
                               kPreviewFieldHeight);
    previewField_->setObjectName(QStringLiteral("previewField"));
    previewField_->setMaxLength(kLongestPreviewText);
    previewField_->setPlaceholderText(tr("見本の文字"));
    previewField_->setAccessibleName(tr("見本の文字"));
    previewArea_->setObjectName(QStringLiteral("previewArea"));
    previewArea_->setFrameShape(QFrame::NoFrame);
    previewArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    previewArea_->setWidget(preview_);
    previewArea_->move(kPanelMargin, fieldTop + kPreviewFieldHeight + kPanelGap / 2);
    preview_->setLeastWidth(width);
    notes_->setObjectName(QStringLiteral("previewNotes"));
    notes_->setTextFormat(Qt::PlainText);
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setObjectName(QStringLiteral("folderStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    previewField_->setText(kept_.previewText);
    preview_->setText(kept_.previewText);
    overview_->setCurrent(editor.validCode());
    placeBelowField();

    connect(overview_, &GlyphOverview::glyphChosen, this, std::move(choose));
    connect(previewField_, &QLineEdit::textChanged, preview_, &TextPreview::setText);
    connect(preview_, &TextPreview::laidOut, this, &GlyphPanel::placeBelowField);
    follow(editor);
}

// Written once, as the window goes: a write of the settings waits for the disk.
GlyphPanel::~GlyphPanel() {
    const bool shown = !isHidden();
    if (shown != kept_.shown) keepPanelShown(shown);
    if (previewField_->text() != kept_.previewText) keepPreviewText(previewField_->text());
    if (lookName() != kept_.previewLook) keepPreviewLook(lookName());
    if (layoutName() != kept_.previewLayout) keepPreviewLayout(layoutName());
}

// Every look of render --look, and a line or each common size of render --layout; a name kept
// that is no longer offered leaves the first.
void GlyphPanel::addStyleChoices() {
    lookChoice_->setObjectName(QStringLiteral("previewLook"));
    lookChoice_->setAccessibleName(tr("見本の見た目"));
    lookChoice_->setToolTip(tr("見本の見た目"));
    for (const pictures::DisplayLook& look : pictures::displayLooks())
        lookChoice_->addItem(QString::fromUtf8(look.name.data(), qsizetype(look.name.size())));
    layoutChoice_->setObjectName(QStringLiteral("previewLayout"));
    layoutChoice_->setAccessibleName(tr("見本の配置"));
    layoutChoice_->setToolTip(tr("見本の配置"));
    layoutChoice_->addItem(tr("行"), QString());
    for (const pictures::PanelSize size : pictures::commonPanelSizes()) {
        const QString name = QString::fromStdString(pictures::panelSizeName(size));
        layoutChoice_->addItem(name, name);
    }
    lookChoice_->adjustSize();
    layoutChoice_->adjustSize();
    lookChoice_->setCurrentIndex(std::max(0, lookChoice_->findText(kept_.previewLook)));
    layoutChoice_->setCurrentIndex(std::max(0, layoutChoice_->findData(kept_.previewLayout)));
    preview_->setLook(
        pictures::displayLooks()[static_cast<std::size_t>(lookChoice_->currentIndex())]);
    preview_->setLayout(pictures::panelSizeNamed(layoutName().toStdString()));
    connect(lookChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        preview_->setLook(pictures::displayLooks()[static_cast<std::size_t>(index)]);
    });
    connect(layoutChoice_, &QComboBox::currentIndexChanged, this,
            [this] { preview_->setLayout(pictures::panelSizeNamed(layoutName().toStdString())); });
}

QString GlyphPanel::lookName() const {
    return lookChoice_->currentText();
}

QString GlyphPanel::layoutName() const {
    return layoutChoice_->currentData().toString();
}

void GlyphPanel::placeBelowField() {
    const int width = overview_->width();
    const bool scrolls = preview_->width() > width;
    const int areaHeight = preview_->height() +
                           (scrolls ? previewArea_->horizontalScrollBar()->sizeHint().height() : 0);
    previewArea_->resize(width, areaHeight);
    int bottom = previewArea_->geometry().bottom() + 1;
    const std::optional<pictures::PanelSize> layout = preview_->layout();
    notes_->setText(layout ? panelNoteLines(preview_->panelText(), *layout) : QString());
    notes_->setVisible(!notes_->text().isEmpty());
    if (notes_->isVisibleTo(this)) {
        notes_->setGeometry(kPanelMargin, bottom + kPanelGap / 2, width,
                            notes_->heightForWidth(width));
        bottom = notes_->geometry().bottom() + 1;
    }
    const int height = std::max(leastHeight_, bottom + kPanelMargin + 2 * kActionHeight);
    const int footTop = height - kPanelMargin - 2 * kActionHeight;
    status_->setGeometry(kPanelMargin, footTop, width, kActionHeight);
    for (QToolButton* button : actions_) button->move(button->x(), footTop + kActionHeight);
    if (height == this->height()) return;
    setFixedHeight(height);
    emit heightChanged();
}

void GlyphPanel::addFileActions(const QList<QAction*>& actions) {
    int left = kPanelMargin;
    for (QAction* action : actions) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->adjustSize();
        button->setGeometry(left, height() - kPanelMargin - kActionHeight, button->width(),
                            kActionHeight);
        button->show();
        actions_ << button;
        left += button->width() + kActionGap;
    }
}

// A long path is cut in its middle; the whole line is the label's tooltip.
void GlyphPanel::setStatus(const QString& text) {
    // Asked again after each change; eliding shapes the whole line.
    if (text == status_->toolTip()) return;
    status_->setToolTip(text);
    status_->setText(status_->fontMetrics().elidedText(text, Qt::ElideMiddle, status_->width()));
}

// The tables tell of a change before it lands; the widgets repaint later, from the new values.
void GlyphPanel::follow(editing::Editor& editor) {
    state::EditorState& state = editor.state();
    state.font.addObserver([this](int code, int, const std::string&) {
        overview_->glyphChanged(code);
        preview_->glyphChanged(code);
    });
    state.labels.addObserver([this](int, const std::string&) { preview_->labelChanged(); });
    state.codeField().addObserver(
        [this, &editor](const std::string&) { overview_->setCurrent(editor.validCode()); });
}

}  // namespace fontedit::window
