#include "abo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tabout::Tabout(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Tabout"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(257, 129);
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Библиотека карт Зарнака"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    auto *description = new QLabel(
        QStringLiteral("Эта программа содержит полную информацию обо всех картах коллекционной "
                       "карточной игры Зарнак, а также предоставляет возможности по поиску, "
                       "сортировке и просмотру карт."),
        this);
    description->setObjectName(QStringLiteral("Label2"));
    description->setWordWrap(true);
    QFont small = description->font();
    small.setPixelSize(10);
    description->setFont(small);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(description, 1);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

void Tabout::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        accept();
    else
        QDialog::keyReleaseEvent(event);
}

void Tabout::showEvent(QShowEvent *event)
{
    // Centred on the main window.
    if (QWidget *owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
