<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Configures a Korvalin 3318 flow pump controller over a serial line.
Qt&apos;s own options, such as -platform and -style, are accepted too.</source>
        <translation>Richtet eine Strömungspumpen-Steuerung Korvalin 3318 über eine serielle Leitung ein.
Qts eigene Optionen wie -platform und -style werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>port</source>
        <translation>anschluss</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;; name a port with --port</source>
        <translation>%1: unerwartetes Argument „%2“; einen Anschluss mit --port angeben</translation>
    </message>
    <message>
        <source>Probes &lt;port&gt; for the unit, instead of the ports in KV3318_PORTS or those the system lists. May be given several times; all are probed at once.</source>
        <translation>Sucht das Gerät an &lt;Anschluss&gt; statt an den Anschlüssen in KV3318_PORTS oder denen, die das System nennt. Kann mehrmals angegeben werden; alle werden zugleich abgefragt.</translation>
    </message>
</context>
<context>
    <name>FieldNames</name>
    <message>
        <source>mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>power %1, socket %2</source>
        <translation>Leistung %1, Steckdose %2</translation>
    </message>
    <message>
        <source>pulse flow</source>
        <translation>Pulsströmung</translation>
    </message>
    <message>
        <source>foodtimer</source>
        <translation>Futterpause</translation>
    </message>
    <message>
        <source>moonlight</source>
        <translation>Mondlicht</translation>
    </message>
    <message>
        <source>storm cycle</source>
        <translation>Sturm</translation>
    </message>
    <message>
        <source>storm cycle, days</source>
        <translation>Sturm, Tage</translation>
    </message>
    <message>
        <source>storm cycle, hours</source>
        <translation>Sturm, Stunden</translation>
    </message>
    <message>
        <source>night mode</source>
        <translation>Nachtbetrieb</translation>
    </message>
    <message>
        <source>interval time, hours</source>
        <translation>Intervallzeit, Stunden</translation>
    </message>
    <message>
        <source>interval time, minutes</source>
        <translation>Intervallzeit, Minuten</translation>
    </message>
    <message>
        <source>sequential time</source>
        <translation>sequenzielle Zeit</translation>
    </message>
    <message>
        <source>wavecontroller</source>
        <translation>Wellensteuerung</translation>
    </message>
    <message>
        <source>wave time</source>
        <translation>Wellenzeit</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>gegenläufig</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>FormView</name>
    <message>
        <source>pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>sequential</source>
        <translation>sequenziell</translation>
    </message>
</context>
<context>
    <name>Handbook</name>
    <message>
        <source>handbook.en.md</source>
        <translation>handbook.de.md</translation>
    </message>
    <message>
        <source>Korvalin 3318 Handbook</source>
        <translation>Korvalin 3318 – Handbuch</translation>
    </message>
    <message>
        <source>handbook</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>no settings record</source>
        <translation>kein Einstellungssatz</translation>
    </message>
    <message>
        <source>as the form</source>
        <translation>wie das Formular</translation>
    </message>
    <message>
        <source>History of the unit</source>
        <translation>Verlauf des Geräts</translation>
    </message>
    <message>
        <source>settings the unit held before each send</source>
        <translation>Einstellungen, die das Gerät vor jedem Senden hielt</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Sent by</source>
        <translation>Gesendet von</translation>
    </message>
    <message>
        <source>Differs from the form in</source>
        <translation>Weicht vom Formular ab in</translation>
    </message>
    <message>
        <source>&amp;Put into the form</source>
        <translation>Ins &amp;Formular übernehmen</translation>
    </message>
</context>
<context>
    <name>HistoryWording</name>
    <message>
        <source>the unit did not say what it held, so its former settings were not kept</source>
        <translation>das Gerät hat nicht gesagt, was es hielt, daher wurden seine bisherigen Einstellungen nicht aufbewahrt</translation>
    </message>
    <message>
        <source>the unit&apos;s former settings were not kept: the folder %1 cannot be made</source>
        <translation>die bisherigen Einstellungen des Geräts wurden nicht aufbewahrt: der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>the unit&apos;s former settings were not kept: another program holds %1</source>
        <translation>die bisherigen Einstellungen des Geräts wurden nicht aufbewahrt: ein anderes Programm hält %1</translation>
    </message>
    <message>
        <source>the unit&apos;s former settings were not kept in %1: %2</source>
        <translation>die bisherigen Einstellungen des Geräts wurden nicht in %1 aufbewahrt: %2</translation>
    </message>
    <message>
        <source>the unit&apos;s history was damaged; it was set aside as %1 and a new one begun</source>
        <translation>der Verlauf des Geräts war beschädigt; er wurde als %1 beiseitegelegt und ein neuer begonnen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Korvalin 3318</source>
        <translation>Korvalin 3318</translation>
    </message>
    <message>
        <source>pulse only</source>
        <translation>nur Puls</translation>
    </message>
    <message>
        <source>interval time</source>
        <translation>Intervallzeit</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>sequential</source>
        <translation>sequenziell</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>power control</source>
        <translation>Leistungssteuerung</translation>
    </message>
    <message>
        <source>pulse flow</source>
        <translation>Pulsströmung</translation>
    </message>
    <message>
        <source>power 2</source>
        <translation>Leistung 2</translation>
    </message>
    <message>
        <source>power 2, socket 1</source>
        <translation>Leistung 2, Steckdose 1</translation>
    </message>
    <message>
        <source>power 2, socket 2</source>
        <translation>Leistung 2, Steckdose 2</translation>
    </message>
    <message>
        <source>power 2, socket 3</source>
        <translation>Leistung 2, Steckdose 3</translation>
    </message>
    <message>
        <source>power 2, socket 4</source>
        <translation>Leistung 2, Steckdose 4</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>power 1</source>
        <translation>Leistung 1</translation>
    </message>
    <message>
        <source>power 1, socket 1</source>
        <translation>Leistung 1, Steckdose 1</translation>
    </message>
    <message>
        <source>power 1, socket 2</source>
        <translation>Leistung 1, Steckdose 2</translation>
    </message>
    <message>
        <source>power 1, socket 3</source>
        <translation>Leistung 1, Steckdose 3</translation>
    </message>
    <message>
        <source>power 1, socket 4</source>
        <translation>Leistung 1, Steckdose 4</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>wavecontroller sockets 3+4</source>
        <translation>Wellensteuerung Steckdosen 3+4</translation>
    </message>
    <message>
        <source>wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>auto adjust</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>record to data file</source>
        <translation>in Datei speichern</translation>
    </message>
    <message>
        <source>restore from data file</source>
        <translation>aus Datei laden</translation>
    </message>
    <message>
        <source>options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>foodtimer </source>
        <translation>Futterpause </translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>The form holds changes that the unit does not have. Send them to the unit before closing?</source>
        <translation>Das Formular enthält Änderungen, die das Gerät nicht hat. Vor dem Schließen an das Gerät senden?</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Choose a file name</source>
        <translation>Dateinamen wählen</translation>
    </message>
    <message>
        <source>Settings (*.txt)</source>
        <translation>Einstellungen (*.txt)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>The settings could not be recorded: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>settings recorded to %1</source>
        <translation>Einstellungen in %1 gespeichert</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>The file holds no settings record.</source>
        <translation>Die Datei enthält keinen Einstellungssatz.</translation>
    </message>
    <message>
        <source>settings restored from %1</source>
        <translation>Einstellungen aus %1 geladen</translation>
    </message>
    <message>
        <source>settings restored from %1; its 20 fields take the firmware&apos;s two reserved fields when sent</source>
        <translation>Einstellungen aus %1 geladen; zu ihren 20 Feldern kommen beim Senden die zwei reservierten Felder der Firmware</translation>
    </message>
    <message>
        <source>settings restored from %1; its two reserved fields are left out for this firmware</source>
        <translation>Einstellungen aus %1 geladen; ihre zwei reservierten Felder entfallen für diese Firmware</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is too large to be a settings record.</source>
        <translation>Die Datei ist zu groß für einen Einstellungssatz.</translation>
    </message>
    <message>
        <source>no interface detected</source>
        <translation>keine Schnittstelle erkannt</translation>
    </message>
    <message>
        <source>search again</source>
        <translation>erneut suchen</translation>
    </message>
    <message>
        <source>Look for the unit on every serial port again (F5)</source>
        <translation>Das Gerät erneut an jeder seriellen Schnittstelle suchen (F5)</translation>
    </message>
    <message>
        <source>what happened</source>
        <translation>was geschah</translation>
    </message>
    <message>
        <source>searching for the unit...</source>
        <translation>Gerät wird gesucht …</translation>
    </message>
    <message>
        <source>the form holds changes that the unit does not have</source>
        <translation>das Formular enthält Änderungen, die das Gerät nicht hat</translation>
    </message>
    <message>
        <source>the unit on %1 was lost during an adjustment run, which ended there</source>
        <translation>die Verbindung zum Gerät an %1 ging während eines Abgleichs verloren; der Abgleich endete dort</translation>
    </message>
    <message>
        <source>the unit on %1 was lost</source>
        <translation>die Verbindung zum Gerät an %1 ging verloren</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a unit switched on later is found with &quot;search again&quot; (F5)</source>
        <translation>ein später eingeschaltetes Gerät findet „erneut suchen“ (F5)</translation>
    </message>
    <message>
        <source>0, or %1 to %2 %</source>
        <translation>0 oder %1 bis %2 %</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 bis %2 %3</translation>
    </message>
    <message>
        <source>Pulse only mode</source>
        <translation>Nur Puls</translation>
    </message>
    <message>
        <source>Interval mode</source>
        <translation>Intervallbetrieb</translation>
    </message>
    <message>
        <source>Sequential mode</source>
        <translation>Sequenzbetrieb</translation>
    </message>
    <message>
        <source>Start a wave adjustment run: the wave time goes up by 0.01 s every 3 s</source>
        <translation>Einen Wellenabgleich starten: die Wellenzeit steigt alle 3 s um 0,01 s</translation>
    </message>
    <message>
        <source>Stop the wave adjustment run</source>
        <translation>Den Wellenabgleich anhalten</translation>
    </message>
    <message>
        <source>Record the settings to a file (%1)</source>
        <translation>Die Einstellungen in einer Datei speichern (%1)</translation>
    </message>
    <message>
        <source>Restore the settings from a file (%1)</source>
        <translation>Die Einstellungen aus einer Datei laden (%1)</translation>
    </message>
    <message>
        <source>Look for the unit on %1 again (F5)</source>
        <translation>Das Gerät erneut an %1 suchen (F5)</translation>
    </message>
    <message>
        <source>%1 became %2 by the form&apos;s rules (%3 entered; %4)</source>
        <translation>%1 wurde nach den Regeln des Formulars zu %2 (%3 eingegeben; %4)</translation>
    </message>
    <message>
        <source>settings sent to the unit and confirmed</source>
        <translation>Einstellungen an das Gerät gesendet und bestätigt</translation>
    </message>
    <message>
        <source>%1 is %2, not %3</source>
        <translation>%1: im Gerät %2, gesendet %3</translation>
    </message>
    <message>
        <source>the unit holds other settings than were sent: %1</source>
        <translation>das Gerät hat andere Einstellungen als gesendet: %1</translation>
    </message>
    <message>
        <source>settings received from the unit</source>
        <translation>Einstellungen vom Gerät empfangen</translation>
    </message>
    <message>
        <source>interface detected on: %1   (%2)</source>
        <translation>Schnittstelle erkannt an: %1   (%2)</translation>
    </message>
    <message numerus="yes">
        <source>the unit did not answer within %n second(s)</source>
        <translation>
            <numerusform>das Gerät hat nicht innerhalb von %n Sekunde geantwortet</numerusform>
            <numerusform>das Gerät hat nicht innerhalb von %n Sekunden geantwortet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the unit&apos;s answer is no settings record of %n field(s)</source>
        <translation>
            <numerusform>die Antwort des Geräts ist kein Einstellungssatz mit %n Feld</numerusform>
            <numerusform>die Antwort des Geräts ist kein Einstellungssatz mit %n Feldern</numerusform>
        </translation>
    </message>
    <message>
        <source>The form holds changes that no unit has. Record them to a file before closing?</source>
        <translation>Das Formular enthält Änderungen, die kein Gerät hat. Vor dem Schließen in eine Datei aufzeichnen?</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Aufzeichnen …</translation>
    </message>
    <message numerus="yes">
        <source>the unit did not say what it holds within %n second(s); the form stays as it was</source>
        <translation>
            <numerusform>das Gerät hat nicht innerhalb von %n Sekunde gesagt, was es hält; das Formular bleibt, wie es war</numerusform>
            <numerusform>das Gerät hat nicht innerhalb von %n Sekunden gesagt, was es hält; das Formular bleibt, wie es war</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a record of %n field(s), not %1</source>
        <translation>
            <numerusform>einen Datensatz aus %n Feld, nicht %1</numerusform>
            <numerusform>einen Datensatz aus %n Feldern, nicht %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;wavecontroller</source>
        <translation>&amp;Wellensteuerung</translation>
    </message>
    <message>
        <source>&amp;inverse</source>
        <translation>gegenlä&amp;ufig</translation>
    </message>
    <message>
        <source>st&amp;art</source>
        <translation>s&amp;tarten</translation>
    </message>
    <message>
        <source>sto&amp;p</source>
        <translation>&amp;anhalten</translation>
    </message>
    <message>
        <source>&amp;record to data file</source>
        <translation>in Datei &amp;speichern</translation>
    </message>
    <message>
        <source>re&amp;store from data file</source>
        <translation>aus Datei &amp;laden</translation>
    </message>
    <message>
        <source>se&amp;nd to unit</source>
        <translation>an Gerät s&amp;enden</translation>
    </message>
    <message>
        <source>re&amp;ceive from unit</source>
        <translation>vom Gerät h&amp;olen</translation>
    </message>
    <message>
        <source>&amp;moonlight</source>
        <translation>&amp;Mondlicht</translation>
    </message>
    <message>
        <source>ni&amp;ght mode</source>
        <translation>&amp;Nachtbetrieb</translation>
    </message>
    <message>
        <source>storm c&amp;ycle</source>
        <translation>Stu&amp;rm</translation>
    </message>
    <message>
        <source>&amp;About Korvalin 3318</source>
        <translation>Ü&amp;ber Korvalin 3318</translation>
    </message>
    <message>
        <source>Unit in use: %1, firmware %2</source>
        <translation>Verwendetes Gerät: %1, Firmware %2</translation>
    </message>
    <message>
        <source>No unit in use.</source>
        <translation>Kein Gerät in Verwendung.</translation>
    </message>
    <message>
        <source>About Korvalin 3318</source>
        <translation>Über Korvalin 3318</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Korvalin 3318 configuration tool %1&lt;/h3&gt;&lt;p&gt;Configures the Korvalin 3318 flow pump controller over its serial line.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Built with Qt %3, running on Qt %4.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or later: you may share and change it; it comes without any warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%5&quot;&gt;%5&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Korvalin 3318 Einstellprogramm %1&lt;/h3&gt;&lt;p&gt;Stellt den Strömungspumpen-Regler Korvalin 3318 über seine serielle Leitung ein.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %3, läuft mit Qt %4.&lt;/p&gt;&lt;p&gt;Freie Software unter der GNU General Public License, Version 3 oder später: Sie dürfen sie weitergeben und verändern; sie kommt ohne jede Gewährleistung.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%5&quot;&gt;%5&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1: %2 in the file, %3 in the form</source>
        <translation>%1: %2 in der Datei, %3 im Formular</translation>
    </message>
    <message>
        <source>%1; the form could not hold every value: %2</source>
        <translation>%1; das Formular konnte nicht jeden Wert halten: %2</translation>
    </message>
    <message>
        <source>%1; another unit answered on %2: the Unit menu takes it</source>
        <translation>%1; ein anderes Gerät hat an %2 geantwortet: das Menü Gerät nimmt es</translation>
    </message>
    <message>
        <source>name of the unit</source>
        <translation>Name des Geräts</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>R&amp;estore...</source>
        <translation>&amp;Laden …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Search again</source>
        <translation>Erneut &amp;suchen</translation>
    </message>
    <message>
        <source>Se&amp;nd to unit</source>
        <translation>An Gerät s&amp;enden</translation>
    </message>
    <message>
        <source>Re&amp;ceive from unit</source>
        <translation>Vom Gerät &amp;holen</translation>
    </message>
    <message>
        <source>&amp;Rename unit...</source>
        <translation>Gerät &amp;umbenennen …</translation>
    </message>
    <message>
        <source>&amp;Messages...</source>
        <translation>&amp;Meldungen …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Handbook</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Every message, whole: Unit &gt; Messages</source>
        <translation>Alle Meldungen, vollständig: Gerät &gt; Meldungen</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s) answered; the Unit menu lists them</source>
        <translation>
            <numerusform>%n Gerät hat geantwortet; das Menü Gerät nennt es</numerusform>
            <numerusform>%n Geräte haben geantwortet; das Menü Gerät nennt sie</numerusform>
        </translation>
    </message>
    <message>
        <source>this is another unit than the one the form&apos;s settings were read from</source>
        <translation>dies ist ein anderes Gerät als das, von dem die Einstellungen des Formulars gelesen wurden</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>Korvalin 3318 - %1</source>
        <translation>Korvalin 3318 – %1</translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Use another unit</source>
        <translation>Ein anderes Gerät verwenden</translation>
    </message>
    <message>
        <source>The form holds changes that no unit has yet. Use the unit on %1 all the same? The changes stay in the form, and Send sends them there.</source>
        <translation>Das Formular enthält Änderungen, die noch kein Gerät hat. Das Gerät an %1 trotzdem verwenden? Die Änderungen bleiben im Formular, und Senden sendet sie dorthin.</translation>
    </message>
    <message>
        <source>Rename unit</source>
        <translation>Gerät umbenennen</translation>
    </message>
    <message>
        <source>Name of the unit on %1:</source>
        <translation>Name des Geräts an %1:</translation>
    </message>
    <message>
        <source>The name could not be kept there.</source>
        <translation>Der Name konnte dort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Send to another unit</source>
        <translation>An ein anderes Gerät senden</translation>
    </message>
    <message>
        <source>The form holds settings read from %1. Send them to %2?</source>
        <translation>Das Formular enthält Einstellungen, die von %1 gelesen wurden. An %2 senden?</translation>
    </message>
    <message>
        <source>nothing has been sent to this unit yet, so it has no history</source>
        <translation>an dieses Gerät wurde noch nichts gesendet, daher hat es keinen Verlauf</translation>
    </message>
    <message>
        <source>the settings the unit held on %1 are in the form; they go to the unit with Send</source>
        <translation>die Einstellungen, die das Gerät am %1 hielt, stehen im Formular; mit Senden gehen sie ans Gerät</translation>
    </message>
    <message>
        <source>Recent &amp;files</source>
        <translation>&amp;Zuletzt verwendet</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>H&amp;istory...</source>
        <translation>&amp;Verlauf …</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>%1 is gone; it was taken off the recent files</source>
        <translation>%1 gibt es nicht mehr; die Datei wurde aus der Liste der zuletzt verwendeten genommen</translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>Meldungen</translation>
    </message>
</context>
<context>
    <name>NamedSettings</name>
    <message>
        <source>%1 or %2 to %3</source>
        <translation>%1 oder %2 bis %3</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1 bis %2 in Schritten von %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;; known: %2</source>
        <translation>unbekannte Einstellung &quot;%1&quot;; bekannt sind: %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not allowed; allowed: %3</source>
        <translation>%1: &quot;%2&quot; ist nicht erlaubt; erlaubt sind: %3</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: fehlt</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>the server refused com port control</source>
        <translation>der Server lehnte die Steuerung der seriellen Schnittstelle ab</translation>
    </message>
    <message>
        <source>baud rate 19200</source>
        <translation>Baudrate 19200</translation>
    </message>
    <message>
        <source>data size 8</source>
        <translation>8 Datenbits</translation>
    </message>
    <message>
        <source>parity none</source>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>stop size 1</source>
        <translation>1 Stoppbit</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>keine Flusssteuerung</translation>
    </message>
    <message>
        <source>the server refused %1</source>
        <translation>der Server lehnte %1 ab</translation>
    </message>
    <message>
        <source>the server did not answer com port control</source>
        <translation>der Server antwortete nicht auf die Steuerung der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>the server did not confirm %1</source>
        <translation>der Server bestätigte %1 nicht</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Rechner nicht gefunden</translation>
    </message>
    <message>
        <source>no route to host</source>
        <translation>keine Route zum Rechner</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeit überschritten</translation>
    </message>
    <message>
        <source>expected rfc2217://host:port or socket://host:port</source>
        <translation>erwartet: rfc2217://rechner:port oder socket://rechner:port</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>hang-up</source>
        <translation>aufgelegt</translation>
    </message>
    <message>
        <source>network support could not be loaded from %1: %2</source>
        <translation>die Netzwerkunterstützung konnte nicht aus %1 geladen werden: %2</translation>
    </message>
    <message>
        <source>%1 (add yourself to the group dialout, then log in again)</source>
        <translation>%1 (sich selbst zur Gruppe dialout hinzufügen, dann neu anmelden)</translation>
    </message>
</context>
<context>
    <name>RecordCheck</name>
    <message numerus="yes">
        <source>a record of %n field(s), but the unit&apos;s firmware takes %1</source>
        <translation>
            <numerusform>ein Einstellungssatz mit %n Feld, die Firmware des Geräts erwartet aber %1</numerusform>
            <numerusform>ein Einstellungssatz mit %n Feldern, die Firmware des Geräts erwartet aber %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not a settings record: %n field(s) where %1 belong</source>
        <translation>
            <numerusform>kein Einstellungssatz: %n Feld statt %1</numerusform>
            <numerusform>kein Einstellungssatz: %n Felder statt %1</numerusform>
        </translation>
    </message>
    <message>
        <source>reserved field %1: &quot;%2&quot; is not a number</source>
        <translation>reserviertes Feld %1: &quot;%2&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; %3 together is not allowed; allowed: %4 to %5</source>
        <translation>%1: &quot;%2&quot; %3 zusammen ist nicht erlaubt; erlaubt sind: %4 bis %5</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>adjustment run</source>
        <translation>Wellenabgleich</translation>
    </message>
    <message>
        <source>%1 s of %2 s, %3:%4 left</source>
        <translation>%1 s von %2 s, noch %3:%4</translation>
    </message>
</context>
<context>
    <name>SettingFields</name>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>storm period, hours</source>
        <translation>Sturmperiode, Stunden</translation>
    </message>
    <message>
        <source>interval time, minutes</source>
        <translation>Intervallzeit, Minuten</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>reserviert</translation>
    </message>
    <message>
        <source>mode (0 pulse, 1 interval, 2 sequential)</source>
        <translation>Betriebsart (0 pulse, 1 interval, 2 sequential)</translation>
    </message>
    <message>
        <source>power 1 of socket 1, %</source>
        <translation>Leistung 1 an Steckdose 1, %</translation>
    </message>
    <message>
        <source>power 1 of socket 2, %</source>
        <translation>Leistung 1 an Steckdose 2, %</translation>
    </message>
    <message>
        <source>power 1 of socket 3, %</source>
        <translation>Leistung 1 an Steckdose 3, %</translation>
    </message>
    <message>
        <source>power 1 of socket 4, %</source>
        <translation>Leistung 1 an Steckdose 4, %</translation>
    </message>
    <message>
        <source>power 2 of socket 1, %</source>
        <translation>Leistung 2 an Steckdose 1, %</translation>
    </message>
    <message>
        <source>power 2 of socket 2, %</source>
        <translation>Leistung 2 an Steckdose 2, %</translation>
    </message>
    <message>
        <source>power 2 of socket 3, %</source>
        <translation>Leistung 2 an Steckdose 3, %</translation>
    </message>
    <message>
        <source>power 2 of socket 4, %</source>
        <translation>Leistung 2 an Steckdose 4, %</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>pulse time, hundredths of a second</source>
        <translation>Pulszeit, Hundertstelsekunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>food timer, minutes</source>
        <translation>Futterpause, Minuten</translation>
    </message>
    <message>
        <source>moonlight, 0 or 1</source>
        <translation>Mondlicht, 0 oder 1</translation>
    </message>
    <message>
        <source>storm cycle, 0 or 1</source>
        <translation>Sturm, 0 oder 1</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>night mode, 0 or 1</source>
        <translation>Nachtbetrieb, 0 oder 1</translation>
    </message>
    <message>
        <source>sequential time, seconds</source>
        <translation>Sequenzzeit, Sekunden</translation>
    </message>
    <message>
        <source>wave controller, 0 or 1</source>
        <translation>Wellensteuerung, 0 oder 1</translation>
    </message>
    <message>
        <source>wave time, hundredths of a second</source>
        <translation>Wellenzeit, Hundertstelsekunden</translation>
    </message>
    <message>
        <source>wave inverse, 0 or 1</source>
        <translation>Welle gegenläufig, 0 oder 1</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>this help; after a command, that command&apos;s</source>
        <translation>diese Hilfe; nach einem Befehl die des Befehls</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>die Version</translation>
    </message>
    <message>
        <source>Usage: kv3318ctl [options] COMMAND [ARGUMENTS]
Talks to Korvalin 3318 flow-pump controllers over their serial line.</source>
        <translation>Aufruf: kv3318ctl [Optionen] COMMAND [ARGUMENTE]
Bedient Strömungspumpen-Steuerungen Korvalin 3318 über die serielle Leitung.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Rückgabewert:</translation>
    </message>
    <message>
        <source>kv3318ctl help COMMAND says more of one command.</source>
        <translation>kv3318ctl help COMMAND zeigt mehr zu einem Befehl.</translation>
    </message>
    <message>
        <source>Usage: kv3318ctl [options] %1 %2</source>
        <translation>Aufruf: kv3318ctl [Optionen] %1 %2</translation>
    </message>
    <message>
        <source>Options of %1:</source>
        <translation>Optionen von %1:</translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation>Optionen aller Befehle:</translation>
    </message>
    <message>
        <source>Settings, as set NAME=VALUE and get NAME take them:</source>
        <translation>Einstellungen, wie set NAME=VALUE und get NAME sie annehmen:</translation>
    </message>
    <message>
        <source>every unit on the candidate ports: port and firmware</source>
        <translation>Geräte an Kandidat-Anschlüssen: Anschluss, Firmware</translation>
    </message>
    <message>
        <source>Probes every candidate port at once and prints one line per unit found: its port
and firmware, separated by a tab. Ports that could not be opened are named on
standard error, with the reason.</source>
        <translation>Fragt alle Kandidat-Anschlüsse gleichzeitig ab und gibt je gefundenem Gerät eine
Zeile aus: Anschluss und Firmware, durch einen Tabulator getrennt. Anschlüsse,
die sich nicht öffnen ließen, werden mit Grund auf der Standardfehlerausgabe
genannt.</translation>
    </message>
    <message>
        <source>the unit&apos;s settings as a settings file holds them</source>
        <translation>die Einstellungen des Geräts als Einstellungsdatei</translation>
    </message>
    <message>
        <source>Prints the unit&apos;s settings as the one line a settings file holds. With --json,
as a JSON object with named settings, the port, the firmware and the record
length. With setting names, only those settings&apos; values, one per line.</source>
        <translation>Gibt die Einstellungen des Geräts als einzelne Zeile aus, wie sie in einer
Einstellungsdatei steht. Mit --json als JSON-Objekt mit benannten Einstellungen,
Anschluss, Firmware und Länge des Einstellungssatzes. Mit Namen von
Einstellungen nur deren Werte, einer pro Zeile.</translation>
    </message>
    <message>
        <source>check a settings file, send it and read it back</source>
        <translation>Einstellungsdatei prüfen, senden und zurücklesen</translation>
    </message>
    <message>
        <source>Checks a settings file (- for standard input), sends it as the window would
restore and send it, prints the record sent, reads the unit&apos;s settings back and
compares. With --json the file holds what get --json prints. With --dry-run,
only checks and prints, and opens no port: the record may be of either length,
or of the length that --firmware VERSION takes.</source>
        <translation>Prüft eine Einstellungsdatei (- für Standardeingabe), sendet sie so, wie das
Fenster sie laden und senden würde, gibt den gesendeten Einstellungssatz aus,
liest die Einstellungen des Geräts zurück und vergleicht. Mit --json enthält die
Datei, was get --json ausgibt. Mit --dry-run wird nur geprüft und ausgegeben und
kein Anschluss geöffnet: Der Einstellungssatz darf jede der beiden Längen haben
oder die Länge, die --firmware VERSION erwartet.</translation>
    </message>
    <message>
        <source>change settings by name, send, and read them back</source>
        <translation>Einstellungen per Name ändern, senden, zurücklesen</translation>
    </message>
    <message>
        <source>Reads the unit&apos;s settings, changes the named ones in the order given, applies
the window&apos;s rules, sends the result, prints it and reads it back to compare.
Every value the rules changed is said on standard error, as
NAME: OLD -&gt; NEW (rule). Each name may be given once; see help settings.</source>
        <translation>Liest die Einstellungen des Geräts, ändert die genannten in der angegebenen
Reihenfolge, wendet die Regeln des Fensters an, sendet das Ergebnis, gibt es aus
und liest es zum Vergleich zurück. Jeder Wert, den die Regeln geändert haben,
wird auf der Standardfehlerausgabe genannt als NAME: ALT -&gt; NEU (Regel). Jeder
Name darf nur einmal vorkommen; siehe help settings.</translation>
    </message>
    <message>
        <source>compare a settings file with the unit</source>
        <translation>Einstellungsdatei mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>Prints one line per field in which the settings file and the unit differ.
Exits 0 when they are equal and 5 when they differ.</source>
        <translation>Gibt je Feld, in dem sich Einstellungsdatei und Gerät unterscheiden, eine Zeile
aus. Rückgabewert 0, wenn beide gleich sind, und 5, wenn sie sich unterscheiden.</translation>
    </message>
    <message>
        <source>a wave time adjustment run, one line per step</source>
        <translation>ein Wellenabgleich, eine Zeile pro Schritt</translation>
    </message>
    <message>
        <source>this help, a command&apos;s, or every setting&apos;s range</source>
        <translation>diese Hilfe, die eines Befehls, alle Wertebereiche</translation>
    </message>
    <message>
        <source>Without an argument, the commands, options and exit statuses; with a command,
that command&apos;s; with settings, every setting&apos;s name, range and unit.</source>
        <translation>Ohne Argument die Befehle, Optionen und Rückgabewerte; mit einem Befehl die
Hilfe zu diesem Befehl; mit settings Name, Wertebereich und Einheit jeder
Einstellung.</translation>
    </message>
    <message>
        <source>a serial port to probe, as often as needed; a name
without a folder is looked for in /dev (default:
KV3318_PORTS, else the system&apos;s serial ports)</source>
        <translation>eine abzufragende serielle Schnittstelle, beliebig
oft angebbar; ein Name ohne Ordner wird in /dev
gesucht (Standard: KV3318_PORTS, sonst die seriellen
Schnittstellen des Systems)</translation>
    </message>
    <message>
        <source>show the line&apos;s debug output on standard error</source>
        <translation>Debug-Ausgabe der Leitung auf Standardfehlerausgabe</translation>
    </message>
    <message>
        <source>only check and print; open no port</source>
        <translation>nur prüfen und ausgeben; keinen Anschluss öffnen</translation>
    </message>
    <message>
        <source>with --dry-run: the firmware whose record length
to check against</source>
        <translation>mit --dry-run: die Firmware, für die die Länge des
Einstellungssatzes geprüft wird</translation>
    </message>
    <message>
        <source>the wave time to end at (default 2.50)</source>
        <translation>Wellenzeit am Ende des Abgleichs (Standard 2.50)</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>a file or value that is not valid; nothing was sent</source>
        <translation>ungültige Datei oder ungültiger Wert; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>diff: the file and the unit differ</source>
        <translation>diff: Datei und Gerät unterscheiden sich</translation>
    </message>
    <message>
        <source>ended by signal N (a wave run sends its stop byte first)</source>
        <translation>durch Signal N beendet (ein Wellenabgleich sendet zuvor das Stoppbyte)</translation>
    </message>
    <message>
        <source>Sends the unit&apos;s wave time at once, then every 3 seconds 0.01 s more, and prints
each wave time sent. At the end, and on any signal that would end it (Ctrl+C,
Ctrl+\, SIGTERM, SIGHUP, ...), it sends the stop byte. The unit&apos;s wave controller
must be on.</source>
        <translation>Sendet die Wellenzeit des Geräts sofort, dann alle 3 Sekunden 0,01 s mehr, und gibt
jede gesendete Wellenzeit aus. Am Ende und bei jedem Signal, das es beenden würde
(Strg+C, Strg+\, SIGTERM, SIGHUP, …), sendet es das Stoppzeichen. Die
Wellensteuerung des Geräts muss eingeschaltet sein.</translation>
    </message>
    <message>
        <source>what each unit held before each send</source>
        <translation>was jedes Gerät vor jedem Senden hielt</translation>
    </message>
    <message>
        <source>Before every send, the window&apos;s and kv3318ctl&apos;s, the unit&apos;s settings are kept
in its history. Lists the entries, newest first, numbered from 1: time, port,
firmware and the program that sent; with --port, only that port&apos;s unit&apos;s, and
with --json as a JSON array. show N prints the record of entry N as a settings
file holds it, to put back with put -. Reads only the history&apos;s files, kept in
kv3318/history under the user&apos;s data folder; opens no port.</source>
        <translation>Vor jedem Senden, dem des Fensters wie dem von kv3318ctl, werden die Einstellungen
des Geräts in seinem Verlauf aufbewahrt. Listet die Einträge, neueste zuerst, ab 1
nummeriert: Zeit, Anschluss, Firmware und das Programm, das sendete; mit --port nur die
des Geräts an diesem Anschluss, mit --json als JSON-Array. show N gibt den Satz von
Eintrag N aus, wie eine Einstellungsdatei ihn hält, zum Zurückspielen mit put -.
Liest nur die Dateien des Verlaufs, in kv3318/history im Datenordner des Benutzers;
öffnet keinen Anschluss.</translation>
    </message>
    <message>
        <source>Switches also take 1 or 0, true or false, yes or no, in any case.</source>
        <translation>Schalter nehmen auch 1 oder 0, true oder false, yes oder no an, in jeder Schreibweise.</translation>
    </message>
    <message>
        <source>every unit that answers, all at once; each line of
output starts with the unit&apos;s port and a tab</source>
        <translation>jedes Gerät, das antwortet, alle zugleich; jede Zeile der
Ausgabe beginnt mit dem Anschluss des Geräts und einem Tab</translation>
    </message>
    <message>
        <source>JSON output instead of lines</source>
        <translation>Ausgabe als JSON statt Zeilen</translation>
    </message>
    <message>
        <source>bad usage: an unknown command, option or setting
name, a malformed port name or URL</source>
        <translation>falscher Aufruf: ein unbekannter Befehl, eine unbekannte
Option oder Einstellung, ein falsch geformter Anschluss
oder eine falsch geformte URL</translation>
    </message>
    <message>
        <source>no unit found, or the unit was lost</source>
        <translation>kein Gerät gefunden oder Verbindung zum Gerät verloren</translation>
    </message>
    <message>
        <source>the unit did not answer in time, holds other
settings than were sent, or what was written
never left for the line</source>
        <translation>das Gerät antwortete nicht rechtzeitig, hat andere
Einstellungen als gesendet, oder Geschriebenes ging
nie auf die Leitung</translation>
    </message>
    <message>
        <source>standard output could not be written; the message
says whether the unit had taken the settings</source>
        <translation>Standardausgabe konnte nicht geschrieben werden; die
Meldung sagt, ob das Gerät die Einstellungen übernommen hatte</translation>
    </message>
    <message>
        <source>the program could not set itself up</source>
        <translation>das Programm konnte sich nicht einrichten</translation>
    </message>
</context>
<context>
    <name>kv3318ctl</name>
    <message>
        <source>unknown option &quot;%1%2&quot;; see --help</source>
        <translation>unbekannte Option &quot;%1%2&quot;; siehe --help</translation>
    </message>
    <message>
        <source>no command given; see --help</source>
        <translation>kein Befehl angegeben; siehe --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see --help</source>
        <translation>unbekannter Befehl &quot;%1&quot;; siehe --help</translation>
    </message>
    <message>
        <source>%1: wrong number of arguments; see kv3318ctl help %1</source>
        <translation>%1: falsche Anzahl von Argumenten; siehe kv3318ctl help %1</translation>
    </message>
    <message>
        <source>%1: takes no --%2; see kv3318ctl help %1</source>
        <translation>%1: kennt --%2 nicht; siehe kv3318ctl help %1</translation>
    </message>
    <message>
        <source>--firmware goes with --dry-run only: a unit attached says its own firmware</source>
        <translation>--firmware nur mit --dry-run: ein angeschlossenes Gerät meldet seine Firmware selbst</translation>
    </message>
    <message>
        <source>get: --json gives every setting; name none</source>
        <translation>get: --json liefert alle Einstellungen; keine Namen angeben</translation>
    </message>
    <message>
        <source>help: no command or topic &quot;%1&quot;; see --help</source>
        <translation>help: kein Befehl oder Thema &quot;%1&quot;; siehe --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot watch for the signals that end a program</source>
        <translation>Signale zum Beenden eines Programms können nicht überwacht werden</translation>
    </message>
    <message>
        <source>standard output could not be written: %1</source>
        <translation>Standardausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a port, file or option, then what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no candidate ports to probe</source>
        <translation>keine Kandidat-Anschlüsse zum Abfragen</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3 (rule)</source>
        <translation>%1: %2 -&gt; %3 (Regel)</translation>
    </message>
    <message>
        <source>set: &quot;%1&quot; is not NAME=VALUE; see kv3318ctl help set</source>
        <translation>set: &quot;%1&quot; hat nicht die Form NAME=VALUE; siehe kv3318ctl help set</translation>
    </message>
    <message>
        <source>set: %1 is named twice</source>
        <translation>set: %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message numerus="yes">
        <source>more than %n byte(s), too long for settings</source>
        <translation>
            <numerusform>mehr als %n Byte, zu lang für Einstellungen</numerusform>
            <numerusform>mehr als %n Bytes, zu lang für Einstellungen</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>not a JSON object (%1 at byte %2)</source>
        <translation>kein JSON-Objekt (%1 bei Byte %2)</translation>
    </message>
    <message numerus="yes">
        <source>a record of %n field(s), not %1</source>
        <translation>
            <numerusform>ein Datensatz aus %n Feld, nicht %1</numerusform>
            <numerusform>ein Datensatz aus %n Feldern, nicht %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>history: there is no entry %1; there are %n</source>
        <translation>
            <numerusform>history: es gibt keinen Eintrag %1; es gibt %n</numerusform>
            <numerusform>history: es gibt keinen Eintrag %1; es gibt %n</numerusform>
        </translation>
    </message>
    <message>
        <source>history: takes nothing or show N; see kv3318ctl help history</source>
        <translation>history: nimmt nichts oder show N; siehe kv3318ctl help history</translation>
    </message>
    <message>
        <source>no unit&apos;s history is kept in %1</source>
        <translation>in %1 ist kein Verlauf eines Geräts aufbewahrt</translation>
    </message>
    <message>
        <source>--port: an empty name; name a serial port or a URL</source>
        <translation>--port: ein leerer Name; einen seriellen Anschluss oder eine URL angeben</translation>
    </message>
    <message>
        <source>%1: unknown scheme &quot;%2&quot;; rfc2217:// and socket:// name network ports</source>
        <translation>%1: unbekanntes Schema &quot;%2&quot;; rfc2217:// und socket:// nennen Netzwerkanschlüsse</translation>
    </message>
    <message>
        <source>%1: expected rfc2217://HOST:PORT or socket://HOST:PORT, the port from 1 to 65535</source>
        <translation>%1: erwartet rfc2217://HOST:PORT oder socket://HOST:PORT, der Port von 1 bis 65535</translation>
    </message>
    <message>
        <source>--firmware: &quot;%1&quot; is no firmware version; a unit says its version as four numbers, such as 1.0.10.2</source>
        <translation>--firmware: &quot;%1&quot; ist keine Firmware-Version; ein Gerät nennt seine Version als vier Zahlen, etwa 1.0.10.2</translation>
    </message>
    <message>
        <source>standard output could not be written: %1; the unit had taken the settings and read them back as sent</source>
        <translation>Standardausgabe konnte nicht geschrieben werden: %1; das Gerät hatte die Einstellungen übernommen und wie gesendet zurückgemeldet</translation>
    </message>
    <message>
        <source>closed; nothing to read</source>
        <translation>geschlossen; nichts zu lesen</translation>
    </message>
    <message>
        <source>empty; it holds no settings</source>
        <translation>leer; enthält keine Einstellungen</translation>
    </message>
    <message>
        <source>reserved field %1</source>
        <translation>reserviertes Feld %1</translation>
    </message>
    <message>
        <source>left out</source>
        <comment>a reserved field</comment>
        <translation>weggelassen</translation>
    </message>
    <message>
        <source>no unit answered</source>
        <translation>kein Gerät antwortete</translation>
    </message>
    <message>
        <source>the unit used, firmware %1</source>
        <translation>das verwendete Gerät, Firmware %1</translation>
    </message>
    <message>
        <source>the unit was lost</source>
        <translation>Verbindung zum Gerät verloren</translation>
    </message>
    <message>
        <source>could not write to the port</source>
        <translation>auf den Anschluss konnte nicht geschrieben werden</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %n s</source>
        <translation>
            <numerusform>keine Antwort innerhalb von %n s</numerusform>
            <numerusform>keine Antwort innerhalb von %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>the unit answered with %1</source>
        <translation>unerwartete Antwort des Geräts: %1</translation>
    </message>
    <message>
        <source>the unit holds other settings than were sent: %1</source>
        <translation>das Gerät hat andere Einstellungen als gesendet: %1</translation>
    </message>
    <message>
        <source>the wave controller is off; switch it on with: kv3318ctl set waveController=on</source>
        <translation>die Wellensteuerung ist aus; einschalten mit: kv3318ctl set waveController=on</translation>
    </message>
    <message>
        <source>the unit&apos;s wave time %1 s is past --to %2; nothing was sent</source>
        <translation>die Wellenzeit des Geräts, %1 s, liegt über --to %2; nichts wurde gesendet</translation>
    </message>
    <message>
        <source>%1 is %2, not %3</source>
        <translation>%1 ist %2, nicht %3</translation>
    </message>
    <message>
        <source>reserved field %1 is %2, not %3</source>
        <translation>reserviertes Feld %1 ist %2, nicht %3</translation>
    </message>
    <message>
        <source>field %1 is %2, not %3</source>
        <translation>Feld %1 ist %2, nicht %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kv3318-config: there is no display to show the window on; kv3318ctl does the same work from a shell</source>
        <translation>kv3318-config: es gibt keinen Bildschirm, auf dem das Fenster erscheinen kann; kv3318ctl erledigt dasselbe in einer Shell</translation>
    </message>
</context>
</TS>
