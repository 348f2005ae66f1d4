#include "window/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QSpinBox>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "state/glyph_codes.h"
#include "window/panel_settings.h"

namespace fontedit::window {
namespace {

class ExportDialog {
    Q_DECLARE_TR_FUNCTIONS(ExportDialog)
};

using formats::ExportFormat;
using formats::FormatInfo;
using Layout = state::GlyphLayout;

// "c", the extension of the file a format writes without a name.
QString extensionOf(const FormatInfo& info) {
    return QFileInfo(QString::fromUtf8(info.fileName.data(), info.fileName.size())).suffix();
}

// What each format is, in the window's language; the CLI's help has the formats' own English.
QString summaryOf(ExportFormat format) {
    switch (format) {
        case ExportFormat::Header:
            return ExportDialog::tr("エディタの font.h（手で仕上げる）");
        case ExportFormat::C:
            return ExportDialog::tr("そのままコンパイルできる C ソース");
        case ExportFormat::Bdf:
            return ExportDialog::tr("BDF 2.1 フォント");
        case ExportFormat::Bin:
            return ExportDialog::tr("列の 480 バイト");
        case ExportFormat::Png:
            return ExportDialog::tr("96 グリフの PNG シート");
        case ExportFormat::U8g2:
            return ExportDialog::tr("u8g2 フォント（u8g2.setFont() 用）");
        case ExportFormat::U8x8:
            return ExportDialog::tr("u8x8 タイルフォント（u8x8.setFont() 用）");
        case ExportFormat::Lvgl:
            return ExportDialog::tr("1 ピクセル 1 ビットの LVGL 8.3・9 フォント");
        case ExportFormat::GfxFont:
            return ExportDialog::tr("Adafruit GFX・TFT_eSPI の GFXfont ヘッダ（setFont 用）");
        case ExportFormat::GlcdFont:
            return ExportDialog::tr("Adafruit GFX の標準フォント glcdfont.c");
        case ExportFormat::Max72xx:
            return ExportDialog::tr("MD_MAX72XX・MD_Parola のフォント表");
        case ExportFormat::Hd44780:
            return ExportDialog::tr("キャラクタ LCD の createChar 用の外字（既定はコード 0-7）");
        case ExportFormat::Psf:
            return ExportDialog::tr("Linux コンソールの setfont 用の PSF2 フォント");
        case ExportFormat::Pcf:
        case ExportFormat::TrueType:
            break;  // read only
    }
    return {};
}

QString filterOf(const FormatInfo& info) {
    return QStringLiteral("%1: %2 (*.%3)")
        .arg(QString::fromUtf8(info.word.data(), info.word.size()), summaryOf(info.format),
             extensionOf(info));
}

QString ownName(const FormatInfo& info) {
    return QString::fromUtf8(info.fileName.data(), info.fileName.size());
}

QString wordOf(ExportFormat format) {
    const std::string_view word = formats::formatInfo(format).word;
    return QString::fromUtf8(word.data(), word.size());
}

const FormatInfo* formatNamed(const QString& word) {
    for (const FormatInfo& info : formats::exportFormats()) {
        if (wordOf(info.format) == word) return &info;
    }
    return nullptr;
}

// The option widgets, each the row of the setting it gives.
class OptionRows {
public:
    explicit OptionRows(QWidget* parent) : box_(new QWidget(parent)) {
        auto* form = new QFormLayout(box_);
        form->setContentsMargins(0, 0, 0, 0);
        name_->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*")), name_));
        layout_->addItem(ExportDialog::tr("列ごと（[96][5]）"), int(Layout::Columns));
        layout_->addItem(ExportDialog::tr("ドット行ごと（[96][8]）"), int(Layout::Rows));
        first_->setRange(0, formats::kLastFirstEncoding);
        scale_->setRange(1, formats::kLargestScale);
        add(form, ExportDialog::tr("名前 (--name):"), name_, formats::kTakesName);
        add(form, ExportDialog::tr("並び (--layout):"), layout_, formats::kTakesLayout);
        add(form, {}, msbTop_, formats::kTakesMsbTop);
        add(form, {}, msbLeft_, formats::kTakesMsbLeft);
        add(form, {}, progmem_, formats::kTakesProgmem);
        codes_->setPlaceholderText(ExportDialog::tr("例: 0-7,10"));
        codes_->setObjectName(QStringLiteral("codesField"));
        add(form, ExportDialog::tr("コード (--codes):"), codes_, formats::kTakesCodes);
        add(form, ExportDialog::tr("最初の文字 (--first):"), first_, formats::kTakesFirst);
        add(form, ExportDialog::tr("倍率 (--scale):"), scale_, formats::kTakesScale);
        QObject::connect(layout_, &QComboBox::currentIndexChanged, box_,
                         [this] { enableBitOrders(); });
        read();
    }

    QWidget* box() const { return box_; }

    void showFor(ExportFormat format) {
        const FormatInfo& info = formats::formatInfo(format);
        takes_ = info.takes;
        for (const auto& [widget, setting] : rows_) widget->setEnabled((takes_ & setting) != 0);
        enableBitOrders();
        first_->setMaximum(info.lastFirst);
    }

    // Fails on codes that are not a list of glyph codes.
    formats::ExportSettings settings() const {
        formats::ExportSettings settings;
        if ((takes_ & formats::kTakesCodes) != 0 && !codes_->text().isEmpty()) {
            settings.c.codes = state::parseCodeList(codes_->text().toStdString());
        }
        if (!name_->text().isEmpty()) settings.c.name = name_->text().toStdString();
        settings.c.layout = rows() ? Layout::Rows : Layout::Columns;
        settings.c.msbTop = !rows() && msbTop_->isChecked();
        settings.c.msbLeft = rows() && msbLeft_->isChecked();
        settings.c.progmem = progmem_->isChecked();
        settings.first = first_->value();
        settings.scale = scale_->value();
        return settings;
    }

    void keep() const {
        const std::unique_ptr<QSettings> kept = programSettings();
        if (!kept) return;
        kept->setValue(QStringLiteral("export/name"), name_->text());
        kept->setValue(QStringLiteral("export/rows"), rows());
        kept->setValue(QStringLiteral("export/msbTop"), msbTop_->isChecked());
        kept->setValue(QStringLiteral("export/msbLeft"), msbLeft_->isChecked());
        kept->setValue(QStringLiteral("export/progmem"), progmem_->isChecked());
        kept->setValue(QStringLiteral("export/codes"), codes_->text());
        kept->setValue(QStringLiteral("export/first"), first_->value());
        kept->setValue(QStringLiteral("export/scale"), scale_->value());
    }

private:
    void add(QFormLayout* form, const QString& label, QWidget* widget, std::uint32_t setting) {
        if (label.isEmpty()) {
            form->addRow(widget);
        } else {
            form->addRow(label, widget);
        }
        rows_.emplace_back(widget, setting);
    }

    void read() {
        const std::unique_ptr<QSettings> kept = programSettings();
        const auto value = [&kept](const char* key, const QVariant& otherwise) {
            return kept ? kept->value(QLatin1String(key), otherwise) : otherwise;
        };
        const formats::ExportSettings defaults;
        // A kept name goes into the C source as it is: it passes what typing it would.
        QString name = value("export/name", QString::fromStdString(defaults.c.name)).toString();
        if (int at = 0; name_->validator()->validate(name, at) != QValidator::Acceptable) {
            std::fprintf(stderr,
                         "fontedit: the export name kept in the settings is no C identifier; "
                         "%s is used\n",
                         defaults.c.name.c_str());
            name = QString::fromStdString(defaults.c.name);
        }
        name_->setText(name);
        layout_->setCurrentIndex(value("export/rows", false).toBool());
        msbTop_->setChecked(value("export/msbTop", false).toBool());
        msbLeft_->setChecked(value("export/msbLeft", false).toBool());
        progmem_->setChecked(value("export/progmem", false).toBool());
        codes_->setText(value("export/codes", QString()).toString());
        first_->setValue(value("export/first", defaults.first).toInt());
        scale_->setValue(value("export/scale", defaults.scale).toInt());
    }

    bool rows() const { return layout_->currentData().toInt() == int(Layout::Rows); }
    // Each bit order belongs to one layout.
    void enableBitOrders() {
        msbTop_->setEnabled((takes_ & formats::kTakesMsbTop) != 0 && !rows());
        msbLeft_->setEnabled((takes_ & formats::kTakesMsbLeft) != 0 && rows());
    }

    QWidget* box_;
    QLineEdit* name_ = new QLineEdit(box_);
    QComboBox* layout_ = new QComboBox(box_);
    QCheckBox* msbTop_ = new QCheckBox(ExportDialog::tr("ビット 7 が上のドット (--msb-top)"), box_);
    QCheckBox* msbLeft_ =
        new QCheckBox(ExportDialog::tr("ビット 7 が左のドット (--msb-left)"), box_);
    QCheckBox* progmem_ =
        new QCheckBox(ExportDialog::tr("AVR のプログラムメモリに置く (--progmem)"), box_);
    QLineEdit* codes_ = new QLineEdit(box_);
    QSpinBox* first_ = new QSpinBox(box_);
    QSpinBox* scale_ = new QSpinBox(box_);
    std::vector<std::pair<QWidget*, std::uint32_t>> rows_;
    std::uint32_t takes_ = 0;
};

}  // namespace

ExportFormat formatOf(const QString& fileName, ExportFormat chosen) {
    const QString extension = QFileInfo(fileName).suffix();
    if (extension.compare(extensionOf(formats::formatInfo(chosen)), Qt::CaseInsensitive) == 0) {
        return chosen;
    }
    for (const FormatInfo& info : formats::exportFormats()) {
        if (extension.compare(extensionOf(info), Qt::CaseInsensitive) == 0) return info.format;
    }
    return chosen;
}

QString nameForFormat(const QString& typed, const QString& suggested, ExportFormat format) {
    const FormatInfo& info = formats::formatInfo(format);
    // The field may already hold the name with the new extension, as Qt changes it itself.
    const QString base = QFileInfo(typed).completeBaseName();
    if (base.isEmpty() || base == QFileInfo(suggested).completeBaseName()) return ownName(info);
    const QString folder = QFileInfo(typed).path();
    const QString name = base + u'.' + extensionOf(info);
    return typed.contains(u'/') ? folder + u'/' + name : name;
}

std::optional<ExportChoice> askExport(QWidget* parent, const std::filesystem::path& start) {
    QFileDialog dialog(parent, ExportDialog::tr("書き出し"));
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FormatInfo& info : formats::exportFormats()) filters << filterOf(info);
    dialog.setNameFilters(filters);

    OptionRows options(&dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(options.box(), grid->rowCount(), 0, 1, grid->columnCount());
    }
    const auto chosen = [&dialog] {
        const QString filter = dialog.selectedNameFilter();
        const FormatInfo* info = formatNamed(filter.left(filter.indexOf(u':')));
        return info ? info->format : formats::exportFormats().front().format;
    };
    QString suggested;  // the name the dialog last put in the field itself
    const auto follow = [&] {
        const FormatInfo& info = formats::formatInfo(chosen());
        dialog.setDefaultSuffix(extensionOf(info));
        options.showFor(info.format);
        const auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString name =
            nameForFormat(field ? field->text() : QString(), suggested, info.format);
        if (name == ownName(info)) suggested = name;
        dialog.selectFile(name);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);

    const std::unique_ptr<QSettings> kept = programSettings();
    const FormatInfo* last = formatNamed(
        kept ? kept->value(QStringLiteral("export/format"), QStringLiteral("c")).toString()
             : QStringLiteral("c"));
    const FormatInfo& first = last ? *last : formats::exportFormats().front();
    dialog.selectNameFilter(filterOf(first));
    dialog.setDirectory(QFile::decodeName(start.c_str()));
    follow();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString file = dialog.selectedFiles().front();
    const ExportFormat format = formatOf(file, chosen());
    options.keep();
    if (kept) kept->setValue(QStringLiteral("export/format"), wordOf(chosen()));
    return ExportChoice{std::filesystem::path(QFile::encodeName(file).toStdString()), format,
                        options.settings()};
}

}  // namespace fontedit::window
