#pragma once

#include "settings.h"
#include "settingsrecord.h"
#include "windowstate.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <optional>

class Candidates;
class ClickableLabel;
class FormView;
class Protocol;
class QLabel;
class QToolButton;
class RunProgress;
class WaveRun;

namespace Ui
{
class MainWindow;
}

// The one window: the settings form as a view over the settings model, the
// transfer of settings to and from the unit and to and from files, and the
// live wave adjustment. Each concern has a source file of its own.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Probes `candidates` for the unit from the start.
    explicit MainWindow(const Candidates &candidates);
    ~MainWindow() override;

    // The form's controls, as the form file names them.
    Ui::MainWindow &form() const { return *ui; }
    // Ends as a closed window does, but without a question: a run still
    // under way gets its stop byte, and the window closes once it has left,
    // or after a second.
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
    void onReceiveComplete(const QString &data);
    void onPulseButtonClicked();
    void onIntervalButtonClicked();
    void onSequentialButtonClicked();
    void onTimeout();
    void on_recordButton_clicked();
    void on_restoreButton_clicked();
    void on_sendButton_clicked();
    void on_receiveButton_clicked();
    void on_startButton_clicked();
    void on_stopButton_clicked();
    void onInterfaceLost(const QString &port);
    void searchAgain();

private:
    void createStatusBar();
    void createModeButtons();
    void showImages();
    void connectButtons();
    void initTimer();
    void createRunProgress();
    // Tab order, screen-reader names and shortcuts beyond what the form holds.
    void createAccessibility();
    // Tooltips that give each control's range, shortcut or purpose.
    void createToolTips();
    void createNotices();
    // Says for a few seconds what just happened, then what stands again.
    void tell(const QString &text);
    void showNotice();
    void showNoticeText(const QString &text);
    QString standingNotice() const;
    // A value the rules moved from what was entered is said.
    void sayAdjusted(SettingFields::Id id, double entered, double now);
    // The one place that decides which controls can be used.
    void applyState();
    void onSettingsChanged(const Settings &before, const Settings &after);
    // Fields in the records of the unit detected now.
    qsizetype recordLength() const;
    // Applies a record of this length; false, and nothing changed, for any other.
    bool applyRecord(const QString &text, SettingsRecord::Length length);
    void initTransfer();
    static qsizetype fieldCount(const QString &text);
    // Whether a record of this many fields is one that some unit uses.
    static bool isRecordLength(qsizetype fields);
    void writeSettings();
    void loadSettings();
    // Why the file could not be written or read, said to the user.
    void warnAboutFile(const QString &title, const QString &fileName, const QString &reason);
    void stopTimer();
    // Every way a run ends passes through here.
    void endRun();
    // The form differs from what the unit last confirmed it holds.
    bool isModified() const;
    void updateModified();
    // Asks the unit for its settings; `afterSend` compares them with what
    // was sent rather than applying them.
    void requestSettings(bool afterSend);
    void onAnswerMissing();
    void closeEvent(QCloseEvent *event) override;
    // Whether closing may go on: asked when the form holds changes the unit
    // does not have; their sending is started here when the user wants it.
    bool mayClose();
    // What the window shows without a unit: the controls that need one are locked.
    void showNoUnit();

    std::unique_ptr<Ui::MainWindow> ui;
    WindowState state;
    Protocol *protocol = nullptr;
    WaveRun *waveRun = nullptr;
    FormView *formView = nullptr;
    unsigned int unitVersion = 0;
    QLabel *statusLabel = nullptr;
    ClickableLabel *pulseButton = nullptr;
    ClickableLabel *intervalButton = nullptr;
    ClickableLabel *sequentialButton = nullptr;
    QToolButton *searchButton = nullptr;
    RunProgress *runProgress = nullptr;
    QLabel *noticeLabel = nullptr;
    QTimer noticeTimer;
    QTimer answerTimer;
    // The answer awaited is the read-back of what was sent.
    bool readingBack = false;
    QString sentRecord;
    // What the unit holds as far as the window knows: read from it, or sent
    // and read back, since it was detected.
    std::optional<Settings> confirmed;
    QString lostPort;
    bool lostDuringRun = false;
    // Closing: asked and agreed, or asked by a signal.
    bool leaving = false;
    bool waitingToLeave = false;
    bool leaveTimedOut = false;
};
