<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Faults</name>
    <message>
        <source>Hall</source>
        <translation>Hall</translation>
    </message>
    <message>
        <source>Hall sensor is error</source>
        <translation>Hallsensor fehlerhaft</translation>
    </message>
    <message>
        <source>Over vdc</source>
        <translation>Überspannung</translation>
    </message>
    <message>
        <source>Battery voltage is too high</source>
        <translation>Batteriespannung zu hoch</translation>
    </message>
    <message>
        <source>Under vdc</source>
        <translation>Unterspannung</translation>
    </message>
    <message>
        <source>Battery voltage is too low</source>
        <translation>Batteriespannung zu niedrig</translation>
    </message>
    <message>
        <source>Over heat</source>
        <translation>Übertemp.</translation>
    </message>
    <message>
        <source>The controller is over heat</source>
        <translation>Controller hat Übertemperatur</translation>
    </message>
    <message>
        <source>Over iac</source>
        <translation>Überstrom</translation>
    </message>
    <message>
        <source>The controller is over current</source>
        <translation>Überstrom im Controller</translation>
    </message>
    <message>
        <source>Over load</source>
        <translation>Überlast</translation>
    </message>
    <message>
        <source>Heavy load run time out</source>
        <translation>Überlast-Zeitlimit überschritten</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <translation>Motorblockade</translation>
    </message>
    <message>
        <source>Motor lock time out</source>
        <translation>Motor zu lange blockiert</translation>
    </message>
    <message>
        <source>Motor OH</source>
        <translation>Motor-Übertemp.</translation>
    </message>
    <message>
        <source>The motor is over heat</source>
        <translation>Motor hat Übertemperatur</translation>
    </message>
    <message>
        <source>MS short</source>
        <translation>MS Kurzschluss</translation>
    </message>
    <message>
        <source>The motor thermistor is short</source>
        <translation>Motor-Thermistor Kurzschluss</translation>
    </message>
    <message>
        <source>MS open</source>
        <translation>MS offen</translation>
    </message>
    <message>
        <source>The motor thermistor is open</source>
        <translation>Motor-Thermistor offen</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>User info set successfull!</source>
        <translation>Benutzerinfo erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Assist set successfull!</source>
        <translation>Unterstützung erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Factory set successfull!</source>
        <translation>Werkseinstellungen erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Restore to default successfull!</source>
        <translation>Standardwerte erfolgreich wiederhergestellt!</translation>
    </message>
    <message>
        <source>Make sure the throttle return and motor stops</source>
        <translation>Stellen Sie sicher, dass der Gasgriff in Nullstellung ist und der Motor steht</translation>
    </message>
    <message>
        <source>Group Hall A is under testing.</source>
        <translation>Hallgruppe A wird getestet.</translation>
    </message>
    <message>
        <source>Group Hall A test is done.</source>
        <translation>Test der Hallgruppe A abgeschlossen.</translation>
    </message>
    <message>
        <source>Group Hall B is under testing.</source>
        <translation>Hallgruppe B wird getestet.</translation>
    </message>
    <message>
        <source>Group Hall B test is done.</source>
        <translation>Test der Hallgruppe B abgeschlossen.</translation>
    </message>
    <message>
        <source>Basic set successfull!</source>
        <translation>Grundeinstellungen erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Reference set successfull!</source>
        <translation>Referenzwerte erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Motor set successfull!</source>
        <translation>Motorparameter erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Control set successfull!</source>
        <translation>Regelparameter erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Torque PID set successfull!</source>
        <translation>Drehmoment-PID erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Protection set successfull!</source>
        <translation>Schutzeinstellungen erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Other set successfull!</source>
        <translation>Sonstige Einstellungen erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Flux weaken set successfull!</source>
        <translation>Feldschwächung erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Idc calibration successfull!</source>
        <translation>Idc-Kalibrierung erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Derate set successfull!</source>
        <translation>Leistungsreduzierung erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Mode set successfull!</source>
        <translation>Fahrmodi erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>No data from the controller yet: Options &gt; Com Setting... to connect</source>
        <translation>Noch keine Daten vom Controller: Optionen &gt; COM-Einstellungen... zum Verbinden</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinde...</translation>
    </message>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>Last data at %1</source>
        <translation>Letzte Daten um %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not a number. Nothing was written.</source>
        <translation>„%1“: „%2“ ist keine Zahl. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is out of range. Nothing was written.</source>
        <translation>„%1“: „%2“ liegt außerhalb des Bereichs. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not an item of the list.</source>
        <translation>„%1“: „%2“ ist kein Eintrag der Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not a check value (0, 1 or 2).</source>
        <translation>„%1“: „%2“ ist kein Wert für ein Kontrollkästchen (0, 1 oder 2).</translation>
    </message>
    <message>
        <source>stored as %1 (%2)</source>
        <translation>gespeichert als %1 (%2)</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>leading number</source>
        <translation>führende Zahl</translation>
    </message>
    <message>
        <source>upper limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>lower limit</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>whole units</source>
        <translation>ganze Einheiten</translation>
    </message>
    <message>
        <source>below %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>units of %1</source>
        <translation>Einheiten von %1</translation>
    </message>
    <message>
        <source>steps of %1</source>
        <translation>Schritte von %1</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>written, verified</source>
        <translation>geschrieben, geprüft</translation>
    </message>
    <message>
        <source>written, acknowledgement lost, read-back matches</source>
        <translation>geschrieben, Bestätigung verloren, Rücklesen stimmt</translation>
    </message>
    <message>
        <source>written, read-back differs</source>
        <translation>geschrieben, Rücklesen weicht ab</translation>
    </message>
    <message>
        <source>not stored: read-back shows the controller&apos;s previous values</source>
        <translation>nicht gespeichert: Rücklesen zeigt die vorherigen Werte des Controllers</translation>
    </message>
    <message>
        <source>unknown: no answer to the read-back</source>
        <translation>unbekannt: keine Antwort auf das Rücklesen</translation>
    </message>
    <message>
        <source>written, not verified: no answer to the read-back</source>
        <translation>geschrieben, nicht geprüft: keine Antwort auf das Rücklesen</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>die Schnittstelle wurde geschlossen</translation>
    </message>
    <message>
        <source>not written</source>
        <translation>nicht geschrieben</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <translation>keine Antwort in der Zeit</translation>
    </message>
    <message>
        <source>broken unit</source>
        <translation>fehlerhafte Einheit</translation>
    </message>
    <message>
        <source>unknown unit</source>
        <translation>unbekannte Einheit</translation>
    </message>
    <message>
        <source>read-back differs</source>
        <translation>Rücklesen weicht ab</translation>
    </message>
    <message>
        <source>%1 retry</source>
        <translation>%1 Wiederholung</translation>
    </message>
    <message>
        <source>%1 retries</source>
        <translation>%1 Wiederholungen</translation>
    </message>
    <message>
        <source>the port closed during the %1 (cable or adapter removed?)</source>
        <translation>die Schnittstelle wurde beim Vorgang „%1“ geschlossen (Kabel oder Adapter entfernt?)</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Max speed[rpm]</source>
        <translation>Max. Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Back speed[rpm]</source>
        <translation>Rückw.-Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>ECO speed[rpm]</source>
        <translation>ECO-Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Acc of Iq</source>
        <translation>Beschl. Iq</translation>
    </message>
    <message>
        <source>Dec of Iq</source>
        <translation>Verz. Iq</translation>
    </message>
    <message>
        <source>Acc of iq at reg</source>
        <translation>Beschl. Iq bei Rekup.</translation>
    </message>
    <message>
        <source>Dec of iq at reg</source>
        <translation>Verz. Iq bei Rekup.</translation>
    </message>
    <message>
        <source>Acc of Id</source>
        <translation>Beschl. Id</translation>
    </message>
    <message>
        <source>Dec 1 of Id</source>
        <translation>Verz. 1 Id</translation>
    </message>
    <message>
        <source>Dec of Id</source>
        <translation>Verz. Id</translation>
    </message>
    <message>
        <source>Speed of Id0[rpm]</source>
        <translation>Drehzahl bei Id0[rpm]</translation>
    </message>
    <message>
        <source>MOS pk I 0[A]</source>
        <translation>MOS I-Spitze 0[A]</translation>
    </message>
    <message>
        <source>MOS pk I 1[A]</source>
        <translation>MOS I-Spitze 1[A]</translation>
    </message>
    <message>
        <source>Temp at I0[Deg]</source>
        <translation>Temp. bei I0[Deg]</translation>
    </message>
    <message>
        <source>Temp at I1[Deg]</source>
        <translation>Temp. bei I1[Deg]</translation>
    </message>
    <message>
        <source>Max Iac pk[A]</source>
        <translation>Max. Iac-Spitze[A]</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Over vdc[V]</source>
        <translation>Überspannung[V]</translation>
    </message>
    <message>
        <source>Over vdc recover[V]</source>
        <translation>Überspannung Ende[V]</translation>
    </message>
    <message>
        <source>Under vdc[V]</source>
        <translation>Unterspannung[V]</translation>
    </message>
    <message>
        <source>Under vdc recover[V]</source>
        <translation>Unterspannung Ende[V]</translation>
    </message>
    <message>
        <source>Highest vdc for reg[V]</source>
        <translation>Max. Vdc für Rekup.[V]</translation>
    </message>
    <message>
        <source>vdc of full reg[V]</source>
        <translation>Vdc volle Rekup.[V]</translation>
    </message>
    <message>
        <source>Vdc of idc limit[V]</source>
        <translation>Vdc Idc-Begrenzung[V]</translation>
    </message>
    <message>
        <source>Vdc of idc min[V]</source>
        <translation>Vdc bei Idc min.[V]</translation>
    </message>
    <message>
        <source>Reg comp to vdc[%]</source>
        <translation>Rekup.-Komp. zu Vdc[%]</translation>
    </message>
    <message>
        <source>Idc min percent[%]</source>
        <translation>Idc Mindestanteil[%]</translation>
    </message>
    <message>
        <source>Hall steps for 60 switch to 360</source>
        <translation>Hallschritte Wechsel 60 auf 360</translation>
    </message>
    <message>
        <source>Start speed forcast</source>
        <translation>Startdrehzahl-Prognose</translation>
    </message>
    <message>
        <source>Square start step</source>
        <translation>Rechteck-Startschritt</translation>
    </message>
    <message>
        <source>Square step DDP</source>
        <translation>Rechteck-Schritt DDP</translation>
    </message>
    <message>
        <source>BW iqref step 12[A]</source>
        <translation>Rückw. Iqref Stufe 12[A]</translation>
    </message>
    <message>
        <source>BW iqref step 13[A]</source>
        <translation>Rückw. Iqref Stufe 13[A]</translation>
    </message>
    <message>
        <source>ECO iqref step12[A]</source>
        <translation>ECO Iqref Stufe 12[A]</translation>
    </message>
    <message>
        <source>ECO iqref step13[A]</source>
        <translation>ECO Iqref Stufe 13[A]</translation>
    </message>
    <message>
        <source>BW iqref step 0[A]</source>
        <translation>Rückw. Iqref Stufe 0[A]</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Motor parameter</source>
        <translation>Motorparameter</translation>
    </message>
    <message>
        <source>Pole pairs num</source>
        <translation>Polpaarzahl</translation>
    </message>
    <message>
        <source>Forward angle offset[Deg]</source>
        <translation>Winkeloffset vorwärts[Deg]</translation>
    </message>
    <message>
        <source>Motor Tsensor type</source>
        <translation>Motor-Temp.-Sensortyp</translation>
    </message>
    <message>
        <source>Backward angle offset[Deg]</source>
        <translation>Winkeloffset rückwärts[Deg]</translation>
    </message>
    <message>
        <source>Square angle offset[Deg]</source>
        <translation>Rechteck-Winkeloffset[Deg]</translation>
    </message>
    <message>
        <source>Hall A 1 remap[Deg]</source>
        <translation>Hall A 1 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall A 2 remap[Deg]</source>
        <translation>Hall A 2 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall A 3 remap[Deg]</source>
        <translation>Hall A 3 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall A 4 remap[Deg]</source>
        <translation>Hall A 4 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall A 5 remap[Deg]</source>
        <translation>Hall A 5 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall A 6 remap[Deg]</source>
        <translation>Hall A 6 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Motor over heat[Deg]</source>
        <translation>Motor-Übertemp.[Deg]</translation>
    </message>
    <message>
        <source>Motor HighT mode[Deg]</source>
        <translation>Motor Hochtemp.-Modus[Deg]</translation>
    </message>
    <message>
        <source>Motor OH quit[Deg]</source>
        <translation>Motor-Übertemp. Ende[Deg]</translation>
    </message>
    <message>
        <source>MotorT hysterstic[Deg]</source>
        <translation>Motortemp. Hysterese[Deg]</translation>
    </message>
    <message>
        <source>Motor switch T[Deg]</source>
        <translation>Motor-Schalttemp.[Deg]</translation>
    </message>
    <message>
        <source>Hall noisy pulses</source>
        <translation>Hall-Störimpulse</translation>
    </message>
    <message>
        <source>Iqref of hallC[A]</source>
        <translation>Iqref Hall-Kalib.[A]</translation>
    </message>
    <message>
        <source>Acc of iq at HallC</source>
        <translation>Beschl. Iq Hall-Kalib.</translation>
    </message>
    <message>
        <source>Dec of iq at HallC</source>
        <translation>Verz. Iq Hall-Kalib.</translation>
    </message>
    <message>
        <source>Hall B 1 remap[Deg]</source>
        <translation>Hall B 1 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall B 2 remap[Deg]</source>
        <translation>Hall B 2 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall B 3 remap[Deg]</source>
        <translation>Hall B 3 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall B 4 remap[Deg]</source>
        <translation>Hall B 4 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall B 5 remap[Deg]</source>
        <translation>Hall B 5 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall B 6 remap[Deg]</source>
        <translation>Hall B 6 Zuordnung[Deg]</translation>
    </message>
    <message>
        <source>Hall group</source>
        <translation>Hallgruppe</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Regelung</translation>
    </message>
    <message>
        <source>Speed limit kp G</source>
        <translation>Drehzahlbegr. kp G</translation>
    </message>
    <message>
        <source>Speed limit kp D</source>
        <translation>Drehzahlbegr. kp D</translation>
    </message>
    <message>
        <source>Speed limit ki G</source>
        <translation>Drehzahlbegr. ki G</translation>
    </message>
    <message>
        <source>Idc limit kp G</source>
        <translation>Idc-Begr. kp G</translation>
    </message>
    <message>
        <source>Idc limit kp D</source>
        <translation>Idc-Begr. kp D</translation>
    </message>
    <message>
        <source>Idc limit ki G</source>
        <translation>Idc-Begr. ki G</translation>
    </message>
    <message>
        <source>Eco speed kp G</source>
        <translation>ECO-Drehzahl kp G</translation>
    </message>
    <message>
        <source>Eco speed kp D</source>
        <translation>ECO-Drehzahl kp D</translation>
    </message>
    <message>
        <source>Eco speed ki G</source>
        <translation>ECO-Drehzahl ki G</translation>
    </message>
    <message>
        <source>speed PID step 0[rpm]</source>
        <translation>Drehzahl-PID Stufe 0[rpm]</translation>
    </message>
    <message>
        <source>speed PID step 1[rpm]</source>
        <translation>Drehzahl-PID Stufe 1[rpm]</translation>
    </message>
    <message>
        <source>speed PID step 2[rpm]</source>
        <translation>Drehzahl-PID Stufe 2[rpm]</translation>
    </message>
    <message>
        <source>Back steps threshold</source>
        <translation>Schwelle Rückwärtsschritte</translation>
    </message>
    <message>
        <source>Speed ref A[rpm]</source>
        <translation>Solldrehzahl A[rpm]</translation>
    </message>
    <message>
        <source>Hall Num ref</source>
        <translation>Hall-Anzahl Ref.</translation>
    </message>
    <message>
        <source>Mot lock Timeout</source>
        <translation>Motorblockade-Timeout</translation>
    </message>
    <message>
        <source>Commu timeout</source>
        <translation>Kommut.-Timeout</translation>
    </message>
    <message>
        <source>Torque PID</source>
        <translation>Drehmoment-PID</translation>
    </message>
    <message>
        <source>Iq kp gain 0 pre</source>
        <translation>Iq kp Verst. 0 vorab</translation>
    </message>
    <message>
        <source>Iq ki gain 0 pre</source>
        <translation>Iq ki Verst. 0 vorab</translation>
    </message>
    <message>
        <source>Id kp gain 0 pre</source>
        <translation>Id kp Verst. 0 vorab</translation>
    </message>
    <message>
        <source>Id ki gain 0 pre</source>
        <translation>Id ki Verst. 0 vorab</translation>
    </message>
    <message>
        <source>Iq kp gain 0</source>
        <translation>Iq kp Verst. 0</translation>
    </message>
    <message>
        <source>Iq ki gain 0</source>
        <translation>Iq ki Verst. 0</translation>
    </message>
    <message>
        <source>Id kp gain 0</source>
        <translation>Id kp Verst. 0</translation>
    </message>
    <message>
        <source>Id ki gain 0</source>
        <translation>Id ki Verst. 0</translation>
    </message>
    <message>
        <source>Iq kp gain 2</source>
        <translation>Iq kp Verst. 2</translation>
    </message>
    <message>
        <source>Iq ki gain 2</source>
        <translation>Iq ki Verst. 2</translation>
    </message>
    <message>
        <source>Id kp gain 2</source>
        <translation>Id kp Verst. 2</translation>
    </message>
    <message>
        <source>Id ki gain 2</source>
        <translation>Id ki Verst. 2</translation>
    </message>
    <message>
        <source>Iq kp gain 3</source>
        <translation>Iq kp Verst. 3</translation>
    </message>
    <message>
        <source>Iq ki gain 3</source>
        <translation>Iq ki Verst. 3</translation>
    </message>
    <message>
        <source>Id kp gain 3</source>
        <translation>Id kp Verst. 3</translation>
    </message>
    <message>
        <source>Id ki gain 3</source>
        <translation>Id ki Verst. 3</translation>
    </message>
    <message>
        <source>Iq kp gain</source>
        <translation>Iq kp Verst.</translation>
    </message>
    <message>
        <source>Iq kp divisor</source>
        <translation>Iq kp Teiler</translation>
    </message>
    <message>
        <source>Iq ki gain</source>
        <translation>Iq ki Verst.</translation>
    </message>
    <message>
        <source>Id kp gain</source>
        <translation>Id kp Verst.</translation>
    </message>
    <message>
        <source>Id kp divisor</source>
        <translation>Id kp Teiler</translation>
    </message>
    <message>
        <source>Id ki gain</source>
        <translation>Id ki Verst.</translation>
    </message>
    <message>
        <source>Acc of MLock</source>
        <translation>Beschl. Blockade</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>Schutz</translation>
    </message>
    <message>
        <source>Heavy load timeout[s]</source>
        <translation>Überlast-Timeout[s]</translation>
    </message>
    <message>
        <source>Motor lock timeout[0.1s]</source>
        <translation>Motorblockade-Timeout[0.1s]</translation>
    </message>
    <message>
        <source>heavy load Iac[%]</source>
        <translation>Überlast Iac[%]</translation>
    </message>
    <message>
        <source>Motor lock Iac[%]</source>
        <translation>Motorblockade Iac[%]</translation>
    </message>
    <message>
        <source>Iac limit level[%]</source>
        <translation>Iac-Grenzwert[%]</translation>
    </message>
    <message>
        <source>Ref iac level[%]</source>
        <translation>Iac-Referenzwert[%]</translation>
    </message>
    <message>
        <source>Power turn point[Deg]</source>
        <translation>Endst. Knickpunkt[Deg]</translation>
    </message>
    <message>
        <source>Power oh[Deg]</source>
        <translation>Endst. Übertemp.[Deg]</translation>
    </message>
    <message>
        <source>Power OH recover[Deg]</source>
        <translation>Endst. Übertemp. Ende[Deg]</translation>
    </message>
    <message>
        <source>Power highT mode[Deg]</source>
        <translation>Endst. Hochtemp.-Modus[Deg]</translation>
    </message>
    <message>
        <source>Iqref 1[A]</source>
        <translation>Iqref 1[A]</translation>
    </message>
    <message>
        <source>Iqref 2[A]</source>
        <translation>Iqref 2[A]</translation>
    </message>
    <message>
        <source>Iqref 3[A]</source>
        <translation>Iqref 3[A]</translation>
    </message>
    <message>
        <source>Iqref 4[A]</source>
        <translation>Iqref 4[A]</translation>
    </message>
    <message>
        <source>Iqref 5[A]</source>
        <translation>Iqref 5[A]</translation>
    </message>
    <message>
        <source>Iqref 6[A]</source>
        <translation>Iqref 6[A]</translation>
    </message>
    <message>
        <source>Iqref 7[A]</source>
        <translation>Iqref 7[A]</translation>
    </message>
    <message>
        <source>Iqref 13[A]</source>
        <translation>Iqref 13[A]</translation>
    </message>
    <message>
        <source>Iqref 8[A]</source>
        <translation>Iqref 8[A]</translation>
    </message>
    <message>
        <source>Iqref 9[A]</source>
        <translation>Iqref 9[A]</translation>
    </message>
    <message>
        <source>Iqref 10[A]</source>
        <translation>Iqref 10[A]</translation>
    </message>
    <message>
        <source>Iqref 11[A]</source>
        <translation>Iqref 11[A]</translation>
    </message>
    <message>
        <source>Iqref 12[A]</source>
        <translation>Iqref 12[A]</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Percentage in mid tref2[%]</source>
        <translation>Anteil Mitte Tref2[%]</translation>
    </message>
    <message>
        <source>Tref mid vary delay[s]</source>
        <translation>Tref Mitte Verzögerung[s]</translation>
    </message>
    <message>
        <source>Tref mid vary speed[rpm]</source>
        <translation>Tref Mitte Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Percentage in mid tref[%]</source>
        <translation>Anteil Mitte Tref[%]</translation>
    </message>
    <message>
        <source>Forward enable</source>
        <translation>Vorwärts aktiv</translation>
    </message>
    <message>
        <source>Backward enable</source>
        <translation>Rückwärts aktiv</translation>
    </message>
    <message>
        <source>Eco enable</source>
        <translation>ECO aktiv</translation>
    </message>
    <message>
        <source>Alarm enable</source>
        <translation>Alarm aktiv</translation>
    </message>
    <message>
        <source>Brake drive stop enable</source>
        <translation>Brems-Antriebsstopp aktiv</translation>
    </message>
    <message>
        <source>Motor protectin enable</source>
        <translation>Motorschutz aktiv</translation>
    </message>
    <message>
        <source>Boost enable</source>
        <translation>Boost aktiv</translation>
    </message>
    <message>
        <source>Throttle low[V]</source>
        <translation>Gasgriff min.[V]</translation>
    </message>
    <message>
        <source>Throttle high[V]</source>
        <translation>Gasgriff max.[V]</translation>
    </message>
    <message>
        <source>Throttle mid[V]</source>
        <translation>Gasgriff Mitte[V]</translation>
    </message>
    <message>
        <source>BW iqref step 1[A]</source>
        <translation>Rückw. Iqref Stufe 1[A]</translation>
    </message>
    <message>
        <source>BW iqref step 2[A]</source>
        <translation>Rückw. Iqref Stufe 2[A]</translation>
    </message>
    <message>
        <source>BW iqref step 3[A]</source>
        <translation>Rückw. Iqref Stufe 3[A]</translation>
    </message>
    <message>
        <source>BW iqref step 4[A]</source>
        <translation>Rückw. Iqref Stufe 4[A]</translation>
    </message>
    <message>
        <source>BW iqref step 5[A]</source>
        <translation>Rückw. Iqref Stufe 5[A]</translation>
    </message>
    <message>
        <source>BW iqref step 6[A]</source>
        <translation>Rückw. Iqref Stufe 6[A]</translation>
    </message>
    <message>
        <source>BW iqref step 7[A]</source>
        <translation>Rückw. Iqref Stufe 7[A]</translation>
    </message>
    <message>
        <source>BW iqref step 8[A]</source>
        <translation>Rückw. Iqref Stufe 8[A]</translation>
    </message>
    <message>
        <source>BW iqref step 9[A]</source>
        <translation>Rückw. Iqref Stufe 9[A]</translation>
    </message>
    <message>
        <source>BW iqref step10[A]</source>
        <translation>Rückw. Iqref Stufe 10[A]</translation>
    </message>
    <message>
        <source>BW iqref step 11[A]</source>
        <translation>Rückw. Iqref Stufe 11[A]</translation>
    </message>
    <message>
        <source>Flux weaken</source>
        <translation>Feldschwächung</translation>
    </message>
    <message>
        <source>FluxWeaken Reference</source>
        <translation>Feldschwächung Referenz</translation>
    </message>
    <message>
        <source>Flux sign</source>
        <translation>Flussvorzeichen</translation>
    </message>
    <message>
        <source>Startup speed min</source>
        <translation>Startdrehzahl min.</translation>
    </message>
    <message>
        <source>Startup speed low</source>
        <translation>Startdrehzahl niedrig</translation>
    </message>
    <message>
        <source>Startup speed high</source>
        <translation>Startdrehzahl hoch</translation>
    </message>
    <message>
        <source>Idref 0[A]</source>
        <translation>Idref 0[A]</translation>
    </message>
    <message>
        <source>Idref 1[A]</source>
        <translation>Idref 1[A]</translation>
    </message>
    <message>
        <source>Idref 2[A]</source>
        <translation>Idref 2[A]</translation>
    </message>
    <message>
        <source>Idref 3[A]</source>
        <translation>Idref 3[A]</translation>
    </message>
    <message>
        <source>Idref 4[A]</source>
        <translation>Idref 4[A]</translation>
    </message>
    <message>
        <source>Idref 5[A]</source>
        <translation>Idref 5[A]</translation>
    </message>
    <message>
        <source>Idref 6[A]</source>
        <translation>Idref 6[A]</translation>
    </message>
    <message>
        <source>Idref 7[A]</source>
        <translation>Idref 7[A]</translation>
    </message>
    <message>
        <source>Idref 8[A]</source>
        <translation>Idref 8[A]</translation>
    </message>
    <message>
        <source>Idref 9[A]</source>
        <translation>Idref 9[A]</translation>
    </message>
    <message>
        <source>Idref 10[A]</source>
        <translation>Idref 10[A]</translation>
    </message>
    <message>
        <source>Idref 11[A]</source>
        <translation>Idref 11[A]</translation>
    </message>
    <message>
        <source>Idref 12[A]</source>
        <translation>Idref 12[A]</translation>
    </message>
    <message>
        <source>Idref 13[A]</source>
        <translation>Idref 13[A]</translation>
    </message>
    <message>
        <source>Idref H 9[A]</source>
        <translation>Idref H 9[A]</translation>
    </message>
    <message>
        <source>Idref H 10[A]</source>
        <translation>Idref H 10[A]</translation>
    </message>
    <message>
        <source>Idref H 11[A]</source>
        <translation>Idref H 11[A]</translation>
    </message>
    <message>
        <source>Idref H 12[A]</source>
        <translation>Idref H 12[A]</translation>
    </message>
    <message>
        <source>Idref H 13[A]</source>
        <translation>Idref H 13[A]</translation>
    </message>
    <message>
        <source>Printf period[5ms]</source>
        <translation>Printf-Intervall[5ms]</translation>
    </message>
    <message>
        <source>PrintfSwitcher</source>
        <translation>Printf ein/aus</translation>
    </message>
    <message>
        <source>DC current calbiration</source>
        <translation>Gleichstrom-Kalibrierung</translation>
    </message>
    <message>
        <source>Idc calibration</source>
        <translation>Idc-Kalibrierung</translation>
    </message>
    <message>
        <source>Forward level</source>
        <translation>Pegel Vorwärts</translation>
    </message>
    <message>
        <source>Backward level</source>
        <translation>Pegel Rückwärts</translation>
    </message>
    <message>
        <source>Brake high level</source>
        <translation>Pegel Bremse H</translation>
    </message>
    <message>
        <source>B H A</source>
        <translation>B H A</translation>
    </message>
    <message>
        <source>Brake low level</source>
        <translation>Pegel Bremse L</translation>
    </message>
    <message>
        <source>Reserve level</source>
        <translation>Pegel Reserve</translation>
    </message>
    <message>
        <source>B L A</source>
        <translation>B L A</translation>
    </message>
    <message>
        <source>Serial Num</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Flux period[ms]</source>
        <translation>Fluss-Periode[ms]</translation>
    </message>
    <message>
        <source>Iac ADC value 128A</source>
        <translation>Iac ADC-Wert 128A</translation>
    </message>
    <message>
        <source>Reference period[ms]</source>
        <translation>Referenzperiode[ms]</translation>
    </message>
    <message>
        <source>Idc gain</source>
        <translation>Idc-Verst.</translation>
    </message>
    <message>
        <source>Idc D2 power</source>
        <translation>Idc D2-Potenz</translation>
    </message>
    <message>
        <source>Speed pulses/cycle</source>
        <translation>Drehzahlimpulse/Zyklus</translation>
    </message>
    <message>
        <source>TempM at W0</source>
        <translation>TempM bei W0</translation>
    </message>
    <message>
        <source>TempM at W1</source>
        <translation>TempM bei W1</translation>
    </message>
    <message>
        <source>MLK turnp[Deg]</source>
        <translation>MLK-Knickpunkt[Deg]</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>PC Online</source>
        <translation>PC online</translation>
    </message>
    <message>
        <source>Hall connection</source>
        <translation>Hall-Belegung</translation>
    </message>
    <message>
        <source>Phase connection</source>
        <translation>Phasenbelegung</translation>
    </message>
    <message>
        <source>Subproject num</source>
        <translation>Unterprojekt-Nr.</translation>
    </message>
    <message>
        <source>Ic ADC value 128A</source>
        <translation>Ic ADC-Wert 128A</translation>
    </message>
    <message>
        <source>Idc ave factor</source>
        <translation>Idc Mittelungsfaktor</translation>
    </message>
    <message>
        <source>Derate</source>
        <translation>Derating</translation>
    </message>
    <message>
        <source>Derate setting</source>
        <translation>Leistungsreduzierung</translation>
    </message>
    <message>
        <source>Power derate delay[s]</source>
        <translation>Derating-Verzögerung[s]</translation>
    </message>
    <message>
        <source>Power recover delay[s]</source>
        <translation>Derating-Ende Verzög.[s]</translation>
    </message>
    <message>
        <source>Mot power derate delay[s]</source>
        <translation>Motor-Derating Verzög.[s]</translation>
    </message>
    <message>
        <source>Mot power recover delay[s]</source>
        <translation>Motor-Derating-Ende Verz.[s]</translation>
    </message>
    <message>
        <source>ECO iqref 1[A]</source>
        <translation>ECO Iqref 1[A]</translation>
    </message>
    <message>
        <source>ECO iqref 2[A]</source>
        <translation>ECO Iqref 2[A]</translation>
    </message>
    <message>
        <source>ECO iqref 3[A]</source>
        <translation>ECO Iqref 3[A]</translation>
    </message>
    <message>
        <source>ECO iqref 4[A]</source>
        <translation>ECO Iqref 4[A]</translation>
    </message>
    <message>
        <source>ECO iqref 5[A]</source>
        <translation>ECO Iqref 5[A]</translation>
    </message>
    <message>
        <source>ECO iqref 6[A]</source>
        <translation>ECO Iqref 6[A]</translation>
    </message>
    <message>
        <source>ECO iqref 7[A]</source>
        <translation>ECO Iqref 7[A]</translation>
    </message>
    <message>
        <source>ECO iqref 8[A]</source>
        <translation>ECO Iqref 8[A]</translation>
    </message>
    <message>
        <source>ECO iqref 9[A]</source>
        <translation>ECO Iqref 9[A]</translation>
    </message>
    <message>
        <source>ECO iqref 10[A]</source>
        <translation>ECO Iqref 10[A]</translation>
    </message>
    <message>
        <source>ECO iqref 11[A]</source>
        <translation>ECO Iqref 11[A]</translation>
    </message>
    <message>
        <source>Speed step[rpm]</source>
        <translation>Drehzahlstufe[rpm]</translation>
    </message>
    <message>
        <source>Iqref limit 1[A]</source>
        <translation>Iqref-Grenze 1[A]</translation>
    </message>
    <message>
        <source>Iqref limit 0[A]</source>
        <translation>Iqref-Grenze 0[A]</translation>
    </message>
    <message>
        <source>Idref limit 1[A]</source>
        <translation>Idref-Grenze 1[A]</translation>
    </message>
    <message>
        <source>Idref limit 0[A]</source>
        <translation>Idref-Grenze 0[A]</translation>
    </message>
    <message>
        <source>Flux switch speed[rpm]</source>
        <translation>Feldschwächung ab[rpm]</translation>
    </message>
    <message>
        <source>BW speed step[rpm]</source>
        <translation>Rückw. Drehzahlstufe[rpm]</translation>
    </message>
    <message>
        <source>ModeSet</source>
        <translation>Fahrmodi</translation>
    </message>
    <message>
        <source>Mode set</source>
        <translation>Fahrmodi</translation>
    </message>
    <message>
        <source>Mode 1 speed[rpm]</source>
        <translation>Modus 1 Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Mode 2 speed[rpm]</source>
        <translation>Modus 2 Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Mode 3 speed[rpm]</source>
        <translation>Modus 3 Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Mode 4 speed[rpm]</source>
        <translation>Modus 4 Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Mode 1 idc[A]</source>
        <translation>Modus 1 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 2 idc[A]</source>
        <translation>Modus 2 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 3 idc[A]</source>
        <translation>Modus 3 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 4 idc[A]</source>
        <translation>Modus 4 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 5 idc[A]</source>
        <translation>Modus 5 Idc[A]</translation>
    </message>
    <message>
        <source>Boost ratio Iac[%]</source>
        <translation>Boost-Faktor Iac[%]</translation>
    </message>
    <message>
        <source>Boost active sec[s]</source>
        <translation>Boost-Dauer[s]</translation>
    </message>
    <message>
        <source>Speed fall delay[s]</source>
        <translation>Drehzahlabfall-Verz.[s]</translation>
    </message>
    <message>
        <source>Max reg Q</source>
        <translation>Max. Rekup.-Q</translation>
    </message>
    <message>
        <source>Min reg speed[rpm]</source>
        <translation>Min. Rekup.-Drehz.[rpm]</translation>
    </message>
    <message>
        <source>Acc of regenerate</source>
        <translation>Beschl. Rekuperation</translation>
    </message>
    <message>
        <source>Dec of regenerate</source>
        <translation>Verz. Rekuperation</translation>
    </message>
    <message>
        <source>Reset count</source>
        <translation>Zähler zurücksetzen</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Vdc[V]</source>
        <translation>Vdc[V]</translation>
    </message>
    <message>
        <source>Idc[A]</source>
        <translation>Idc[A]</translation>
    </message>
    <message>
        <source>Revolution[rpm]</source>
        <translation>Drehzahl[rpm]</translation>
    </message>
    <message>
        <source>Power T[Deg]</source>
        <translation>Endstufe T[Deg]</translation>
    </message>
    <message>
        <source>Motor T[Deg]</source>
        <translation>Motor T[Deg]</translation>
    </message>
    <message>
        <source>Iq ref[A]</source>
        <translation>Iq ref[A]</translation>
    </message>
    <message>
        <source>Throttle vdc[V]</source>
        <translation>Gasgriffspannung[V]</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>ZUSTAND</translation>
    </message>
    <message>
        <source>Iq actual[A]</source>
        <translation>Iq Ist[A]</translation>
    </message>
    <message>
        <source>Id ref[A]</source>
        <translation>Id ref[A]</translation>
    </message>
    <message>
        <source>Id actual[A]</source>
        <translation>Id Ist[A]</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>Fahrstufe</translation>
    </message>
    <message>
        <source>Pedal error code</source>
        <translation>Pedal-Fehlercode</translation>
    </message>
    <message>
        <source>Hall</source>
        <translation>Hall</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Hall calib</source>
        <translation>Hall-Kalib.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <source>ECO status</source>
        <translation>ECO-Status</translation>
    </message>
    <message>
        <source>Hall G</source>
        <translation>Hall-Gr.</translation>
    </message>
    <message>
        <source>Boost</source>
        <translation>Boost</translation>
    </message>
    <message>
        <source>Vdc [V]</source>
        <translation>Vdc [V]</translation>
    </message>
    <message>
        <source>Idc [A]</source>
        <translation>Idc [A]</translation>
    </message>
    <message>
        <source>Speed [rpm]</source>
        <translation>Drehzahl [rpm]</translation>
    </message>
    <message>
        <source>Power temp [Deg]</source>
        <translation>Temp. Endstufe [Deg]</translation>
    </message>
    <message>
        <source>Motor temp [Deg]</source>
        <translation>Motortemp. [Deg]</translation>
    </message>
    <message>
        <source>Iq ref [A]</source>
        <translation>Iq ref [A]</translation>
    </message>
    <message>
        <source>Throttle [V]</source>
        <translation>Gasgriff [V]</translation>
    </message>
    <message>
        <source>Iq act [A]</source>
        <translation>Iq Ist [A]</translation>
    </message>
    <message>
        <source>Id ref [A]</source>
        <translation>Id ref [A]</translation>
    </message>
    <message>
        <source>Id act [A]</source>
        <translation>Id Ist [A]</translation>
    </message>
</context>
<context>
    <name>motiview::ComSettingsDialog</name>
    <message>
        <source>This user may not open %1: %2.</source>
        <translation>Dieser Benutzer darf %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>No serial device is present: connect the controller&apos;s serial adapter, then choose its port number.</source>
        <translation>Keine serielle Schnittstelle vorhanden: Schließen Sie den seriellen Adapter des Controllers an und wählen Sie dann seine Portnummer.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>UNGERADE</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>GERADE</translation>
    </message>
    <message>
        <source>%1 are no line settings.</source>
        <translation>%1 sind keine gültigen Schnittstellenparameter.</translation>
    </message>
    <message>
        <source>COM port does not exist.</source>
        <translation>COM-Port existiert nicht.</translation>
    </message>
    <message>
        <source>Serial Port Setting</source>
        <translation>COM-Einstellungen</translation>
    </message>
    <message>
        <source>Serial Port Parameters</source>
        <translation>Schnittstellenparameter</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Portnummer:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Data Bit:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Stop Bit:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Connect at start</source>
        <translation>Beim Start verbinden</translation>
    </message>
    <message>
        <source>Open this port with these settings when the program starts</source>
        <translation>Diesen Port beim Programmstart mit diesen Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>motiview::DiffWindow</name>
    <message>
        <source>%1 field</source>
        <translation>%1 Feld</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1 Felder</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>Wiederherstellen aus %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>To write</source>
        <translation>Zu schreiben</translation>
    </message>
    <message>
        <source>Copy rows</source>
        <translation>Zeilen kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pages to write:</source>
        <translation>Zu schreibende Seiten:</translation>
    </message>
    <message>
        <source>%1 carries the controller&apos;s identity and is not ticked. When it is written, the controller keeps its own serial number.</source>
        <translation>%1 enthält die Identität des Controllers und ist nicht angehakt. Wird die Seite geschrieben, behält der Controller seine eigene Seriennummer.</translation>
    </message>
    <message>
        <source>Write selected pages</source>
        <translation>Gewählte Seiten schreiben</translation>
    </message>
    <message>
        <source>no difference</source>
        <translation>kein Unterschied</translation>
    </message>
    <message>
        <source>The controller holds what the file holds.</source>
        <translation>Controller und Datei stimmen überein.</translation>
    </message>
    <message>
        <source>The controller already holds what the file holds; there is nothing to write.</source>
        <translation>Controller und Datei stimmen bereits überein; es gibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>%1 differs on %2.</source>
        <translation>%1 weicht auf %2 ab.</translation>
    </message>
    <message>
        <source>%1 differ on %2.</source>
        <translation>%1 weichen auf %2 ab.</translation>
    </message>
    <message>
        <source>%1 already holds the file: %2.</source>
        <translation>%1 entspricht bereits der Datei: %2.</translation>
    </message>
    <message>
        <source>%1 already hold the file: %2.</source>
        <translation>%1 entsprechen bereits der Datei: %2.</translation>
    </message>
    <message>
        <source>No difference on: %1.</source>
        <translation>Kein Unterschied auf: %1.</translation>
    </message>
</context>
<context>
    <name>motiview::HallTestWindow</name>
    <message>
        <source>Hall Test</source>
        <translation>Halltest</translation>
    </message>
</context>
<context>
    <name>motiview::HistoryWindow</name>
    <message>
        <source>Faults</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Hall test</source>
        <translation>Halltest</translation>
    </message>
    <message>
        <source>Count reset</source>
        <translation>Zähler zurückgesetzt</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>job %1</source>
        <translation>Auftrag %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Fahrzeug: %1</translation>
    </message>
    <message>
        <source>Complaint: %1</source>
        <translation>Beanstandung: %1</translation>
    </message>
    <message>
        <source>Work done: %1</source>
        <translation>Ausgeführte Arbeiten: %1</translation>
    </message>
    <message>
        <source>Service history</source>
        <translation>Servicehistorie</translation>
    </message>
    <message>
        <source>Filter by serial number or user name</source>
        <translation>Nach Seriennummer oder Benutzername filtern</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>Erstmals gesehen</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Wiederherstellen...</translation>
    </message>
    <message>
        <source>%1 of %2 controllers</source>
        <translation>%1 von %2 Controllern</translation>
    </message>
    <message>
        <source>%1 controller</source>
        <translation>%1 Controller</translation>
    </message>
    <message>
        <source>%1 controllers</source>
        <translation>%1 Controller</translation>
    </message>
    <message>
        <source>No controller in the history yet.</source>
        <translation>Noch kein Controller in der Historie.</translation>
    </message>
    <message>
        <source>Choose a controller to see its history.</source>
        <translation>Wählen Sie einen Controller, um seine Historie zu sehen.</translation>
    </message>
    <message>
        <source>History of %1: %2 snapshots, %3 entries in all</source>
        <translation>Historie von %1: %2 Snapshots, insgesamt %3 Einträge</translation>
    </message>
    <message>
        <source>Select two snapshots to compare them, one to export or restore it.</source>
        <translation>Wählen Sie zwei Snapshots zum Vergleichen oder einen zum Exportieren oder Wiederherstellen.</translation>
    </message>
    <message>
        <source>Select a second snapshot to compare.</source>
        <translation>Wählen Sie einen zweiten Snapshot zum Vergleichen.</translation>
    </message>
    <message>
        <source>Compare takes two snapshots.</source>
        <translation>Zum Vergleichen werden genau zwei Snapshots benötigt.</translation>
    </message>
    <message>
        <source>The snapshot cannot be read: %1</source>
        <translation>Der Snapshot kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The snapshot is no longer in the history.</source>
        <translation>Der Snapshot ist nicht mehr in der Historie.</translation>
    </message>
    <message>
        <source>The snapshot of %1 cannot be read: %2</source>
        <translation>Der Snapshot vom %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3) against %4 (%5)</source>
        <translation>%1: %2 (%3) gegenüber %4 (%5)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>The two snapshots hold the same texts.</source>
        <translation>Beide Snapshots enthalten dieselben Werte.</translation>
    </message>
    <message>
        <source>Export snapshot</source>
        <translation>Snapshot exportieren</translation>
    </message>
    <message>
        <source>Parameter files (*.json)</source>
        <translation>Parameterdateien (*.json)</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was exported.</source>
        <translation>%1: %2 Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was restored.</source>
        <translation>%1: %2 Es wurde nichts wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>motiview::JobDialog</name>
    <message>
        <source>Start job</source>
        <translation>Serviceauftrag starten</translation>
    </message>
    <message>
        <source>Finish job</source>
        <translation>Serviceauftrag abschließen</translation>
    </message>
    <message>
        <source>Job number:</source>
        <translation>Auftragsnummer:</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Techniker:</translation>
    </message>
    <message>
        <source>Vehicle or customer:</source>
        <translation>Fahrzeug oder Kunde:</translation>
    </message>
    <message>
        <source>Complaint:</source>
        <translation>Beanstandung:</translation>
    </message>
    <message>
        <source>Work done:</source>
        <translation>Ausgeführte Arbeiten:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Finish and write report...</source>
        <translation>Abschließen und Bericht schreiben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>motiview::LiveTools</name>
    <message>
        <source>The recording stopped: %1
%2 keeps the %3 rows written before.</source>
        <translation>Die Aufzeichnung wurde beendet: %1
%2 enthält die %3 zuvor geschriebenen Zeilen.</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>Auf&amp;zeichnen...</translation>
    </message>
    <message>
        <source>S&amp;top recording</source>
        <translation>Aufzeichnung be&amp;enden</translation>
    </message>
    <message>
        <source>O&amp;pen recording...</source>
        <translation>Aufzeichnung ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Plot...</source>
        <translation>&amp;Diagramm...</translation>
    </message>
    <message>
        <source>&amp;Traffic...</source>
        <translation>Daten&amp;verkehr...</translation>
    </message>
    <message>
        <source>Poll &amp;rate</source>
        <translation>Abfrage&amp;rate</translation>
    </message>
    <message>
        <source>Once a second</source>
        <translation>Einmal pro Sekunde</translation>
    </message>
    <message>
        <source>%1 times a second</source>
        <translation>%1-mal pro Sekunde</translation>
    </message>
    <message>
        <source>The link was lost; the recording stopped.
%1 holds %2 rows.</source>
        <translation>Die Verbindung ist abgebrochen; die Aufzeichnung wurde beendet.
%1 enthält %2 Zeilen.</translation>
    </message>
    <message>
        <source>Open recording</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message>
        <source>Recordings (*.csv)</source>
        <translation>Aufzeichnungen (*.csv)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>%1 kann nicht aufgezeichnet werden: %2</translation>
    </message>
    <message>
        <source>Poll %1/s</source>
        <translation>Abfrage %1/s</translation>
    </message>
</context>
<context>
    <name>motiview::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save parameters...</source>
        <translation>Parameter &amp;speichern...</translation>
    </message>
    <message>
        <source>C&amp;ompare with file...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Restore parameters...</source>
        <translation>Parameter &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Com Setting...</source>
        <translation>COM-&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Sprache(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contact us</source>
        <translation>&amp;Kontakt</translation>
    </message>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Hall A test</source>
        <translation>Halltest A</translation>
    </message>
    <message>
        <source>Hall B test</source>
        <translation>Halltest B</translation>
    </message>
    <message>
        <source>Stop hall test</source>
        <translation>Halltest stoppen</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>EV Motiview service

Supplier: (your controller supplier)
Web: (supplier web page)
Mail: (supplier service address)</source>
        <translation>EV Motiview Service

Lieferant: (Ihr Controller-Lieferant)
Web: (Webseite des Lieferanten)
E-Mail: (Service-Adresse des Lieferanten)</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>%1 plugged in:</source>
        <translation>%1 angeschlossen:</translation>
    </message>
    <message>
        <source>Job %1 (%2)</source>
        <translation>Auftrag %1 (%2)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The %1 translation cannot be loaded; the window stays in English.</source>
        <translation>Die Übersetzung „%1“ kann nicht geladen werden; das Fenster bleibt auf Englisch.</translation>
    </message>
</context>
<context>
    <name>motiview::MonitorView</name>
    <message>
        <source>System RealTime info</source>
        <translation>Echtzeit-Systeminfo</translation>
    </message>
    <message>
        <source>Error infomation</source>
        <translation>Fehlerinformationen</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Error description</source>
        <translation>Fehlerbeschreibung</translation>
    </message>
</context>
<context>
    <name>motiview::PageWindow</name>
    <message>
        <source>read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>controller holds %1</source>
        <translation>im Controller: %1</translation>
    </message>
    <message>
        <source>1 field edited, not written</source>
        <translation>1 Feld geändert, nicht geschrieben</translation>
    </message>
    <message>
        <source>%1 fields edited, not written</source>
        <translation>%1 Felder geändert, nicht geschrieben</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Read the parameters from the controller before writing them.</source>
        <translation>Lesen Sie die Parameter aus dem Controller, bevor Sie sie schreiben.</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>motiview::ParameterFlows</name>
    <message>
        <source>Parameter files (*.json)</source>
        <translation>Parameterdateien (*.json)</translation>
    </message>
    <message>
        <source>Save parameters</source>
        <translation>Parameter speichern</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Restore parameters</source>
        <translation>Parameter wiederherstellen</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2 %3</source>
        <translation>%1 ist nicht verwendbar: %2 %3</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Writing %1 (%2 of %3)...</source>
        <translation>%1 wird geschrieben (%2 von %3)...</translation>
    </message>
    <message>
        <source>Reading %1 (%2 of %3)...</source>
        <translation>%1 wird gelesen (%2 von %3)...</translation>
    </message>
    <message>
        <source>Stopping after %1...</source>
        <translation>Wird nach %1 angehalten...</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nothing was compared.</source>
        <translation>Es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Abgebrochen. %1</translation>
    </message>
    <message>
        <source>%1 did not answer (%2). %3</source>
        <translation>%1: keine Antwort (%2). %3</translation>
    </message>
    <message>
        <source>Saved %1 pages to %2</source>
        <translation>%1 Seiten in %2 gespeichert</translation>
    </message>
    <message>
        <source>Restore from %1:</source>
        <translation>Wiederherstellen aus %1:</translation>
    </message>
    <message>
        <source>Written and verified: %1.</source>
        <translation>Geschrieben und geprüft: %1.</translation>
    </message>
    <message>
        <source>Written, but the controller holds other values for: %1.</source>
        <translation>Geschrieben, aber der Controller enthält andere Werte für: %1.</translation>
    </message>
    <message>
        <source>Stopped at %1.</source>
        <translation>Angehalten bei %1.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Not written: %1.</source>
        <translation>Nicht geschrieben: %1.</translation>
    </message>
</context>
<context>
    <name>motiview::PlotWindow</name>
    <message>
        <source>%1 - Plot</source>
        <translation>%1 - Diagramm</translation>
    </message>
    <message>
        <source>Live plots</source>
        <translation>Live-Diagramme</translation>
    </message>
    <message>
        <source>time since the recording started [s]</source>
        <translation>Zeit seit Beginn der Aufzeichnung [s]</translation>
    </message>
    <message>
        <source>time since start [h:min:s]</source>
        <translation>Zeit seit Start [h:min:s]</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Size of the saved image</source>
        <translation>Größe des gespeicherten Bildes</translation>
    </message>
    <message>
        <source>Window size</source>
        <translation>Fenstergröße</translation>
    </message>
    <message>
        <source>Save visible range as CSV...</source>
        <translation>Sichtbereich als CSV speichern...</translation>
    </message>
    <message>
        <source>Click: cursor A
Right-click or Shift+click: cursor B
Drag: move in time
Wheel: zoom in time</source>
        <translation>Klick: Cursor A
Rechtsklick oder Umschalt+Klick: Cursor B
Ziehen: zeitlich verschieben
Mausrad: zeitlich zoomen</translation>
    </message>
    <message>
        <source>Click: cursor A
Right-click or Shift+click: cursor B</source>
        <translation>Klick: Cursor A
Rechtsklick oder Umschalt+Klick: Cursor B</translation>
    </message>
    <message>
        <source>Clear cursors</source>
        <translation>Cursor entfernen</translation>
    </message>
    <message>
        <source>%1 rows, %2 s</source>
        <translation>%1 Zeilen, %2 s</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>keine Messwerte</translation>
    </message>
    <message>
        <source>%1: an image is saved as .png or .pdf.</source>
        <translation>%1: Ein Bild wird als .png oder .pdf gespeichert.</translation>
    </message>
    <message>
        <source>An image of %1x%2 pixels cannot be saved: each side is %3 to %4 pixels.</source>
        <translation>Ein Bild mit %1x%2 Pixeln kann nicht gespeichert werden: Jede Seite muss %3 bis %4 Pixel lang sein.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Saved %1 (%2x%3)</source>
        <translation>%1 gespeichert (%2x%3)</translation>
    </message>
    <message>
        <source>This window has no rows to save.</source>
        <translation>Dieses Fenster hat keine Zeilen zum Speichern.</translation>
    </message>
    <message>
        <source>No rows in the shown time window; nothing was saved.</source>
        <translation>Keine Zeilen im gezeigten Zeitfenster; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Saved %1 rows to %2</source>
        <translation>%1 Zeilen in %2 gespeichert</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save visible range as CSV</source>
        <translation>Sichtbaren Bereich als CSV speichern</translation>
    </message>
    <message>
        <source>Recordings (*.csv)</source>
        <translation>Aufzeichnungen (*.csv)</translation>
    </message>
</context>
<context>
    <name>motiview::ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>motiview::Recorder</name>
    <message>
        <source>Recording %1: %2 rows, %3 s</source>
        <translation>Aufzeichnung %1: %2 Zeilen, %3 s</translation>
    </message>
</context>
<context>
    <name>motiview::Report</name>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Vehicle / customer</source>
        <translation>Fahrzeug / Kunde</translation>
    </message>
    <message>
        <source>Complaint</source>
        <translation>Beanstandung</translation>
    </message>
    <message>
        <source>Work done</source>
        <translation>Ausgeführte Arbeiten</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>nicht abgeschlossen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Report id</source>
        <translation>Bericht-ID</translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Eingangszustand</translation>
    </message>
    <message>
        <source>As left</source>
        <translation>Ausgangszustand</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Faults during the job</source>
        <translation>Fehler während des Auftrags</translation>
    </message>
    <message>
        <source>No fault came or went.</source>
        <translation>Kein Fehler ist aufgetreten oder erloschen.</translation>
    </message>
    <message>
        <source>Parameters changed</source>
        <translation>Geänderte Parameter</translation>
    </message>
    <message>
        <source>Not read: the parameters were not read both as found and as left, so no change can be shown.</source>
        <translation>Nicht gelesen: Die Parameter wurden nicht sowohl im Eingangs- als auch im Ausgangszustand gelesen, daher können keine Änderungen angezeigt werden.</translation>
    </message>
    <message>
        <source>No parameter was changed.</source>
        <translation>Es wurde kein Parameter geändert.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>Schreibvorgänge</translation>
    </message>
    <message>
        <source>Hall tests</source>
        <translation>Halltests</translation>
    </message>
    <message>
        <source>No hall test was run.</source>
        <translation>Es wurde kein Halltest durchgeführt.</translation>
    </message>
    <message>
        <source>Calibration count resets</source>
        <translation>Rücksetzungen des Kalibrierzählers</translation>
    </message>
    <message>
        <source>Live values</source>
        <translation>Live-Werte</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>(file not found, no plot)</source>
        <translation>(Datei nicht gefunden, kein Diagramm)</translation>
    </message>
    <message>
        <source>(no rows to plot)</source>
        <translation>(keine Daten für ein Diagramm)</translation>
    </message>
    <message>
        <source>(plot could not be drawn)</source>
        <translation>(Diagramm konnte nicht erstellt werden)</translation>
    </message>
    <message>
        <source>voltage, current and speed over time</source>
        <translation>Spannung, Strom und Drehzahl über der Zeit</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufzeichnungen</translation>
    </message>
    <message>
        <source>No recording was made.</source>
        <translation>Es wurde keine Aufzeichnung erstellt.</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>Servicebericht</translation>
    </message>
    <message>
        <source>Service report, job %1</source>
        <translation>Servicebericht, Auftrag %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Verglichen mit</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>report id %1</source>
        <translation>Bericht-ID %1</translation>
    </message>
</context>
<context>
    <name>motiview::ServiceLog</name>
    <message>
        <source>The service history cannot be used: %1. Nothing is kept this run.</source>
        <translation>Die Servicehistorie ist nicht verwendbar: %1. In dieser Sitzung wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>Job %1 was left open; it is kept as not completed.</source>
        <translation>Auftrag %1 war noch offen; er wird als nicht abgeschlossen gespeichert.</translation>
    </message>
    <message>
        <source>Start &amp;job...</source>
        <translation>Auftrag s&amp;tarten...</translation>
    </message>
    <message>
        <source>&amp;Finish job...</source>
        <translation>Auftrag &amp;abschließen...</translation>
    </message>
    <message>
        <source>Keep service &amp;history</source>
        <translation>Service&amp;historie führen</translation>
    </message>
    <message>
        <source>Service &amp;history...</source>
        <translation>Service&amp;historie...</translation>
    </message>
    <message>
        <source>Needs the service history (Options)</source>
        <translation>Erfordert die Servicehistorie (Optionen)</translation>
    </message>
    <message>
        <source> - job %1</source>
        <translation> - Auftrag %1</translation>
    </message>
    <message>
        <source>The controller did not answer: the report says &quot;not read&quot; for as left.</source>
        <translation>Der Controller hat nicht geantwortet: Der Bericht zeigt „nicht gelesen“ für den Ausgangszustand.</translation>
    </message>
    <message>
        <source>The controller did not answer: as found is not read.</source>
        <translation>Der Controller hat nicht geantwortet: Der Eingangszustand ist nicht gelesen.</translation>
    </message>
    <message>
        <source>Job %1 started; reading the controller as found...</source>
        <translation>Auftrag %1 gestartet; Eingangszustand des Controllers wird gelesen...</translation>
    </message>
    <message>
        <source>The controller is not online: the report says &quot;not read&quot; for as left.</source>
        <translation>Der Controller ist nicht online: Der Bericht zeigt „nicht gelesen“ für den Ausgangszustand.</translation>
    </message>
    <message>
        <source>Reading the controller as left...</source>
        <translation>Ausgangszustand des Controllers wird gelesen...</translation>
    </message>
    <message>
        <source>Write service report</source>
        <translation>Servicebericht schreiben</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The job stays open: Finish job... writes its report.</source>
        <translation>Der Auftrag bleibt offen: Auftrag abschließen... schreibt seinen Bericht.</translation>
    </message>
    <message>
        <source>%1 The job stays open.</source>
        <translation>%1 Der Auftrag bleibt offen.</translation>
    </message>
    <message>
        <source>Report %1 written to %2</source>
        <translation>Bericht %1 in %2 geschrieben</translation>
    </message>
    <message>
        <source>The service history is not open.</source>
        <translation>Die Servicehistorie ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The service history cannot be used: %1</source>
        <translation>Die Servicehistorie ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>Service history</source>
        <translation>Servicehistorie</translation>
    </message>
</context>
<context>
    <name>motiview::TrafficModel</name>
    <message>
        <source>Time [ms]</source>
        <translation>Zeit [ms]</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
</context>
<context>
    <name>motiview::TrafficWindow</name>
    <message>
        <source>Sent: %1</source>
        <translation>Gesendet: %1</translation>
    </message>
    <message>
        <source>Received: %1</source>
        <translation>Empfangen: %1</translation>
    </message>
    <message>
        <source>Broken: %1</source>
        <translation>Fehlerhaft: %1</translation>
    </message>
    <message>
        <source>Unknown: %1</source>
        <translation>Unbekannt: %1</translation>
    </message>
    <message>
        <source>Discarded: %1 bytes</source>
        <translation>Verworfen: %1 Bytes</translation>
    </message>
    <message>
        <source>Silences: %1</source>
        <translation>Ausfälle: %1</translation>
    </message>
    <message>
        <source>Retries: %1</source>
        <translation>Wiederholungen: %1</translation>
    </message>
    <message>
        <source>Traffic monitor</source>
        <translation>Datenverkehr-Monitor</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Hide status frames</source>
        <translation>Statusframes ausblenden</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>Als Text speichern...</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save traffic as text</source>
        <translation>Datenverkehr als Text speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
</TS>
