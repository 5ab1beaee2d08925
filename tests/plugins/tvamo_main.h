#pragma once

#include <QMainWindow>

// Stands in for the host's main window: the plug-in finds it by its class name and docks its panel into
// Panel1.
class Tvamo_main : public QMainWindow {
    Q_OBJECT

public:
    Tvamo_main() {
        Panel1 = new QWidget(this);
        Panel1->setObjectName(QStringLiteral("Panel1"));
        setCentralWidget(Panel1);
    }

    QWidget* Panel1;
};
