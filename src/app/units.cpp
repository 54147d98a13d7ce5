#include "mainwindow.h"

#include "protocol.h"
#include "remembered.h"
#include "unitnames.h"
#include "unitsession.h"
#include "windowactions.h"

#include <QActionGroup>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace
{
const QString unitInUseKey = QStringLiteral("unitInUse");
} // namespace

QString MainWindow::rememberedUnit()
{
    return rememberedSettings().value(unitInUseKey).toString();
}

void MainWindow::rememberUnit(const QString &identity)
{
    rememberedSettings().setValue(unitInUseKey, identity);
}

QString MainWindow::unitTitle() const
{
    const UnitSession *session = protocol->session();
    if (!session)
        return {};
    const QString name = UnitNames::nameOf(session->identity());
    return name.isEmpty() ? session->port() : tr("%1 on %2").arg(name, session->port());
}

void MainWindow::showUnitName()
{
    const UnitSession *session = protocol->session();
    const QString name =
        protocol->isDetected() ? UnitNames::nameOf(session->identity()) : QString();
    unitNameLabel->setText(name);
    unitNameLabel->setVisible(!name.isEmpty());
    setWindowTitle(name.isEmpty() ? tr("Korvalin 3318") + QLatin1String("[*]")
                                  : tr("Korvalin 3318 - %1").arg(name) + QLatin1String("[*]"));
    listUnits();
}

// The units found, each by its port, firmware and name, the one in use
// checked; choosing one takes it instead.
void MainWindow::listUnits()
{
    QMenu *menu = actions->unit;
    for (QAction *old : actions->units->actions())
        delete old;
    QList<SearchReport::Unit> units = protocol->units();
    const UnitSession *session = protocol->isDetected() ? protocol->session() : nullptr;
    if (session && std::none_of(units.cbegin(), units.cend(), [session](const auto &unit) {
            return unit.port == session->port();
        }))
        units.prepend({session->port(), session->firmware(), session->identity()});
    for (qsizetype i = 0; i < units.size(); ++i) {
        const SearchReport::Unit &unit = units[i];
        const QString name = UnitNames::nameOf(unit.identity);
        QString text = tr("&%1 %2 (%3)").arg(i + 1).arg(unit.port, unit.firmware);
        if (!name.isEmpty())
            text = tr("%1 - %2").arg(text, name);
        auto *entry = new QAction(text, actions->units);
        entry->setCheckable(true);
        entry->setChecked(session && session->port() == unit.port);
        entry->setData(unit.port);
        menu->insertAction(actions->unitsEnd, entry);
    }
    actions->rename->setEnabled(session != nullptr);
}

void MainWindow::chooseUnit(const QString &port)
{
    UnitSession *session = protocol->session();
    if (protocol->isDetected() && session->port() == port)
        return listUnits();
    // The unit in use does not go on adjusting while the user is asked.
    if (session && session->isRunning())
        session->run().stop();
    if (isModified() &&
        QMessageBox::question(this, tr("Use another unit"),
                              tr("The form holds changes that no unit has yet. Use the unit on "
                                 "%1 all the same? The changes stay in the form, and Send sends "
                                 "them there.")
                                  .arg(port),
                              QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
        return listUnits();
    showNoUnit();
    protocol->useUnit(port);
}

void MainWindow::renameUnit()
{
    const UnitSession *session = protocol->session();
    if (!protocol->isDetected())
        return;
    bool given = false;
    const QString name = QInputDialog::getText(
        this, tr("Rename unit"), tr("Name of the unit on %1:").arg(session->port()),
        QLineEdit::Normal, UnitNames::nameOf(session->identity()), &given);
    if (!given)
        return;
    if (!UnitNames::setName(session->identity(), name))
        return warnAboutFile(tr("Rename unit"), UnitNames::filePath(),
                             tr("The name could not be kept there."));
    showUnitName();
}

bool MainWindow::maySendTo()
{
    const UnitSession *session = protocol->session();
    if (formSource.isEmpty() || formSource == session->identity())
        return true;
    const QString sourceName = UnitNames::nameOf(formSource);
    QMessageBox question(QMessageBox::Question, tr("Send to another unit"),
                         tr("The form holds settings read from %1. Send them to %2?")
                             .arg(sourceName.isEmpty() ? formSource : sourceName, unitTitle()),
                         QMessageBox::Cancel, this);
    QPushButton *send = question.addButton(tr("Send"), QMessageBox::AcceptRole);
    question.setDefaultButton(QMessageBox::Cancel);
    question.exec();
    return question.clickedButton() == send;
}
