<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>dravino::ArchiveWindow</name>
    <message numerus="yes">
        <source>L&apos;archivio di questo banco (%1) ha %Ln prove che l&apos;archivio sul server %2 può non avere. Inviarle al server? Ogni prova vi arriva una volta sola.</source>
        <translation>
            <numerusform>L&apos;archivio di questo banco (%1) ha %Ln prova che l&apos;archivio sul server %2 può non avere. Inviarla al server? Vi arriva una volta sola.</numerusform>
            <numerusform>L&apos;archivio di questo banco (%1) ha %Ln prove che l&apos;archivio sul server %2 può non avere. Inviarle al server? Ogni prova vi arriva una volta sola.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Prove di questo banco inviate al server %1: %2 (%Ln c&apos;erano già).</source>
        <translation>
            <numerusform>Prove di questo banco inviate al server %1: %2 (%Ln c&apos;era già).</numerusform>
            <numerusform>Prove di questo banco inviate al server %1: %2 (%Ln c&apos;erano già).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravino::SensorHistory</name>
    <message numerus="yes">
        <source>; le %Ln più recenti qui sopra</source>
        <translation>
            <numerusform>; la più recente qui sopra</numerusform>
            <numerusform>; le %Ln più recenti qui sopra</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravino::TraceWindow</name>
    <message numerus="yes">
        <source>In pausa: la traccia tiene le sue %Ln letture.</source>
        <translation>
            <numerusform>In pausa: la traccia tiene %Ln lettura.</numerusform>
            <numerusform>In pausa: la traccia tiene le sue %Ln letture.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Traccia dal file %1: %Ln letture; Riprendi aggiunge quelle del multimetro.</source>
        <translation>
            <numerusform>Traccia dal file %1: %Ln lettura; Riprendi aggiunge quelle del multimetro.</numerusform>
            <numerusform>Traccia dal file %1: %Ln letture; Riprendi aggiunge quelle del multimetro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>La traccia ha %Ln letture: le sostituisci con quelle del file?</source>
        <translation>
            <numerusform>La traccia ha %Ln lettura: la sostituisci con quelle del file?</numerusform>
            <numerusform>La traccia ha %Ln letture: le sostituisci con quelle del file?</numerusform>
        </translation>
    </message>
</context>
</TS>
