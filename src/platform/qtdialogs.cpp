#include "qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vz {

namespace {

QWidget *parentWindow()
{
    return QApplication::activeWindow();
}

QString title()
{
    return QApplication::applicationDisplayName();
}

} // namespace

bool QtDialogs::question(const QString &text)
{
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No,
                    parentWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::notice(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parentWindow());
    box.exec();
}

void QtDialogs::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title(), text, QMessageBox::Ok, parentWindow());
    box.exec();
}

std::optional<QString> QtDialogs::input(const QString &caption, const QString &prompt,
                                        const QString &value)
{
    QInputDialog dialog(parentWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("ОК"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtDialogs::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString entry = parts.at(i);
        if (!entry.contains(QLatin1Char('(')))
            entry += QStringLiteral(" (") + parts.at(i + 1) + QLatin1Char(')');
        entries << entry;
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtDialogs::openFileName(const QString &startDir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parentWindow(), QStringLiteral("Открыть"), startDir,
                                        qtFilter(filter));
}

QString QtDialogs::saveFileName(const QString &startDir, const QString &filter)
{
    // Qt's save dialog asks before overwriting an existing file.
    return QFileDialog::getSaveFileName(parentWindow(), QStringLiteral("Сохранить"), startDir,
                                        qtFilter(filter));
}

void installQtDialogs()
{
    static QtDialogs dialogs;
    setDefaultDialogs(&dialogs);
}

} // namespace vz
