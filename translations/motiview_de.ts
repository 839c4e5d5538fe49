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
</context>
</TS>
