<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Configures a Korvalin 3318 flow pump controller over a serial line.
Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;; name a port with --port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probes &lt;port&gt; for the unit, instead of the ports in KV3318_PORTS or those the system lists. May be given several times; all are probed at once.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldNames</name>
    <message>
        <source>mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power %1, socket %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pulse flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foodtimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moonlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storm cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storm cycle, days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storm cycle, hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>night mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval time, hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval time, minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sequential time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wavecontroller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wave time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormView</name>
    <message>
        <source>pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sequential</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Handbook</name>
    <message>
        <source>handbook.en.md</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvalin 3318 Handbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handbook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>no settings record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings the unit held before each send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differs from the form in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Put into the form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>the unit did not say what it held, so its former settings were not kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s former settings were not kept: the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s former settings were not kept: another program holds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s former settings were not kept in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s history was damaged; it was set aside as %1 and a new one begun</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Korvalin 3318</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pulse only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sequential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pulse flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2, socket 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2, socket 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2, socket 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2, socket 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1, socket 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1, socket 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1, socket 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1, socket 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wavecontroller sockets 3+4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record to data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore from data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foodtimer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form holds changes that the unit does not have. Send them to the unit before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be recorded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings recorded to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no settings record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings restored from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings restored from %1; its 20 fields take the firmware&apos;s two reserved fields when sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings restored from %1; its two reserved fields are left out for this firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to be a settings record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no interface detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for the unit on every serial port again (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what happened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>searching for the unit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the form holds changes that the unit does not have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit on %1 was lost during an adjustment run, which ended there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit on %1 was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a unit switched on later is found with &quot;search again&quot; (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0, or %1 to %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse only mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a wave adjustment run: the wave time goes up by 0.01 s every 3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the wave adjustment run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the settings to a file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the settings from a file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for the unit on %1 again (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 became %2 by the form&apos;s rules (%3 entered; %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings sent to the unit and confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit holds other settings than were sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings received from the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interface detected on: %1   (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the unit did not answer within %n second(s)</source>
        <translation>
            <numerusform>the unit did not answer within %n second</numerusform>
            <numerusform>the unit did not answer within %n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the unit&apos;s answer is no settings record of %n field(s)</source>
        <translation>
            <numerusform>the unit&apos;s answer is no settings record of %n field</numerusform>
            <numerusform>the unit&apos;s answer is no settings record of %n fields</numerusform>
        </translation>
    </message>
    <message>
        <source>The form holds changes that no unit has. Record them to a file before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the unit did not say what it holds within %n second(s); the form stays as it was</source>
        <translation>
            <numerusform>the unit did not say what it holds within %n second; the form stays as it was</numerusform>
            <numerusform>the unit did not say what it holds within %n seconds; the form stays as it was</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a record of %n field(s), not %1</source>
        <translation>
            <numerusform>a record of %n field, not %1</numerusform>
            <numerusform>a record of %n fields, not %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;wavecontroller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>st&amp;art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sto&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;record to data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>re&amp;store from data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se&amp;nd to unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>re&amp;ceive from unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;moonlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ni&amp;ght mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storm c&amp;ycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Korvalin 3318</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit in use: %1, firmware %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Korvalin 3318</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Korvalin 3318 configuration tool %1&lt;/h3&gt;&lt;p&gt;Configures the Korvalin 3318 flow pump controller over its serial line.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Built with Qt %3, running on Qt %4.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or later: you may share and change it; it comes without any warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%5&quot;&gt;%5&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 in the file, %3 in the form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the form could not hold every value: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; another unit answered on %2: the Unit menu takes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name of the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;estore...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;nd to unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;ceive from unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename unit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Messages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Handbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every message, whole: Unit &gt; Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s) answered; the Unit menu lists them</source>
        <translation>
            <numerusform>%n unit answered; the Unit menu lists them</numerusform>
            <numerusform>%n units answered; the Unit menu lists them</numerusform>
        </translation>
    </message>
    <message>
        <source>this is another unit than the one the form&apos;s settings were read from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvalin 3318 - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use another unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form holds changes that no unit has yet. Use the unit on %1 all the same? The changes stay in the form, and Send sends them there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the unit on %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name could not be kept there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to another unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form holds settings read from %1. Send them to %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing has been sent to this unit yet, so it has no history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings the unit held on %1 are in the form; they go to the unit with Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent &amp;files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;istory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is gone; it was taken off the recent files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamedSettings</name>
    <message>
        <source>%1 or %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;; known: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; allowed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>the server refused com port control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baud rate 19200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data size 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parity none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop size 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server refused %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server did not answer com port control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server did not confirm %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no route to host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected rfc2217://host:port or socket://host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hang-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>network support could not be loaded from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (add yourself to the group dialout, then log in again)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordCheck</name>
    <message numerus="yes">
        <source>a record of %n field(s), but the unit&apos;s firmware takes %1</source>
        <translation>
            <numerusform>a record of %n field, but the unit&apos;s firmware takes %1</numerusform>
            <numerusform>a record of %n fields, but the unit&apos;s firmware takes %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a settings record: %n field(s) where %1 belong</source>
        <translation>
            <numerusform>not a settings record: %n field where %1 belong</numerusform>
            <numerusform>not a settings record: %n fields where %1 belong</numerusform>
        </translation>
    </message>
    <message>
        <source>reserved field %1: &quot;%2&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; %3 together is not allowed; allowed: %4 to %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>adjustment run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s of %2 s, %3:%4 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingFields</name>
    <message>
        <source>percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storm period, hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interval time, minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode (0 pulse, 1 interval, 2 sequential)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1 of socket 1, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1 of socket 2, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1 of socket 3, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 1 of socket 4, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2 of socket 1, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2 of socket 2, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2 of socket 3, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power 2 of socket 4, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pulse time, hundredths of a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>food timer, minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moonlight, 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storm cycle, 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>night mode, 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sequential time, seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wave controller, 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wave time, hundredths of a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wave inverse, 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>this help; after a command, that command&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kv3318ctl [options] COMMAND [ARGUMENTS]
Talks to Korvalin 3318 flow-pump controllers over their serial line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kv3318ctl help COMMAND says more of one command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kv3318ctl [options] %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings, as set NAME=VALUE and get NAME take them:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every unit on the candidate ports: port and firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probes every candidate port at once and prints one line per unit found: its port
and firmware, separated by a tab. Ports that could not be opened are named on
standard error, with the reason.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s settings as a settings file holds them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the unit&apos;s settings as the one line a settings file holds. With --json,
as a JSON object with named settings, the port, the firmware and the record
length. With setting names, only those settings&apos; values, one per line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check a settings file, send it and read it back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks a settings file (- for standard input), sends it as the window would
restore and send it, prints the record sent, reads the unit&apos;s settings back and
compares. With --json the file holds what get --json prints. With --dry-run,
only checks and prints, and opens no port: the record may be of either length,
or of the length that --firmware VERSION takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change settings by name, send, and read them back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the unit&apos;s settings, changes the named ones in the order given, applies
the window&apos;s rules, sends the result, prints it and reads it back to compare.
Every value the rules changed is said on standard error, as
NAME: OLD -&gt; NEW (rule). Each name may be given once; see help settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compare a settings file with the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints one line per field in which the settings file and the unit differ.
Exits 0 when they are equal and 5 when they differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a wave time adjustment run, one line per step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this help, a command&apos;s, or every setting&apos;s range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without an argument, the commands, options and exit statuses; with a command,
that command&apos;s; with settings, every setting&apos;s name, range and unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a serial port to probe, as often as needed; a name
without a folder is looked for in /dev (default:
KV3318_PORTS, else the system&apos;s serial ports)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the line&apos;s debug output on standard error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only check and print; open no port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --dry-run: the firmware whose record length
to check against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wave time to end at (default 2.50)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file or value that is not valid; nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diff: the file and the unit differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ended by signal N (a wave run sends its stop byte first)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the unit&apos;s wave time at once, then every 3 seconds 0.01 s more, and prints
each wave time sent. At the end, and on any signal that would end it (Ctrl+C,
Ctrl+\, SIGTERM, SIGHUP, ...), it sends the stop byte. The unit&apos;s wave controller
must be on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what each unit held before each send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before every send, the window&apos;s and kv3318ctl&apos;s, the unit&apos;s settings are kept
in its history. Lists the entries, newest first, numbered from 1: time, port,
firmware and the program that sent; with --port, only that port&apos;s unit&apos;s, and
with --json as a JSON array. show N prints the record of entry N as a settings
file holds it, to put back with put -. Reads only the history&apos;s files, kept in
kv3318/history under the user&apos;s data folder; opens no port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches also take 1 or 0, true or false, yes or no, in any case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every unit that answers, all at once; each line of
output starts with the unit&apos;s port and a tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON output instead of lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad usage: an unknown command, option or setting
name, a malformed port name or URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no unit found, or the unit was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit did not answer in time, holds other
settings than were sent, or what was written
never left for the line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output could not be written; the message
says whether the unit had taken the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program could not set itself up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kv3318ctl</name>
    <message>
        <source>unknown option &quot;%1%2&quot;; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: wrong number of arguments; see kv3318ctl help %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: takes no --%2; see kv3318ctl help %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--firmware goes with --dry-run only: a unit attached says its own firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>get: --json gives every setting; name none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>help: no command or topic &quot;%1&quot;; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot watch for the signals that end a program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a port, file or option, then what is wrong with it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no candidate ports to probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3 (rule)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set: &quot;%1&quot; is not NAME=VALUE; see kv3318ctl help set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set: %1 is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>more than %n byte(s), too long for settings</source>
        <translation>
            <numerusform>more than %n byte, too long for settings</numerusform>
            <numerusform>more than %n bytes, too long for settings</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a JSON object (%1 at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>a record of %n field(s), not %1</source>
        <translation>
            <numerusform>a record of %n field, not %1</numerusform>
            <numerusform>a record of %n fields, not %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>history: there is no entry %1; there are %n</source>
        <translation>
            <numerusform>history: there is no entry %1; there are %n</numerusform>
            <numerusform>history: there is no entry %1; there are %n</numerusform>
        </translation>
    </message>
    <message>
        <source>history: takes nothing or show N; see kv3318ctl help history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no unit&apos;s history is kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port: an empty name; name a serial port or a URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown scheme &quot;%2&quot;; rfc2217:// and socket:// name network ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: expected rfc2217://HOST:PORT or socket://HOST:PORT, the port from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--firmware: &quot;%1&quot; is no firmware version; a unit says its version as four numbers, such as 1.0.10.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output could not be written: %1; the unit had taken the settings and read them back as sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed; nothing to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty; it holds no settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reserved field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out</source>
        <comment>a reserved field</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no unit answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit used, firmware %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not write to the port</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>no answer within %n s</source>
        <translation>
            <numerusform>no answer within %n s</numerusform>
            <numerusform>no answer within %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>the unit answered with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit holds other settings than were sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wave controller is off; switch it on with: kv3318ctl set waveController=on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit&apos;s wave time %1 s is past --to %2; nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reserved field %1 is %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kv3318-config: there is no display to show the window on; kv3318ctl does the same work from a shell</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
