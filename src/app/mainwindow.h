#pragma once

#include "outcomes.h"
#include "settings.h"
#include "settingsrecord.h"
#include "waverun.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

class Candidates;
class ClickableLabel;
class ElidedLabel;
class FormView;
class Handbook;
class MessageLog;
class Protocol;
class QUndoStack;
class QLabel;
class QToolButton;
class RunProgress;
struct WindowActions;

namespace Ui
{
class MainWindow;
}

// The one window: the settings form as a view over the settings model, and
// a view over the session with the unit, which does the transfers, the
// adjustment run and the leaving; the window words their outcomes. Each
// concern has a source file of its own.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Probes `candidates` for the unit from the start.
    explicit MainWindow(const Candidates &candidates);
    // The session ends first, while every widget is still there: a run still
    // under way gets its stop byte.
    ~MainWindow() override;

    // The form's controls, as the form file names them.
    Ui::MainWindow &form() const { return *ui; }
    // The connection to the unit, and through it the session with it.
    Protocol &connection() const { return *protocol; }
    // Ends the program as a closed window does, but without a question and
    // whatever dialog is open: a run still under way gets its stop byte, and
    // the program quits once it has left, or after a second.
    void leave();

    // The settings record: the form as one line of text, and back.
    QString createDataString();
    // Applies a record of recordLength() fields to the form; leaves the form
    // alone, silently, for any other text.
    void readDataString(const QString &text);
    // Packs a version text a.b.c.d into ((a*256+b)*256+c)*256+d; 0 when it
    // does not hold four parts.
    static unsigned int generateVersion(QString text);
    // The text a settings file holds for the record: its bytes up to the
    // first NUL. Nothing when it cannot be read or is too large to be one;
    // then `failure`, when given, receives the reason for the user.
    static std::optional<QString> recordInFile(const QString &fileName, QString *failure = nullptr);

private Q_SLOTS:
    void onInterfaceDetect(const QStringList &list);
    void onPulseButtonClicked();
    void onIntervalButtonClicked();
    void onSequentialButtonClicked();
    void on_recordButton_clicked();
    void on_restoreButton_clicked();
    void on_sendButton_clicked();
    void on_receiveButton_clicked();
    void on_startButton_clicked();
    void on_stopButton_clicked();
    void onInterfaceLost(const QString &port, bool duringRun);
    void searchAgain();

private:
    void createStatusBar();
    // The menus and the actions they hold, which the form's buttons trigger.
    void createMenus();
    void createModeButtons();
    void showImages();
    void connectButtons();
    void connectSession();
    void createRunProgress();
    // Tab order, screen-reader names and shortcuts beyond what the form holds.
    void createAccessibility();
    // Tooltips that give each control's range, shortcut or purpose.
    void createToolTips();
    void createNotices();
    // Says for a few seconds what just happened, then what stands again.
    void tell(const QString &text);
    // Says what asks the user to act; it stays until something newer of
    // its kind, or about the unit, replaces it.
    void warn(const QString &text);
    void showNotice();
    void showNoticeText(const QString &text);
    QString standingNotice() const;
    // A value the rules moved from what was entered is said.
    void sayAdjusted(SettingFields::Id id, double entered, double now);
    // The one place that decides which controls can be used.
    void applyState();
    void onSettingsChanged(const Settings &before, const Settings &after, int field);
    // Fields in the records of the unit detected now.
    qsizetype recordLength() const;
    // Applies a record of this length; false, and nothing changed, for any other.
    bool applyRecord(const QString &text, SettingsRecord::Length length);
    // Shows a record the unit holds: the form matches the unit after it.
    bool showFoundRecord(const QString &record, bool found);
    static qsizetype fieldCount(const QString &text);
    // Whether a record of this many fields is one that some unit uses.
    static bool isRecordLength(qsizetype fields);
    // Whether the settings were recorded.
    bool writeSettings();
    void loadSettings();
    void restoreFrom(const QString &fileName);
    // The files used last, offered again in File > Recent files; the
    // folder the dialogs start in.
    void rememberFile(const QString &fileName);
    void listRecentFiles();
    void openRecent(const QString &fileName);
    static QString lastFolder();
    // The window opens where it was closed last.
    void restorePosition();
    void keepPosition();
    // Undo and redo of the form's changes.
    void createUndo();
    void recordStep(const Settings &before, const Settings &after, int field);
    void takeStep(bool back);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A whole adjustment run is one step.
    void beginRunStep();
    void endRunStep();
    // The history of the unit in use, to put an entry back into the form.
    void showHistory();
    // Why the file could not be written or read, said to the user.
    void warnAboutFile(const QString &title, const QString &fileName, const QString &reason);
    QString noAnswer() const;
    void onReceived(const SettingsAnswer &answer);
    void onSent(const SendOutcome &outcome);
    void onRunStep(double waveSeconds);
    void endRun(WaveRun::End end);
    // The form differs from what the unit in use holds, as far as it is
    // known, or, before any unit, from the form's start.
    bool isModified() const;
    void updateModified();
    void closeEvent(QCloseEvent *event) override;
    // Whether closing may go on: asked when the form holds changes the unit
    // does not have; their sending, whose confirmation closes the window,
    // is started here when the user wants it.
    bool mayClose();
    // What the window shows without a unit: the controls that need one are locked.
    void showNoUnit();
    void showMessages();
    void showHandbook();
    void showAbout();
    // The units the last search found, in the Unit menu.
    void listUnits();
    // Uses the unit on `port` instead of the one in use, once its run has
    // ended and its changes were asked about.
    void chooseUnit(const QString &port);
    void renameUnit();
    // What the unit in use is called, its name given by the user or its port.
    QString unitTitle() const;
    void showUnitName();
    // Whether the form may go to the unit in use: asked when it holds what
    // was read from another unit.
    bool maySendTo();
    // The unit in use, by its lasting name, as the next start takes it.
    static QString rememberedUnit();
    static void rememberUnit(const QString &identity);

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<WindowActions> actions;
    Protocol *protocol = nullptr;
    MessageLog *messageLog = nullptr;
    FormView *formView = nullptr;
    unsigned int unitVersion = 0;
    QLabel *statusLabel = nullptr;
    ClickableLabel *pulseButton = nullptr;
    ClickableLabel *intervalButton = nullptr;
    ClickableLabel *sequentialButton = nullptr;
    QToolButton *searchButton = nullptr;
    RunProgress *runProgress = nullptr;
    QLabel *unitNameLabel = nullptr;
    ElidedLabel *noticeLabel = nullptr;
    QPointer<Handbook> handbook;
    QTimer noticeTimer;
    // "stop" is offered once the wave controller was switched on while the
    // unit was there, run or no run; a click then sends the stop byte.
    bool stopOffered = false;
    // What asks the user to act stays said until something newer of its
    // kind, or a unit found, replaces it.
    QString actingNotice;
    // The lasting name of the unit whose settings the form last matched;
    // empty while it holds none.
    QString formSource;
    // The form holds nothing the user put there since it last matched a
    // unit's settings, or since the start: a unit found then is shown.
    bool untouched = true;
    // The form is being set to what the unit holds.
    bool showingUnit = false;
    // Closing waits for the unit to confirm what the close question sent.
    bool closingAfterSend = false;
    QUndoStack *undoStack = nullptr;
    // A step is being taken back or again: no step of its own.
    bool takingStep = false;
    // What the form held when the adjustment run began: the run is one step.
    std::optional<Settings> beforeRun;
};
