#include "StyleSheet.h"

QString windowStyleSheet()
{
    return QStringLiteral(
        "        QFrame {            background: qlineargradient( x1:0 y1:0, x2:0 y2:1, stop:0 #274563, "
        "stop:1 #0E3760);            background-image: url(background.png);            background-repeat: "
        "no-repeat;        }        QWidget {                    }        QLabel {            "
        "background-color: transparent;            color: white;            background-image: url();        "
        "}        QLineEdit {            background-color: white;        }        QLineEdit[error=\"true\"] "
        "{            background-color: red;        }        QLineEdit[readOnly=\"true\"] {            font: "
        "bold;        }        QPushButton {            background-color: #AAAAAA;        }        QComboBox "
        "{            background-color: white;        }        QComboBox QAbstractItemView {            "
        "background-color: white;        }        QComboBox[error=\"true\"]:editable {            "
        "background-color: red;        }        QDateEdit {            background-color: white;        }     "
        "   QDialog QLabel {            color: #000000;        }        QTabWidget::tab-bar {            "
        "left: 5px;        }        QTabBar::tab {            border: 1px solid #C4C4C3;            padding: "
        "2px;        }        QTabBar::tab:selected {            background-color: #FFCC00;        }        "
        "QTabBar::tab:!selected {             margin-top: 3px;        }    ");
}

QString popUpStyleSheet()
{
    return QStringLiteral(
        "QAbstractItemView { background-color: white; background-image: url(); color: black; "
        "selection-background-color: #1F4E8C; selection-color: white; }");
}
