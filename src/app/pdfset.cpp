#include "pdfset.h"

#include "graphics/SheetLayout.h"
#include "settings/Settings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdio>

namespace {

// A group of radio buttons whose choice is the index of the checked one; columns side by side.
QGroupBox* NewRadioGroup(QWidget* parent, const char* name, const QString& title,
                         const QStringList& items, int columns, QButtonGroup*& buttons) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setAccessibleName(title);
    buttons = new QButtonGroup(group);
    QBoxLayout* layout = columns > 1 ? static_cast<QBoxLayout*>(new QHBoxLayout(group))
                                     : static_cast<QBoxLayout*>(new QVBoxLayout(group));
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], group);
        radio->setObjectName(QString("%1_%2").arg(name).arg(i));
        radio->setAccessibleName(QString(items[i]).remove('&'));
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    buttons->button(0)->setChecked(true);
    return group;
}

void Check(QButtonGroup* buttons, int index) {
    if (QAbstractButton* b = buttons->button(index))
        b->setChecked(true);
}

} // namespace

Tdpdf::Tdpdf(std::string settingsFile, QWidget* parent)
    : QDialog(parent), m_settingsFile(std::move(settingsFile)) {
    setObjectName("dpdf");
    setWindowTitle(kMakePdfCaption);

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setRange(kSheetMinColumns, kSheetMaxColumns);
    SpinEdit1->setValue(1);
    SpinEdit1->setAccessibleName(tr("Columns"));
    SpinEdit2 = new QSpinBox(this);
    SpinEdit2->setObjectName("SpinEdit2");
    SpinEdit2->setRange(kSheetMinRows, kSheetMaxRows);
    SpinEdit2->setValue(1);
    SpinEdit2->setAccessibleName(tr("Rows"));
    auto* columnsLabel = new QLabel(tr("Columns"), this);
    columnsLabel->setBuddy(SpinEdit1);
    auto* rowsLabel = new QLabel(tr("Rows"), this);
    rowsLabel->setBuddy(SpinEdit2);
    auto* grid = new QFormLayout;
    grid->addRow(columnsLabel, SpinEdit1);
    grid->addRow(rowsLabel, SpinEdit2);

    sorted = new QCheckBox(tr("Sorted by name"), this);
    sorted->setObjectName("sorted");
    sorted->setAccessibleName(tr("Sorted by name"));
    sorted->setChecked(true);

    rbsel = NewRadioGroup(this, "rbsel", tr("Slides"),
                          {tr("All slides"), tr("Selected slides only")}, 1, m_rbselButtons);
    rdcolor = NewRadioGroup(this, "rdcolor", tr("Colors"), {tr("Color"), tr("Black / White")}, 2,
                            m_rdcolorButtons);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setAccessibleName(tr("OK"));
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setAccessibleName(tr("Cancel"));
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sorted);
    layout->addWidget(rbsel);
    layout->addWidget(rdcolor);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    ReadSettings();
}

int Tdpdf::rbselItemIndex() const {
    return m_rbselButtons->checkedId();
}

int Tdpdf::rdcolorItemIndex() const {
    return m_rdcolorButtons->checkedId();
}

TSheetSettings Tdpdf::Settings() const {
    TSheetSettings s;
    s.Columns = SpinEdit1->value();
    s.Rows = SpinEdit2->value();
    s.Sorted = sorted->isChecked();
    s.SelectedOnly = rbselItemIndex() == 1;
    s.ColourMode = rdcolorItemIndex() == 1 ? TPdfColourMode::BlackWhite : TPdfColourMode::Color;
    return s;
}

void Tdpdf::SetSettings(const TSheetSettings& s) {
    SpinEdit1->setValue(s.Columns); // the spin boxes keep values in their ranges
    SpinEdit2->setValue(s.Rows);
    sorted->setChecked(s.Sorted);
    Check(m_rbselButtons, s.SelectedOnly ? 1 : 0);
    Check(m_rdcolorButtons, s.ColourMode == TPdfColourMode::BlackWhite ? 1 : 0);
}

bool Tdpdf::Execute(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    const TSheetSettings before = Settings();
    OKBtn->setFocus();
    if (exec() != QDialog::Accepted) {
        SetSettings(before);
        return false;
    }
    WriteSettings();
    return true;
}

void Tdpdf::ReadSettings() {
    if (m_settingsFile.empty())
        return;
    using namespace Settings;
    const TIniFile ini(m_settingsFile);
    TSheetSettings s;
    s.SelectedOnly = ReadSetting(ini, kSheetSelection) == 1;
    s.ColourMode = ReadSetting(ini, kSheetColourMode) == 1 ? TPdfColourMode::BlackWhite
                                                           : TPdfColourMode::Color;
    s.Sorted = ReadSetting(ini, kSheetSorted);
    s.Columns = ReadSetting(ini, kSheetColumns);
    s.Rows = ReadSetting(ini, kSheetRows);
    SetSettings(s);
}

void Tdpdf::WriteSettings() const {
    if (m_settingsFile.empty())
        return;
    try {
        UpdateSettingsFile(m_settingsFile, [this](TIniFile& ini) {
            using namespace Settings;
            WriteSetting(ini, kSheetSelection, rbselItemIndex());
            WriteSetting(ini, kSheetColourMode, rdcolorItemIndex());
            WriteSetting(ini, kSheetSorted, sorted->isChecked());
            WriteSetting(ini, kSheetColumns, SpinEdit1->value());
            WriteSetting(ini, kSheetRows, SpinEdit2->value());
        });
    } catch (const std::exception& e) {
        // The choice still holds for this run; only keeping it for the next one failed.
        std::fprintf(stderr, "varnel: cannot save the PDF settings: %s\n", e.what());
    }
}
