#include "mainwindow.h"

#include "clickablelabel.h"
#include "protocol.h"

#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow() : QMainWindow(nullptr, Qt::WindowFlags())
{
    // The images live in this library, which the linker would otherwise be
    // free to leave out of a program that never names them.
    Q_INIT_RESOURCE(images);

    setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    createStatusBar();
    createModeButtons();
    createRunProgress();
    createAccessibility();
    initTimer();
    power12Line->hide();
    power23Line->hide();

    // Measured without the banner, so the banner never widens the window.
    header->hide();
    header->setMaximumWidth(centralwidget->minimumSizeHint().width());
    header->show();

    protocol = new Protocol();
    protocol->checkInterface();
    connect(protocol, &Protocol::interfaceDetected, this, &MainWindow::onInterfaceDetect);
    connect(protocol, &Protocol::receiveComplete, this, &MainWindow::onReceiveComplete);
}

MainWindow::~MainWindow()
{
    delete protocol;
    delete adjustTimer;
}

void MainWindow::createStatusBar()
{
    statusLabel = new QLabel(tr("no interface detected"));
    statusLabel->setMinimumSize(statusLabel->sizeHint());
    statusBar()->addWidget(statusLabel, 1);
}

void MainWindow::createModeButtons()
{
    pulseButton = new ClickableLabel();
    intervalButton = new ClickableLabel();
    sequentialButton = new ClickableLabel();

    const QPixmap pulseImage(QStringLiteral(":/images/pulse.png"));
    const QPixmap intervalImage(QStringLiteral(":/images/interval.png"));
    const QPixmap sequentialImage(QStringLiteral(":/images/sequential.png"));

    const QList<ClickableLabel *> buttons{pulseButton, intervalButton, sequentialButton};
    for (ClickableLabel *button : buttons)
        button->setScaledContents(true);
    pulseButton->setPixmap(pulseImage);
    intervalButton->setPixmap(intervalImage);
    sequentialButton->setPixmap(sequentialImage);
    for (ClickableLabel *button : buttons) {
        button->setMinimumSize(130, 50);
        button->setMaximumSize(130, 50);
        modeLayout->addWidget(button);
    }

    connect(pulseButton, &ClickableLabel::clicked, this, &MainWindow::onPulseButtonClicked);
    connect(intervalButton, &ClickableLabel::clicked, this, &MainWindow::onIntervalButtonClicked);
    connect(sequentialButton, &ClickableLabel::clicked, this,
            &MainWindow::onSequentialButtonClicked);
}

void MainWindow::onPulseButtonClicked()
{
    stackedWidget->setCurrentIndex(0);
}

void MainWindow::onIntervalButtonClicked()
{
    stackedWidget->setCurrentIndex(1);
}

void MainWindow::onSequentialButtonClicked()
{
    stackedWidget->setCurrentIndex(2);
}
