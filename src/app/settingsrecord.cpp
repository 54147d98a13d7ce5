#include "mainwindow.h"

#include "settingsrecord.h"

using SettingsRecord::hundredths;
using SettingsRecord::unsignedField;

namespace
{
QString flag(const QAbstractButton *box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

unsigned int MainWindow::generateVersion(QString text)
{
    return SettingsRecord::packedVersion(text);
}

QString MainWindow::createDataString()
{
    const QStringList fields{
        QString::number(stackedWidget->currentIndex()),
        QString::number(power11SpinBox->value()),
        QString::number(power12SpinBox->value()),
        QString::number(power13SpinBox->value()),
        QString::number(power14SpinBox->value()),
        QString::number(power21SpinBox->value()),
        QString::number(power22SpinBox->value()),
        QString::number(power23SpinBox->value()),
        QString::number(power24SpinBox->value()),
        hundredths(pulseSSpinBox->value()),
        QString::number(foodMSpinBox->value()),
        flag(moonCheckBox),
        flag(stormCheckBox),
        QString::number(stormDSpinBox->value() * 24 + stormHSpinBox->value()),
        flag(nightCheckBox),
        QString::number(intervalHSpinBox->value() * 60 + intervalMSpinBox->value()),
        QString::number(sequentialSSpinBox->value()),
        flag(wavectrlCheckBox),
        hundredths(waveSSpinBox->value()),
        flag(inverseCheckBox),
    };
    QString record = fields.join(QLatin1Char(';'));
    if (recordLength() == SettingsRecord::Extended)
        record += QLatin1String(";111;111");
    return record;
}

qsizetype MainWindow::recordLength() const
{
    return SettingsRecord::lengthFor(unitVersion);
}

qsizetype MainWindow::fieldCount(const QString &text)
{
    return text.split(QLatin1Char(';'), Qt::SkipEmptyParts).size();
}

bool MainWindow::isRecordLength(qsizetype fields)
{
    return fields == SettingsRecord::Basic || fields == SettingsRecord::Extended;
}

void MainWindow::readDataString(const QString &text)
{
    const QStringList field = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (field.size() != recordLength())
        return;

    // Every setter below runs the coupling rules before the next one, so the
    // order matters: the page before the times it couples, the larger unit
    // of each split time before the smaller, and the wave controller and
    // inverse boxes before the power values that their rules overwrite.
    stackedWidget->setCurrentIndex(unsignedField(field[0]));
    pulseSSpinBox->setValue(field[9].toDouble() / 100);
    foodMSpinBox->setValue(unsignedField(field[10]));
    moonCheckBox->setChecked(field[11].toUInt() != 0);
    nightCheckBox->setChecked(field[14].toInt() != 0);
    stormCheckBox->setChecked(field[12].toInt() != 0);
    const int stormHours = field[13].toInt();
    stormDSpinBox->setValue(stormHours / 24);
    stormHSpinBox->setValue(stormHours - 24 * (stormHours / 24));
    wavectrlCheckBox->setChecked(field[17].toInt() != 0);
    waveSSpinBox->setValue(field[18].toDouble() / 100);
    inverseCheckBox->setChecked(field[19].toInt() != 0);
    const int intervalMinutes = field[15].toInt();
    intervalHSpinBox->setValue(intervalMinutes / 60);
    intervalMSpinBox->setValue(intervalMinutes - 60 * (intervalMinutes / 60));
    sequentialSSpinBox->setValue(field[16].toInt());
    power11SpinBox->setValue(unsignedField(field[1]));
    power12SpinBox->setValue(unsignedField(field[2]));
    power13SpinBox->setValue(unsignedField(field[3]));
    power14SpinBox->setValue(unsignedField(field[4]));
    power21SpinBox->setValue(unsignedField(field[5]));
    power22SpinBox->setValue(unsignedField(field[6]));
    power23SpinBox->setValue(unsignedField(field[7]));
    power24SpinBox->setValue(unsignedField(field[8]));
}
