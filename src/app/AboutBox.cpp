#include "AboutBox.h"

#include "Icons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TdlgAbout::TdlgAbout(const QString& product, const QString& version, QWidget* parent)
    : QDialog(parent) {
    setObjectName("dlgAbout");
    setWindowTitle(tr("About"));

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name =
        new QLabel(QString("<b style='font-size:14pt'>%1</b>").arg(product.toHtmlEscaped()), this);
    auto* ver = new QLabel(tr("Version %1").arg(version), this);
    ver->setObjectName("Version");
    auto* text = new QLabel(tr("Views AutoCAD slide files (*.sld), slide libraries (*.slb)\n"
                               "and hatch pattern files (*.pat)."),
                            this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(ver);
    texts->addSpacing(8);
    texts->addWidget(text);
    texts->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
