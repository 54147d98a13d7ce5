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
        <source>Probes &lt;port&gt; for the unit, instead of the ports in KV3318_PORTS or those the system lists. May be given several times; probed in order.</source>
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
        <source>wavecontroller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop</source>
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
        <source>send to unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive from unit</source>
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
        <source>moonlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>night mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>storm cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über</source>
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
    <message>
        <source>%1: %2 (add yourself to the group dialout, then log in again)</source>
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
    <name>main</name>
    <message>
        <source>kv3318-config: there is no display to show the window on; kv3318ctl does the same work from a shell</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
