#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The About dialog: the heart, the title and version, what the game is, and how to reach the
// people behind this copy of it.
//
// The dialog object lives as long as its parent, but its controls exist only while it is open:
// showing it loads them afresh from their description and fills in the title and version from the
// application's identity; closing it, by any way, unloads them. So every opening starts from the
// stored texts, whatever the user typed into the contact box the time before.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    void setVisible(bool visible) override;

private:
    void load();
    void unload();
    void createControls();

    QWidget *m_form = nullptr; // holds the controls while the dialog is loaded
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QPushButton *cmdOK = nullptr;
    QPlainTextEdit *Text1 = nullptr;
};
