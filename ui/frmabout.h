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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();
    void unload();
    void createControls();
    // White, with the red title and the black description and warning, and the rest of the
    // desktop's colours as they read on white; in a contrast theme, the theme's colours.
    void applyColours();

    QWidget *m_form = nullptr; // holds the controls while the dialog is loaded
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPlainTextEdit *Text1 = nullptr;
};
