#include "mainwindow.h"

#include "clickablelabel.h"
#include "protocol.h"
#include "shownimage.h"

#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QStatusBar>
#include <QToolButton>

MainWindow::MainWindow(const Candidates &candidates) : QMainWindow(nullptr, Qt::WindowFlags())
{
    // The images live in this library, which the linker would otherwise be
    // free to leave out of a program that never names them.
    Q_INIT_RESOURCE(images);

    // The first candidate opens before the form is built, so that its
    // half-second pause passes while the window is built and shown.
    protocol = new Protocol(candidates, this);
    protocol->checkInterface();

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
    header->setPixmap(shownImage(QStringLiteral(":/images/header.png"),
                                 QSize(header->maximumWidth(), header->maximumHeight()),
                                 devicePixelRatioF()));

    connect(protocol, &Protocol::interfaceDetected, this, &MainWindow::onInterfaceDetect);
    connect(protocol, &Protocol::receiveComplete, this, &MainWindow::onReceiveComplete);
    connect(protocol, &Protocol::interfaceLost, this, &MainWindow::onInterfaceLost);
    connect(protocol, &Protocol::probingChanged, this, &MainWindow::allowSearchAgain);
}

void MainWindow::createStatusBar()
{
    statusLabel = new QLabel(tr("no interface detected"));
    statusLabel->setMinimumSize(statusLabel->sizeHint());
    statusBar()->addWidget(statusLabel, 1);

    searchButton = new QToolButton();
    searchButton->setText(tr("search again"));
    searchButton->setToolTip(tr("Look for the unit on every serial port again (F5)"));
    searchButton->setShortcut(QKeySequence(Qt::Key_F5));
    searchButton->setAutoRaise(true);
    searchButton->setEnabled(!protocol->isProbing());
    statusBar()->addPermanentWidget(searchButton);
    connect(searchButton, &QToolButton::clicked, this, &MainWindow::searchAgain);
}

void MainWindow::createModeButtons()
{
    pulseButton = new ClickableLabel();
    intervalButton = new ClickableLabel();
    sequentialButton = new ClickableLabel();

    const QSize buttonSize(130, 50);
    const qreal pixelRatio = devicePixelRatioF();
    const QPixmap pulseImage =
        shownImage(QStringLiteral(":/images/pulse.png"), buttonSize, pixelRatio);
    const QPixmap intervalImage =
        shownImage(QStringLiteral(":/images/interval.png"), buttonSize, pixelRatio);
    const QPixmap sequentialImage =
        shownImage(QStringLiteral(":/images/sequential.png"), buttonSize, pixelRatio);

    const QList<ClickableLabel *> buttons{pulseButton, intervalButton, sequentialButton};
    for (ClickableLabel *button : buttons)
        button->setScaledContents(true);
    pulseButton->setPixmap(pulseImage);
    intervalButton->setPixmap(intervalImage);
    sequentialButton->setPixmap(sequentialImage);
    for (ClickableLabel *button : buttons) {
        button->setMinimumSize(buttonSize);
        button->setMaximumSize(buttonSize);
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
