#include "window/glyph_panel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <utility>

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

}  // namespace

GlyphPanel::GlyphPanel(editing::Editor& editor, Chooser choose, int height, QWidget* parent)
    : QWidget(parent),
      overview_(new GlyphOverview(editor.state().font, editor.state().labels, this)),
      previewField_(new QLineEdit(this)),
      preview_(new TextPreview(editor.state().font, editor.state().labels, this)),
      status_(new QLabel(this)),
      kept_(readPanelSettings()) {
    const int width = overview_->width();
    setFixedSize(width + 2 * kPanelMargin, height);
    overview_->move(kPanelMargin, kPanelTop);
    previewField_->setGeometry(kPanelMargin, overview_->geometry().bottom() + 1 + kPanelGap, width,
                               kPreviewFieldHeight);
    previewField_->setObjectName(QStringLiteral("previewField"));
    previewField_->setMaxLength(kLongestPreviewText);
    previewField_->setPlaceholderText(tr("見本の文字"));
    previewField_->setAccessibleName(tr("見本の文字"));
    preview_->setGeometry(kPanelMargin, previewField_->geometry().bottom() + 1 + kPanelGap / 2,
                          width, preview_->height());
    status_->setObjectName(QStringLiteral("folderStatus"));
    status_->setGeometry(kPanelMargin, height - kPanelMargin - 2 * kActionHeight, width,
                         kActionHeight);
    status_->setTextFormat(Qt::PlainText);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    previewField_->setText(kept_.previewText);
    preview_->setText(kept_.previewText);
    overview_->setCurrent(editor.validCode());

    connect(overview_, &GlyphOverview::glyphChosen, this, std::move(choose));
    connect(previewField_, &QLineEdit::textChanged, preview_, &TextPreview::setText);
    follow(editor);
}

// Written once, as the window goes: a write of the settings waits for the disk.
GlyphPanel::~GlyphPanel() {
    const bool shown = !isHidden();
    if (shown != kept_.shown) keepPanelShown(shown);
    if (previewField_->text() != kept_.previewText) keepPreviewText(previewField_->text());
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
