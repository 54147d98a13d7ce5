#include "mainwindow.h"

#include "clickablelabel.h"
#include "formview.h"
#include "protocol.h"
#include "shownimage.h"
#include "ui_mainwindow.h"
#include "unitsession.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QStatusBar>
#include <QToolButton>

MainWindow::MainWindow(const Candidates &candidates)
    : QMainWindow(nullptr, Qt::WindowFlags()), ui(std::make_unique<Ui::MainWindow>())
{
    // The images live in this library, which the linker would otherwise be
    // free to leave out of a program that never names them.
    Q_INIT_RESOURCE(images);

    // The candidates open before the form is built, so that their
    // half-second pause passes while the window is built and shown.
    protocol = new Protocol(candidates, this);
    protocol->checkInterface();

    ui->setupUi(this);
    // The title says when the form holds what the unit does not.
    setWindowTitle(windowTitle() + QLatin1String("[*]"));
    formView = new FormView(*ui, this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    createStatusBar();
    createModeButtons();
    createRunProgress();
    createAccessibility();
    connectButtons();
    createToolTips();
    ui->power12Line->hide();
    ui->power23Line->hide();
    showImages();
    applyState();

    connect(formView, &FormView::changed, this, &MainWindow::onSettingsChanged);
    connect(formView, &FormView::adjusted, this, &MainWindow::sayAdjusted);
    // Logging out during a run: the unit gets its stop byte while the
    // desktop session waits.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        if (UnitSession *session = protocol->session())
            session->run().stop();
    });
    connect(protocol, &Protocol::interfaceDetected, this, &MainWindow::onInterfaceDetect);
    connect(protocol, &Protocol::interfaceLost, this, &MainWindow::onInterfaceLost);
    connect(protocol, &Protocol::probingChanged, this, &MainWindow::applyState);
    // Once the unit has been let go, the window goes.
    connect(protocol, &Protocol::left, this, &QWidget::close, Qt::QueuedConnection);
}

MainWindow::~MainWindow()
{
    // Nothing of the session may reach the window once it is being taken
    // apart; the session itself sends a run's stop byte as it ends.
    protocol->disconnect(this);
    if (UnitSession *session = protocol->session()) {
        session->disconnect(this);
        session->run().disconnect(this);
    }
    delete protocol;
}

void MainWindow::connectSession()
{
    UnitSession *session = protocol->session();
    connect(session, &UnitSession::received, this, &MainWindow::onReceived);
    connect(session, &UnitSession::sent, this, &MainWindow::onSent);
    connect(&session->run(), &WaveRun::sent, this, &MainWindow::onRunStep);
    connect(&session->run(), &WaveRun::ended, this, &MainWindow::endRun);
}

void MainWindow::connectButtons()
{
    connect(ui->recordButton, &QPushButton::clicked, this, &MainWindow::on_recordButton_clicked);
    connect(ui->restoreButton, &QPushButton::clicked, this, &MainWindow::on_restoreButton_clicked);
    connect(ui->sendButton, &QPushButton::clicked, this, &MainWindow::on_sendButton_clicked);
    connect(ui->receiveButton, &QPushButton::clicked, this, &MainWindow::on_receiveButton_clicked);
    connect(ui->startButton, &QPushButton::clicked, this, &MainWindow::on_startButton_clicked);
    connect(ui->stopButton, &QPushButton::clicked, this, &MainWindow::on_stopButton_clicked);
}

void MainWindow::showImages()
{
    // Measured without the banner, so the banner never widens the window.
    ui->header->hide();
    ui->header->setMaximumWidth(ui->centralwidget->minimumSizeHint().width());
    ui->header->show();
    ui->header->setPixmap(shownImage(QStringLiteral("header"),
                                     QSize(ui->header->maximumWidth(), ui->header->maximumHeight()),
                                     devicePixelRatioF()));
}

void MainWindow::createStatusBar()
{
    statusLabel = new QLabel(tr("no interface detected"));
    statusLabel->setMinimumSize(statusLabel->sizeHint());
    // The unit's port and firmware are never cut short by a notice beside them.
    statusLabel->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    statusBar()->addWidget(statusLabel, 1);
    createNotices();

    searchButton = new QToolButton();
    searchButton->setText(tr("search again"));
    searchButton->setToolTip(tr("Look for the unit on every serial port again (F5)"));
    searchButton->setShortcut(QKeySequence(Qt::Key_F5));
    searchButton->setAutoRaise(true);
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
    const QPixmap pulseImage = shownImage(QStringLiteral("pulse"), buttonSize, pixelRatio);
    const QPixmap intervalImage = shownImage(QStringLiteral("interval"), buttonSize, pixelRatio);
    const QPixmap sequentialImage =
        shownImage(QStringLiteral("sequential"), buttonSize, pixelRatio);

    const QList<ClickableLabel *> buttons{pulseButton, intervalButton, sequentialButton};
    for (ClickableLabel *button : buttons)
        button->setScaledContents(true);
    pulseButton->setPixmap(pulseImage);
    intervalButton->setPixmap(intervalImage);
    sequentialButton->setPixmap(sequentialImage);
    for (ClickableLabel *button : buttons) {
        button->setMinimumSize(buttonSize);
        button->setMaximumSize(buttonSize);
        ui->modeLayout->addWidget(button);
    }

    connect(pulseButton, &ClickableLabel::clicked, this, &MainWindow::onPulseButtonClicked);
    connect(intervalButton, &ClickableLabel::clicked, this, &MainWindow::onIntervalButtonClicked);
    connect(sequentialButton, &ClickableLabel::clicked, this,
            &MainWindow::onSequentialButtonClicked);
}

void MainWindow::onPulseButtonClicked()
{
    ui->stackedWidget->setCurrentIndex(0);
}

void MainWindow::onIntervalButtonClicked()
{
    ui->stackedWidget->setCurrentIndex(1);
}

void MainWindow::onSequentialButtonClicked()
{
    ui->stackedWidget->setCurrentIndex(2);
}
