#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// The note dialog window "Post Web Note": a subject line and a message box, "OK" and "Cancel".
// A typed "|" is discarded in both boxes, as it separates the fields of the notes file; the
// texts handed back hold none either (a pasted one is dropped there).
class TfrmPostNote : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 272;
    static constexpr int ClientHeight = 269;

    explicit TfrmPostNote(QWidget *parent = nullptr);

    void setTexts(const QString &subject, const QString &message);
    QString subject() const;
    QString message() const;

    QLineEdit *edSubject() const { return m_subject; }
    QPlainTextEdit *memMessage() const { return m_message; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_subject;
    QPlainTextEdit *m_message;
};
