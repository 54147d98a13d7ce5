#include "mainwindow.h"

#include "clickablelabel.h"
#include "formview.h"
#include "modelettering.h"
#include "protocol.h"
#include "shownimage.h"
#include "ui_mainwindow.h"
#include "unitsession.h"
#include "windowactions.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>

MainWindow::MainWindow(const Candidates &candidates)
    : QMainWindow(nullptr, Qt::WindowFlags()), ui(std::make_unique<Ui::MainWindow>()),
      actions(std::make_unique<WindowActions>())
{
    // The images live in this library, which the linker would otherwise be
    // free to leave out of a program that never names them.
    Q_INIT_RESOURCE(images);

    // The candidates open before the form is built, so that their
    // half-second pause passes while the window is built and shown.
    protocol = new Protocol(candidates, this);
    protocol->setPreferred(rememberedUnit());
    protocol->checkInterface();

    ui->setupUi(this);
    // The title says when the form holds what the unit does not.
    setWindowTitle(windowTitle() + QLatin1String("[*]"));
    formView = new FormView(*ui, this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    createMenus();
    createUndo();
    listRecentFiles();
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
    restorePosition();

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
    connect(protocol, &Protocol::unitsChanged, this, [this] {
        listUnits();
        showNotice();
    });
    // Once the unit has been let go, the window goes.
    connect(protocol, &Protocol::left, this, &QWidget::close, Qt::QueuedConnection);
}

MainWindow::~MainWindow()
{
    // Nothing of the session may reach the window once it is being taken
    // apart; the session itself sends a run's stop byte as it ends.
    protocol->disconnect(this);
    undoStack->disconnect(this);
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
    statusBar()->addWidget(statusLabel);
    unitNameLabel = new QLabel();
    unitNameLabel->setAccessibleName(tr("name of the unit"));
    unitNameLabel->hide();
    statusBar()->addWidget(unitNameLabel);
    createNotices();

    // F5 belongs to the Unit menu's search; this only triggers it.
    searchButton = new QToolButton();
    searchButton->setText(tr("search again"));
    searchButton->setToolTip(tr("Look for the unit on every serial port again (F5)"));
    searchButton->setAutoRaise(true);
    statusBar()->addPermanentWidget(searchButton);
    connect(searchButton, &QToolButton::clicked, actions->search, &QAction::trigger);
}

void MainWindow::createModeButtons()
{
    pulseButton = new ClickableLabel();
    intervalButton = new ClickableLabel();
    sequentialButton = new ClickableLabel();

    // Each image carries its mode's name in the user's language, which is
    // also what screen readers say of it.
    const QSize buttonSize(130, 50);
    const qreal pixelRatio = devicePixelRatioF();
    const QList<ClickableLabel *> buttons{pulseButton, intervalButton, sequentialButton};
    for (qsizetype page = 0; page < buttons.size(); ++page) {
        const ModeImage &mode = modeImages[size_t(page)];
        const QString name = QCoreApplication::translate("MainWindow", mode.name);
        buttons[page]->setScaledContents(true);
        buttons[page]->setPixmap(letteredModeImage(QLatin1String(mode.image), name, mode.lowered,
                                                   buttonSize, pixelRatio));
        buttons[page]->setAccessibleName(name);
    }
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
