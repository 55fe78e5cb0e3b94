#pragma once

#include <QWidget>

namespace tessaly {

// The main window: the daily spread of three cards counted out to ten.
// Closing it ends the program.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

signals:
    // The program ends when this window closes.
    void programEnds();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormKeyDown(QKeyEvent *event);
};

} // namespace tessaly
