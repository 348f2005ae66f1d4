#include "window/font_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>

#include "pictures/display_looks.h"
#include "state/character_list.h"
#include "state/failure.h"
#include "window/bitmap_preview.h"
#include "window/glyph_list.h"
#include "window/panel_settings.h"

namespace fontedit::window {
namespace {

constexpr int kPanelWidth = 420;

}  // namespace

FontPanel::FontPanel(editing::BitmapEditor& editor, Chooser choose, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      searchField_(new QLineEdit(this)),
      list_(new GlyphList(editor.font(), editor.cell(), this)),
      previewField_(new QLineEdit(this)),
      lookChoice_(new QComboBox(this)),
      preview_(new BitmapPreview(editor.font())),
      status_(new QLabel(this)),
      glyphCount_(editor.font().glyphs.size()) {
    setFixedWidth(kPanelWidth);
    auto* layout = new QVBoxLayout(this);
    searchField_->setObjectName(QStringLiteral("searchField"));
    searchField_->setPlaceholderText(tr("検索: あ、U+3040-U+309F"));
    searchField_->setAccessibleName(tr("検索"));
    searchField_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("glyphList"));
    const PanelSettings kept = readPanelSettings();
    previewField_->setObjectName(QStringLiteral("previewField"));
    previewField_->setMaxLength(kLongestPreviewText);
    previewField_->setPlaceholderText(tr("見本の文字"));
    previewField_->setAccessibleName(tr("見本の文字"));
    previewField_->setText(kept.previewText);
    lookChoice_->setObjectName(QStringLiteral("previewLook"));
    lookChoice_->setAccessibleName(tr("見本の見た目"));
    for (const pictures::DisplayLook& look : pictures::displayLooks())
        lookChoice_->addItem(QString::fromUtf8(look.name.data(), qsizetype(look.name.size())));
    lookChoice_->setCurrentIndex(std::max(0, lookChoice_->findText(kept.previewLook)));
    auto* previewArea = new QScrollArea(this);
    previewArea->setObjectName(QStringLiteral("previewArea"));
    previewArea->setFrameShape(QFrame::NoFrame);
    previewArea->setWidget(preview_);
    previewArea->setFixedHeight(std::min(preview_->height() + 20, 200));
    status_->setObjectName(QStringLiteral("fileStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(previewField_, 1);
    previewRow->addWidget(lookChoice_);
    layout->addWidget(searchField_);
    layout->addWidget(list_, 1);
    layout->addLayout(previewRow);
    layout->addWidget(previewArea);
    layout->addWidget(status_);

    preview_->setLook(
        pictures::displayLooks()[static_cast<std::size_t>(lookChoice_->currentIndex())]);
    preview_->setText(previewField_->text());
    list_->setCurrent(editor.current());
    connect(list_, &GlyphList::glyphChosen, this, std::move(choose));
    connect(searchField_, &QLineEdit::textChanged, this, &FontPanel::search);
    connect(previewField_, &QLineEdit::textChanged, preview_, &BitmapPreview::setText);
    connect(lookChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        preview_->setLook(pictures::displayLooks()[static_cast<std::size_t>(index)]);
    });
    editor.addGlyphsObserver([this](std::span<const char32_t> characters) {
        // A glyph added or deleted moves every one after it in the list.
        if (editor_.font().glyphs.size() != glyphCount_) {
            glyphCount_ = editor_.font().glyphs.size();
            list_->fontChanged(editor_.cell());
        } else {
            for (const char32_t character : characters) list_->glyphChanged(character);
        }
        preview_->fontChanged(std::u32string_view(characters.data(), characters.size()));
    });
    editor.addCurrentObserver([this](char32_t character) { list_->setCurrent(character); });
    editor.addFontObserver([this] {
        glyphCount_ = editor_.font().glyphs.size();
        list_->fontChanged(editor_.cell());
        list_->setCurrent(editor_.current());
        preview_->fontChanged();
    });
}

// The list narrowed to one character's glyph, or to those of a list of codes and ranges.
void FontPanel::search(const QString& text) {
    const std::string typed = text.trimmed().toStdString();
    if (typed.empty()) {
        list_->setFilter(std::nullopt);
        return;
    }
    try {
        list_->setFilter(std::vector{state::parseCharacter(typed)});
        return;
    } catch (const state::Failure&) {
        // Not one character: a list, perhaps.
    }
    try {
        list_->setFilter(
            state::parseCharacterList(typed, [](const std::string& path) -> std::string {
                throw state::Failure(state::Cause::NotACharacter, {.value = "@" + path});
            }));
    } catch (const state::Failure&) {
        // Half typed: the list stays as it was.
    }
}

void FontPanel::setStatus(const QString& text) {
    if (text == status_->toolTip()) return;
    status_->setToolTip(text);
    status_->setText(status_->fontMetrics().elidedText(text, Qt::ElideMiddle, kPanelWidth - 20));
}

}  // namespace fontedit::window
