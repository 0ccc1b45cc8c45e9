// TdlgAbout: the About box (program icon, product name, version, one OK button).
#pragma once

#include <QDialog>

class TdlgAbout : public QDialog {
    Q_OBJECT
public:
    TdlgAbout(const QString& product, const QString& version, QWidget* parent = nullptr);
};
