// Tfimage: the export dialog, its controls, and its values in the default settings file.
#include "dlgimg.h"

#include "settings/Settings.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdio>

namespace {

QSpinBox* NewSizeEdit(const char* name, const QString& accessibleName) {
    auto* edit = new QSpinBox;
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setRange(kMinCustomSize, kMaxCustomSize);
    edit->setValue(1);
    edit->setAccelerated(true);
    return edit;
}

} // namespace

// ---- TRadioGroup ----

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_buttons(new QButtonGroup(this)) {
    setAccessibleName(caption);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        button->setAccessibleName(items[i]);
        m_buttons->addButton(button, i);
        layout->addWidget(button);
    }
    if (!items.isEmpty())
        m_buttons->button(0)->setChecked(true);
    connect(m_buttons, &QButtonGroup::idClicked, this, &TRadioGroup::Clicked);
}

int TRadioGroup::ItemIndex() const {
    return std::max(0, m_buttons->checkedId());
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= Count())
        index = 0;
    if (QAbstractButton* button = m_buttons->button(index))
        button->setChecked(true);
}

int TRadioGroup::Count() const {
    return static_cast<int>(m_buttons->buttons().size());
}

QRadioButton* TRadioGroup::Button(int index) const {
    return static_cast<QRadioButton*>(m_buttons->button(index));
}

// ---- Tfimage ----

Tfimage::Tfimage(std::string settingsFile, QWidget* parent)
    : QDialog(parent), m_settingsFile(std::move(settingsFile)) {
    setObjectName("fimage");
    setWindowTitle(tr(kCaption));
    setAccessibleName(tr(kCaption));

    rbsel = new TRadioGroup(tr("Slides"),
                            {tr("Current slide"), tr("All slides"), tr("Selected slides only")});
    rbsel->setObjectName("rbsel");
    rdFormat = new TRadioGroup(
        tr("Image Format"), {tr("Bitmap (BMP)"), tr("Portable Net Graphic (PNG)"),
                             tr("JPEG Image File (JPG)"), tr("Metafile (WMF)"),
                             tr("Enhanced Metafile (EMF)"), tr("Drawing for CAD programs (DXF)")});
    rdFormat->setObjectName("rdFormat");
    rdSize = new TRadioGroup(tr("Image Size"),
                             {tr("As Original Slide"), tr("32x32"), tr("16x16"), tr("Custom")});
    rdSize->setObjectName("rdSize");
    rdback = new TRadioGroup(tr("Background"), {tr("White"), tr("Black"), tr("Button Face")});
    rdback->setObjectName("rdback");

    gsize = new QGroupBox(tr("Custom Image Size"));
    gsize->setObjectName("gsize");
    gsize->setAccessibleName(tr("Custom Image Size"));
    SpinEdit1 = NewSizeEdit("SpinEdit1", tr("Width"));
    SpinEdit2 = NewSizeEdit("SpinEdit2", tr("Height"));
    auto* sizeLayout = new QFormLayout(gsize);
    sizeLayout->addRow(tr("&Width"), SpinEdit1);
    sizeLayout->addRow(tr("&Height"), SpinEdit2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    OKBtn = buttons->button(QDialogButtonBox::Ok);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setAccessibleName(tr("OK"));
    OKBtn->setDefault(true);
    CancelBtn = buttons->button(QDialogButtonBox::Cancel);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setAccessibleName(tr("Cancel"));
    connect(OKBtn, &QPushButton::clicked, this, &Tfimage::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &Tfimage::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(rbsel, 0, 0);
    grid->addWidget(rdFormat, 1, 0, 2, 1);
    grid->addWidget(rdSize, 0, 1);
    grid->addWidget(gsize, 1, 1);
    grid->addWidget(rdback, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(rdSize, &TRadioGroup::Clicked, this, [this] { UpdateCustomSize(); });
    connect(rdFormat, &TRadioGroup::Clicked, this, [this] { UpdateCustomSize(); });

    SetChoices(ReadExportChoices(TIniFile(m_settingsFile)));
}

TExportChoices Tfimage::Choices() const {
    TExportChoices c;
    c.Which = static_cast<TExportSelection>(rbsel->ItemIndex());
    c.Format = kDialogFormats[rdFormat->ItemIndex()];
    c.Size = static_cast<TExportSize>(rdSize->ItemIndex());
    c.Width = SpinEdit1->value();
    c.Height = SpinEdit2->value();
    c.Background = static_cast<TExportBackground>(rdback->ItemIndex());
    c.InitialDir = m_initialDir;
    c.Folder = m_folder;
    return c;
}

void Tfimage::SetChoices(const TExportChoices& c) {
    rbsel->SetItemIndex(static_cast<int>(c.Which));
    int format = 0;
    for (int i = 0; i < rdFormat->Count(); ++i)
        if (kDialogFormats[i] == c.Format)
            format = i;
    rdFormat->SetItemIndex(format);
    rdSize->SetItemIndex(static_cast<int>(c.Size));
    SpinEdit1->setValue(c.Width);
    SpinEdit2->setValue(c.Height);
    rdback->SetItemIndex(static_cast<int>(c.Background));
    m_initialDir = c.InitialDir;
    m_folder = c.Folder;
    UpdateCustomSize();
}

void Tfimage::UpdateCustomSize() {
    // A drawing keeps the slide's own coordinates and has no background.
    const int format = rdFormat->ItemIndex();
    const bool picture = format < 0 || format >= static_cast<int>(std::size(kDialogFormats)) ||
                         kDialogFormats[format] != TImageFormat::Dxf;
    rdSize->setEnabled(picture);
    rdback->setEnabled(picture);
    gsize->setEnabled(picture && rdSize->ItemIndex() == static_cast<int>(TExportSize::Custom));
}

void Tfimage::showEvent(QShowEvent* event) {
    UpdateCustomSize();
    QDialog::showEvent(event);
}

void Tfimage::Prepare(const std::string& currentSlide, const TOkStep& okStep) {
    m_currentSlide = currentSlide;
    m_okStep = okStep;
    m_opened = Choices();
    m_outcome.reset();
    rbsel->setToolTip(currentSlide.empty()
                          ? tr("No slide is selected")
                          : tr("Current slide: %1").arg(QString::fromStdString(currentSlide)));
    OKBtn->setFocus();
}

std::optional<TExportChoices> Tfimage::Execute(const std::string& currentSlide,
                                               const TOkStep& okStep) {
    Prepare(currentSlide, okStep);
    exec();
    m_okStep = nullptr;
    return m_outcome;
}

void Tfimage::Open(const std::string& currentSlide, const TOkStep& okStep) {
    Prepare(currentSlide, okStep);
    show();
}

void Tfimage::OKBtnClick() {
    TExportChoices choices = Choices();
    // The prompts show over the dialog; they may change the folders they start in next time.
    const bool go = !m_okStep || m_okStep(choices);
    m_initialDir = choices.InitialDir;
    m_folder = choices.Folder;
    // The choices were confirmed with OK: they stay, also when a prompt was cancelled.
    WriteSettings(choices);
    if (go) {
        m_outcome = choices;
        accept();
    } else {
        m_outcome.reset();
        QDialog::reject();
    }
}

void Tfimage::reject() {
    // Cancel: the dialog shows the values it was opened with next time.
    SetChoices(m_opened);
    m_outcome.reset();
    QDialog::reject();
}

void Tfimage::WriteSettings(const TExportChoices& choices) const {
    try {
        UpdateSettingsFile(m_settingsFile,
                           [&](TIniFile& ini) { WriteExportChoices(ini, choices); });
    } catch (const std::exception& e) {
        // The export goes on; only the dialog's values are not kept.
        std::fprintf(stderr, "varnel: cannot save the export settings: %s\n", e.what());
    }
}
