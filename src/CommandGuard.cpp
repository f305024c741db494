#include "CommandGuard.h"

#include "AppText.h"

#include <QMessageBox>
#include <exception>

void showErrorBox(const QString &message)
{
    const QString text = QString::fromStdString(errorBoxText(message.toStdString()));
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), text,
                    QMessageBox::Ok);
    // Messages quote file contents and paths: never read them as rich text.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void showPlainMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void showCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const std::exception &e) {
            showErrorBox(QString::fromUtf8(e.what()));
        } catch (...) {
            showErrorBox(QStringLiteral("Unknown error"));
        }
    } catch (...) {
        // Showing the box failed as well (out of memory): nothing more can be said.
    }
}
