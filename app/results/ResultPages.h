#pragma once

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// "IVA y resultados": the quarter block above the separator, the month block below.
struct ResultsPage {
    QFrame *frame = nullptr;
    QComboBox *quarter = nullptr;
    QLineEdit *supported = nullptr; // "IVA Soportado"
    QLineEdit *charged = nullptr; // "IVA Repercutido"
    QLineEdit *quarterResult = nullptr, *compensation = nullptr, *finalResult = nullptr;
    QComboBox *year = nullptr, *month = nullptr;
    QLineEdit *income = nullptr, *expenses = nullptr, *monthResult = nullptr;
};

// "Enviar datos asesoría".
struct ExportPage {
    QFrame *frame = nullptr;
    QLabel *logo = nullptr, *header = nullptr;
    QPushButton *send = nullptr;
};
