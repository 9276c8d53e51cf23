<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>CalibrationCertificate</name>
    <message>
        <source>Bosch/VDO/Delphi</source>
        <translation>Bosch/VDO/Delphi</translation>
    </message>
    <message>
        <source>Denso a un&apos;uscita</source>
        <translation>Denso one-output</translation>
    </message>
    <message>
        <source>Denso a due uscite</source>
        <translation>Denso two-output</translation>
    </message>
    <message>
        <source>C</source>
        <translation>P</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>NCC</source>
        <translation>CF</translation>
    </message>
    <message>
        <source>NC</source>
        <translation>F</translation>
    </message>
    <message>
        <source>banda di guardia w = U (ILAC-G8:09/2019): conforme entro il limite meno U, non conforme oltre il limite più U, condizionato tra i due</source>
        <translation>guard band w = U (ILAC-G8:09/2019): pass within the limit less U, fail beyond the limit plus U, conditional between them</translation>
    </message>
    <message>
        <source>accettazione semplice (ILAC-G8:09/2019, w = 0): conforme entro il limite, non conforme oltre; il rischio di accettare un sensore fuori limite arriva al 50 % per un valore sul limite</source>
        <translation>simple acceptance (ILAC-G8:09/2019, w = 0): pass within the limit, fail beyond it; the risk of passing a sensor out of its limit reaches 50 % for a value on the limit</translation>
    </message>
    <message>
        <source>Limiti, in % del campo: errore ±%1 %, isteresi %2 %, ripetibilità %3 %, linearità terminale ±%4 %, linearità BFSL ±%5 %, zero ±%6 %, campo ±%7 %</source>
        <translation>Limits, in % of span: error ±%1 %, hysteresis %2 %, repeatability %3 %, terminal linearity ±%4 %, best-fit linearity ±%5 %, zero ±%6 %, span ±%7 %</translation>
    </message>
    <message>
        <source>Come trovato</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>Come lasciato (sensore sostituito)</source>
        <translation>As left (sensor replaced)</translation>
    </message>
    <message>
        <source>Come lasciato (dopo la regolazione)</source>
        <translation>As left (after adjustment)</translation>
    </message>
    <message>
        <source>tensione in mV</source>
        <translation>voltage in mV</translation>
    </message>
    <message>
        <source>conteggi del convertitore a %1 bit (1 conteggio = %2 mV)</source>
        <translation>counts of the %1-bit converter (1 count = %2 mV)</translation>
    </message>
    <message>
        <source>Punti: %1 % del fondo scala nominale, in salita e di nuovo in discesa; cicli: %2</source>
        <translation>Points: %1 % of the nominal full scale, rising and back falling; cycles: %2</translation>
    </message>
    <message>
        <source>anteprima</source>
        <translation>preview</translation>
    </message>
    <message>
        <source>n. %1 (copia)</source>
        <translation>no. %1 (copy)</translation>
    </message>
    <message>
        <source>n. %1</source>
        <translation>no. %1</translation>
    </message>
    <message>
        <source>tel. %1</source>
        <translation>tel. %1</translation>
    </message>
    <message>
        <source>Certificato di taratura</source>
        <translation>Calibration certificate</translation>
    </message>
    <message>
        <source>Sensore di pressione rail %1</source>
        <translation>Rail pressure sensor %1</translation>
    </message>
    <message>
        <source>pagina %1 di %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>nessun riferimento indicato</source>
        <translation>no reference given</translation>
    </message>
    <message>
        <source>, certificato n. %1</source>
        <translation>, certificate no. %1</translation>
    </message>
    <message>
        <source>, U = %1 bar (k = %2)</source>
        <translation>, U = %1 bar (k = %2)</translation>
    </message>
    <message>
        <source>, classe %1 % di %2 bar</source>
        <translation>, class %1 % of %2 bar</translation>
    </message>
    <message>
        <source>, scadenza della taratura non indicata</source>
        <translation>, calibration due date not given</translation>
    </message>
    <message>
        <source>, TARATURA SCADUTA il %1</source>
        <translation>, CALIBRATION EXPIRED on %1</translation>
    </message>
    <message>
        <source>, taratura valida fino al %1</source>
        <translation>, calibration valid until %1</translation>
    </message>
    <message>
        <source>nessuno: letture dal convertitore della centralina</source>
        <translation>none: readings from the control unit&apos;s converter</translation>
    </message>
    <message>
        <source>multimetro del banco, letture inserite a mano</source>
        <translation>the bench multimeter, readings typed by hand</translation>
    </message>
    <message>
        <source>, n. di serie %1</source>
        <translation>, serial no. %1</translation>
    </message>
    <message>
        <source>, accuratezza ±(%1 % della lettura + %2 cifre), risoluzione %3 mV</source>
        <translation>, accuracy ±(%1 % of reading + %2 digits), resolution %3 mV</translation>
    </message>
    <message>
        <source>CERTIFICATO RITIRATO il %1 da %2: %3</source>
        <translation>CERTIFICATE WITHDRAWN on %1 by %2: %3</translation>
    </message>
    <message>
        <source>Ristampa del %1</source>
        <translation>Reprint of %1</translation>
    </message>
    <message>
        <source>Questo certificato sostituisce il certificato n. %1.</source>
        <translation>This certificate replaces certificate no. %1.</translation>
    </message>
    <message>
        <source>Oggetto della taratura</source>
        <translation>Item calibrated</translation>
    </message>
    <message>
        <source>Sensore:</source>
        <translation>Sensor:</translation>
    </message>
    <message>
        <source>Famiglia:</source>
        <translation>Family:</translation>
    </message>
    <message>
        <source>Fondo scala nominale:</source>
        <translation>Nominal full scale:</translation>
    </message>
    <message>
        <source>%1 bar; uscita nominale da %2 mV a %3 mV</source>
        <translation>%1 bar; nominal output from %2 mV to %3 mV</translation>
    </message>
    <message>
        <source>Letture:</source>
        <translation>Readings:</translation>
    </message>
    <message>
        <source>Cliente:</source>
        <translation>Customer:</translation>
    </message>
    <message>
        <source>Veicolo:</source>
        <translation>Vehicle:</translation>
    </message>
    <message>
        <source>Commessa:</source>
        <translation>Job:</translation>
    </message>
    <message>
        <source>Procedura e condizioni</source>
        <translation>Procedure and conditions</translation>
    </message>
    <message>
        <source>Procedura:</source>
        <translation>Procedure:</translation>
    </message>
    <message>
        <source>Data della taratura:</source>
        <translation>Date of calibration:</translation>
    </message>
    <message>
        <source>Ambiente:</source>
        <translation>Environment:</translation>
    </message>
    <message>
        <source>temperatura %1 °C</source>
        <translation>temperature %1 °C</translation>
    </message>
    <message>
        <source>temperatura non rilevata</source>
        <translation>temperature not taken</translation>
    </message>
    <message>
        <source>Strumenti</source>
        <translation>Instruments</translation>
    </message>
    <message>
        <source>Riferimento di pressione:</source>
        <translation>Pressure reference:</translation>
    </message>
    <message>
        <source>Multimetro:</source>
        <translation>Multimeter:</translation>
    </message>
    <message>
        <source>Regola di decisione</source>
        <translation>Decision rule</translation>
    </message>
    <message>
        <source>%1, versione %2: %3.</source>
        <translation>%1, version %2: %3.</translation>
    </message>
    <message>
        <source>Incertezza estesa U con fattore di copertura k = 2 (livello di fiducia di circa il 95 %), secondo la GUM (JCGM 100:2008).</source>
        <translation>Expanded uncertainty U with coverage factor k = 2 (a level of confidence of about 95 %), after the GUM (JCGM 100:2008).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>TUR %1 : 1, sotto 4 : 1: l&apos;incertezza del riferimento è una parte grande del limite.</source>
        <translation>TUR %1 : 1, below 4 : 1: the reference&apos;s uncertainty is a large part of the limit.</translation>
    </message>
    <message>
        <source>TUR %1 : 1 (limite dell&apos;errore sull&apos;incertezza estesa del riferimento).</source>
        <translation>TUR %1 : 1 (the error&apos;s limit over the reference&apos;s expanded uncertainty).</translation>
    </message>
    <message>
        <source>I risultati valgono per l&apos;oggetto tarato, nelle condizioni indicate, al momento della taratura. Il certificato non si riproduce in parte.</source>
        <translation>The results hold for the item calibrated, in the conditions stated, at the time of calibration. The certificate is not to be reproduced in part.</translation>
    </message>
    <message>
        <source>Risultati: %1</source>
        <translation>Results: %1</translation>
    </message>
    <message>
        <source>Per punto: la media delle letture di ogni verso sui cicli, l&apos;errore della pressione che indicano sulla caratteristica nominale, l&apos;isteresi, la ripetibilità e l&apos;incertezza estesa U.</source>
        <translation>Per point: the mean of each direction&apos;s readings over the cycles, the error of the pressure they mean on the nominal characteristic, the hysteresis, the repeatability and the expanded uncertainty U.</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Riferimento</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Salita</source>
        <translation>Rising</translation>
    </message>
    <message>
        <source>Discesa</source>
        <translation>Falling</translation>
    </message>
    <message>
        <source>Err. salita</source>
        <translation>Err. rising</translation>
    </message>
    <message>
        <source>Err. discesa</source>
        <translation>Err. falling</translation>
    </message>
    <message>
        <source>Isteresi</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <source>Ripetib.</source>
        <translation>Repeatab.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>U (k=2)</source>
        <translation>U (k=2)</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>% campo</source>
        <translation>% span</translation>
    </message>
    <message>
        <source>C conforme · CC conforme condizionato · NCC non conforme condizionato · NC non conforme · — non misurato (la discesa non ripete il punto più alto)</source>
        <translation>P pass · CP conditional pass · CF conditional fail · F fail · — not measured (the falling sweep does not repeat the top point)</translation>
    </message>
    <message>
        <source>Letture mancanti: %1; il risultato non ha esito.</source>
        <translation>Readings missing: %1; the result has no verdict.</translation>
    </message>
    <message>
        <source>Valore (% campo)</source>
        <translation>Value (% span)</translation>
    </message>
    <message>
        <source>U (% campo)</source>
        <translation>U (% span)</translation>
    </message>
    <message>
        <source>Limite (% campo)</source>
        <translation>Limit (% span)</translation>
    </message>
    <message>
        <source>Errore massimo</source>
        <translation>Largest error</translation>
    </message>
    <message>
        <source>Isteresi massima</source>
        <translation>Largest hysteresis</translation>
    </message>
    <message>
        <source>Ripetibilità</source>
        <translation>Repeatability</translation>
    </message>
    <message>
        <source>Linearità terminale</source>
        <translation>Terminal linearity</translation>
    </message>
    <message>
        <source>Linearità BFSL (minimi quadrati)</source>
        <translation>Best-fit linearity (least squares)</translation>
    </message>
    <message>
        <source>Errore di zero</source>
        <translation>Zero error</translation>
    </message>
    <message>
        <source>Errore di campo (span)</source>
        <translation>Span error</translation>
    </message>
    <message>
        <source>non valutata: un solo ciclo</source>
        <translation>not judged: one cycle only</translation>
    </message>
    <message>
        <source>non valutato: mancano le letture a 0 % o a 100 %</source>
        <translation>not judged: no readings at 0 % or 100 %</translation>
    </message>
    <message>
        <source>non valutato: letture mancanti</source>
        <translation>not judged: readings missing</translation>
    </message>
    <message>
        <source>Retta di miglior approssimazione (minimi quadrati su ogni lettura): uscita = %1 mV + %2 mV/bar × pressione; nominale: %3 mV + %4 mV/bar × pressione.</source>
        <translation>Best-fit straight line (least squares over every reading): output = %1 mV + %2 mV/bar × pressure; nominal: %3 mV + %4 mV/bar × pressure.</translation>
    </message>
    <message>
        <source>Errore = pressione indicata − pressione di riferimento; in % del campo: su %1 bar. Linearità e isteresi in % del campo di uscita nominale (%2 mV).</source>
        <translation>Error = pressure indicated − reference pressure; in % of span: of %1 bar. Linearity and hysteresis in % of the nominal output span (%2 mV).</translation>
    </message>
    <message>
        <source>Incertezza estesa più grande: U = %1 bar (%2 % del campo) a %3 bar; il suo bilancio è nell&apos;allegato.</source>
        <translation>Largest expanded uncertainty: U = %1 bar (%2 % of span) at %3 bar; its budget is in the annex.</translation>
    </message>
    <message>
        <source>TUR %1 : 1 — sotto 4 : 1.</source>
        <translation>TUR %1 : 1 — below 4 : 1.</translation>
    </message>
    <message>
        <source>TUR %1 : 1.</source>
        <translation>TUR %1 : 1.</translation>
    </message>
    <message>
        <source>Esito %1: %2</source>
        <translation>Result %1: %2</translation>
    </message>
    <message>
        <source>Caratteristica: %1</source>
        <translation>Characteristic: %1</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>non indicato</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Signature:</translation>
    </message>
    <message>
        <source>Allegato: bilancio di incertezza del punto peggiore</source>
        <translation>Annex: uncertainty budget of the worst point</translation>
    </message>
    <message>
        <source>Nessun punto misurato.</source>
        <translation>No point measured.</translation>
    </message>
    <message>
        <source>%1, punto a %2 bar. Ogni contributo: stima (semiampiezza o incertezza tipo) diviso il divisore della sua distribuzione, per il coefficiente di sensibilità; combinati in somma quadratica (GUM).</source>
        <translation>%1, point at %2 bar. Each contribution: the estimate (half-width or standard uncertainty) over its distribution&apos;s divisor, times the sensitivity coefficient; combined as a root sum of squares (GUM).</translation>
    </message>
    <message>
        <source>Stima</source>
        <translation>Estimate</translation>
    </message>
    <message>
        <source>Divisore</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Sensibilità</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>u (bar)</source>
        <translation>u (bar)</translation>
    </message>
    <message>
        <source>Riferimento di pressione (classe, rettangolare)</source>
        <translation>Pressure reference (class, rectangular)</translation>
    </message>
    <message>
        <source>Riferimento di pressione (U del certificato, normale)</source>
        <translation>Pressure reference (certificate&apos;s U, normal)</translation>
    </message>
    <message>
        <source>Accuratezza del multimetro (rettangolare)</source>
        <translation>Multimeter accuracy (rectangular)</translation>
    </message>
    <message>
        <source>Risoluzione del multimetro (rettangolare)</source>
        <translation>Multimeter resolution (rectangular)</translation>
    </message>
    <message>
        <source>Risoluzione del convertitore, 1 conteggio (rettangolare)</source>
        <translation>Converter resolution, 1 count (rectangular)</translation>
    </message>
    <message>
        <source>Ripetibilità, s/√n (normale)</source>
        <translation>Repeatability, s/√n (normal)</translation>
    </message>
    <message>
        <source>Isteresi (rettangolare)</source>
        <translation>Hysteresis (rectangular)</translation>
    </message>
    <message>
        <source>%1 bar/mV</source>
        <translation>%1 bar/mV</translation>
    </message>
    <message>
        <source>Incertezza tipo composta u_c</source>
        <translation>Combined standard uncertainty u_c</translation>
    </message>
    <message>
        <source>Fattore di copertura k</source>
        <translation>Coverage factor k</translation>
    </message>
    <message>
        <source>Incertezza estesa U = k · u_c</source>
        <translation>Expanded uncertainty U = k · u_c</translation>
    </message>
    <message>
        <source>%1 bar (%2 % del campo)</source>
        <translation>%1 bar (%2 % of span)</translation>
    </message>
    <message>
        <source>Sensibilità: %1 bar/mV, il fondo scala nominale sul campo di uscita della famiglia (%2 bar su %3 mV).</source>
        <translation>Sensitivity: %1 bar/mV, the nominal full scale over the family&apos;s output span (%2 bar over %3 mV).</translation>
    </message>
    <message>
        <source>TUR = limite dell&apos;errore (%1 bar) / U del riferimento (%2 bar) = %3 : 1.</source>
        <translation>TUR = the error&apos;s limit (%1 bar) / the reference&apos;s U (%2 bar) = %3 : 1.</translation>
    </message>
    <message>
        <source>CONFORME</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>CONFORME CONDIZIONATO</source>
        <translation>CONDITIONAL PASS</translation>
    </message>
    <message>
        <source>NON CONFORME CONDIZIONATO</source>
        <translation>CONDITIONAL FAIL</translation>
    </message>
    <message>
        <source>NON CONFORME</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>senza esito</source>
        <translation>no verdict</translation>
    </message>
    <message>
        <source>CONFORME CONDIZIONATO: il valore misurato è entro il limite, ma a meno della sua incertezza estesa U da esso: con U non si può escludere che il valore vero sia fuori limite.</source>
        <translation>CONDITIONAL PASS: the value measured is within the limit, but less than its expanded uncertainty U from it: with U it cannot be ruled out that the true value is beyond the limit.</translation>
    </message>
    <message>
        <source>NON CONFORME CONDIZIONATO: il valore misurato è oltre il limite, ma a meno della sua incertezza estesa U da esso: con U non si può escludere che il valore vero sia entro il limite.</source>
        <translation>CONDITIONAL FAIL: the value measured is beyond the limit, but less than its expanded uncertainty U from it: with U it cannot be ruled out that the true value is within the limit.</translation>
    </message>
    <message>
        <source>caratteristica nominale</source>
        <translation>nominal characteristic</translation>
    </message>
    <message>
        <source>retta di miglior approssimazione</source>
        <translation>best-fit straight line</translation>
    </message>
    <message>
        <source>salita</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>discesa</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>Pressione di riferimento (bar)</source>
        <translation>Reference pressure (bar)</translation>
    </message>
    <message>
        <source>Uscita (mV)</source>
        <translation>Output (mV)</translation>
    </message>
    <message>
        <source>limite ±%1 %</source>
        <translation>limit ±%1 %</translation>
    </message>
    <message>
        <source>limite meno U (banda di guardia)</source>
        <translation>limit less U (guard band)</translation>
    </message>
    <message>
        <source>Errore (% del campo)</source>
        <translation>Error (% of span)</translation>
    </message>
</context>
<context>
    <name>GuidedReport</name>
    <message>
        <source>generico %1</source>
        <translation>generic %1</translation>
    </message>
    <message>
        <source>Limiti: %1 (versione %2).</source>
        <translation>Limits: %1 (version %2).</translation>
    </message>
    <message>
        <source>Esito della prova: CONFORME</source>
        <translation>Result of the test: PASS</translation>
    </message>
    <message>
        <source>Esito della prova: NON CONFORME</source>
        <translation>Result of the test: FAIL</translation>
    </message>
    <message>
        <source>Esito della prova: NON VALUTABILE (un passo non si è potuto giudicare)</source>
        <translation>Result of the test: NOT JUDGED (a step could not be judged)</translation>
    </message>
    <message>
        <source>%1 mV</source>
        <translation>%1 mV</translation>
    </message>
    <message>
        <source>%1 mV (%2 mV a 5 V)</source>
        <translation>%1 mV (%2 mV at 5 V)</translation>
    </message>
    <message>
        <source>Chiave inserita, motore spento</source>
        <translation>Key on, engine off</translation>
    </message>
    <message>
        <source>%1 ± %2 mV</source>
        <translation>%1 ± %2 mV</translation>
    </message>
    <message>
        <source>Alimentazione 5 V</source>
        <translation>5 V supply</translation>
    </message>
    <message>
        <source>da %1 a %2 mV</source>
        <translation>%1 to %2 mV</translation>
    </message>
    <message>
        <source>Avviamento</source>
        <translation>Cranking</translation>
    </message>
    <message>
        <source>al minimo entro %1 s</source>
        <translation>at idle within %1 s</translation>
    </message>
    <message>
        <source>Minimo</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>da %1 a %2 mV, ondulazione fino a %3 mV</source>
        <translation>%1 to %2 mV, ripple up to %3 mV</translation>
    </message>
    <message>
        <source>%1, ondulazione %2 mV</source>
        <translation>%1, ripple %2 mV</translation>
    </message>
    <message>
        <source>Colpo di acceleratore</source>
        <translation>Throttle snap</translation>
    </message>
    <message>
        <source>picco almeno %1 mV, nessuna caduta oltre %2 mV in %3 ms</source>
        <translation>peak at least %1 mV, no drop over %2 mV in %3 ms</translation>
    </message>
    <message>
        <source>picco %1, caduta di %2 mV a %3 s</source>
        <translation>peak %1, a drop of %2 mV at %3 s</translation>
    </message>
    <message>
        <source>picco %1</source>
        <translation>peak %1</translation>
    </message>
    <message>
        <source>Chiave disinserita</source>
        <translation>Key off</translation>
    </message>
    <message>
        <source>allo zero (%1 mV) entro %2 s</source>
        <translation>at the zero (%1 mV) within %2 s</translation>
    </message>
    <message>
        <source>la sua parte della traccia è troppo corta</source>
        <translation>its part of the trace is too short</translation>
    </message>
    <message>
        <source>non si trova nella traccia</source>
        <translation>not found in the trace</translation>
    </message>
    <message>
        <source>la traccia finisce prima</source>
        <translation>the trace ends before it</translation>
    </message>
    <message>
        <source>nessuna lettura dell&apos;alimentazione: scrivila in Alimentazione</source>
        <translation>no reading of the supply: type it in Supply</translation>
    </message>
    <message>
        <source>CONFORME</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>NON CONFORME</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>%1: caduta del segnale (connettore?)</source>
        <translation>%1: the signal dropped out (connector?)</translation>
    </message>
    <message>
        <source>GUASTO DI CABLAGGIO</source>
        <translation>WIRING FAULT</translation>
    </message>
    <message>
        <source>%1: fuori dai limiti (centralina o cablaggio, non il sensore)</source>
        <translation>%1: outside its limits (control unit or wiring, not the sensor)</translation>
    </message>
    <message>
        <source>%1: fuori da 200-4800 mV (filo, massa o alimentazione, non il sensore)</source>
        <translation>%1: outside 200-4800 mV (wire, ground or supply, not the sensor)</translation>
    </message>
    <message>
        <source>NON VALUTABILE</source>
        <translation>NOT JUDGED</translation>
    </message>
    <message>
        <source>SALTATO</source>
        <translation>SKIPPED</translation>
    </message>
    <message>
        <source>da %1 a %2 s</source>
        <translation>%1 to %2 s</translation>
    </message>
    <message>
        <source>Prova guidata del sensore</source>
        <translation>Guided sensor test</translation>
    </message>
    <message>
        <source>Provato il %1; la traccia dal %2, per %3</source>
        <translation>Tested on %1; the trace from %2, for %3</translation>
    </message>
    <message>
        <source>Strumento: %1</source>
        <translation>Instrument: %1</translation>
    </message>
    <message>
        <source>Alimentazione misurata: %1 mV; i livelli giudicati come a 5 V</source>
        <translation>Supply measured: %1 mV; the levels judged as at 5 V</translation>
    </message>
    <message>
        <source>Veicolo: %1</source>
        <translation>Vehicle: %1</translation>
    </message>
    <message>
        <source>Cliente: %1</source>
        <translation>Customer: %1</translation>
    </message>
    <message>
        <source>Commessa: %1</source>
        <translation>Job: %1</translation>
    </message>
    <message>
        <source>Operatore: %1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>Ristampa del %1</source>
        <translation>Reprint of %1</translation>
    </message>
    <message>
        <source>La traccia di questa prova non si è potuta leggere dall&apos;archivio.</source>
        <translation>The trace of this test could not be read from the archive.</translation>
    </message>
    <message>
        <source>misurato: %1</source>
        <translation>measured: %1</translation>
    </message>
    <message>
        <source>parte: %1</source>
        <translation>part: %1</translation>
    </message>
    <message>
        <source>limiti: %1</source>
        <translation>limits: %1</translation>
    </message>
    <message>
        <source>Alimentazione dal canale %2: %1 mV; i livelli giudicati come a 5 V</source>
        <translation>Supply from channel %2: %1 mV; the levels judged as at 5 V</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>La pagina non ha potuto essere disegnata.</source>
        <translation>The page could not be drawn.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1 nella cartella %2: %3.</source>
        <translation>Cannot write the %1 file in the folder %2: %3.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1 %2: %3.</source>
        <translation>Cannot write the %1 file %2: %3.</translation>
    </message>
    <message>
        <source>Il file %1 è incompleto %2: %3.</source>
        <translation>The %1 file %2 is incomplete: %3.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1 %2: %3.</source>
        <translation>Cannot save the %1 file %2: %3.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1 nella cartella %2: %3.</source>
        <translation>Cannot save the %1 file in the folder %2: %3.</translation>
    </message>
</context>
<context>
    <name>QtPrintSurface</name>
    <message>
        <source>nessuna stampante (file PDF)</source>
        <translation>no printer (PDF file)</translation>
    </message>
    <message>
        <source>nessuna cartella</source>
        <translation>no folder</translation>
    </message>
</context>
<context>
    <name>ScaleSheet</name>
    <message>
        <source>BAR</source>
        <translation>BAR</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <source>mVolt</source>
        <translation>mVolt</translation>
    </message>
    <message>
        <source>SCALA</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>Linearità</source>
        <translation>Linearity</translation>
    </message>
    <message>
        <source>Scostamento</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Sensore: </source>
        <translation>Sensor: </translation>
    </message>
    <message>
        <source>Valore medio della scala:  </source>
        <translation>Average full scale:  </translation>
    </message>
    <message>
        <source>CONFORME</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>NON CONFORME</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>Ristampa del %1 della prova del %2</source>
        <translation>Reprint of %1 of the check of %2</translation>
    </message>
    <message>
        <source>Esito della prova: </source>
        <translation>Result of the check: </translation>
    </message>
    <message>
        <source>Sensore Denso</source>
        <translation>Denso sensor</translation>
    </message>
    <message>
        <source>Sensore Bosch/VDO/Delphi</source>
        <translation>Bosch/VDO/Delphi sensor</translation>
    </message>
    <message>
        <source>ADC a 12 bit</source>
        <translation>ADC 12 bit</translation>
    </message>
    <message>
        <source>ADC a 10 bit</source>
        <translation>ADC 10 bit</translation>
    </message>
    <message>
        <source>media automatica</source>
        <translation>automatic average</translation>
    </message>
    <message>
        <source>media manuale</source>
        <translation>manual average</translation>
    </message>
    <message>
        <source>zero %1 mV</source>
        <translation>zero %1 mV</translation>
    </message>
    <message>
        <source>Cliente: %1</source>
        <translation>Customer: %1</translation>
    </message>
    <message>
        <source>Veicolo: %1</source>
        <translation>Vehicle: %1</translation>
    </message>
    <message>
        <source>Commessa: %1</source>
        <translation>Job: %1</translation>
    </message>
    <message>
        <source>Operatore: %1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>Fondo scala nominale %1 bar</source>
        <translation>Nominal full scale %1 bar</translation>
    </message>
    <message>
        <source>%1: media %2 bar, entro ±%3 bar</source>
        <translation>%1: average %2 bar, within ±%3 bar</translation>
    </message>
    <message>
        <source>Senza esito: le letture o le impostazioni sono cambiate dopo l&apos;ultimo calcolo.</source>
        <translation>No result: the readings or the settings changed after the last computation.</translation>
    </message>
    <message>
        <source>Letture inserite a mano.</source>
        <translation>Readings typed by hand.</translation>
    </message>
    <message>
        <source>, n. di serie %1</source>
        <translation>, serial no. %1</translation>
    </message>
    <message>
        <source>taratura non indicata</source>
        <translation>calibration not given</translation>
    </message>
    <message>
        <source>TARATURA SCADUTA il %1</source>
        <translation>CALIBRATION EXPIRED on %1</translation>
    </message>
    <message>
        <source>taratura valida fino al %1</source>
        <translation>calibration valid until %1</translation>
    </message>
    <message>
        <source>del banco</source>
        <translation>of the bench</translation>
    </message>
    <message>
        <source>; le altre inserite a mano</source>
        <translation>; the others typed by hand</translation>
    </message>
    <message>
        <source>, con l&apos;intestazione dell&apos;officina di oggi</source>
        <translation>, under today&apos;s workshop heading</translation>
    </message>
    <message>
        <source>Certificato di prova del sensore di pressione rail</source>
        <translation>Rail pressure sensor test certificate</translation>
    </message>
    <message>
        <source>Certificato n. %1</source>
        <translation>Certificate no. %1</translation>
    </message>
    <message>
        <source>Tensione (mV)</source>
        <translation>Voltage (mV)</translation>
    </message>
    <message>
        <source>Pressione (bar)</source>
        <translation>Pressure (bar)</translation>
    </message>
    <message>
        <source>linea nominale a %1 bar</source>
        <translation>nominal line at %1 bar</translation>
    </message>
    <message>
        <source>lettura entro i limiti</source>
        <translation>reading within the limits</translation>
    </message>
    <message>
        <source>lettura fuori dai limiti</source>
        <translation>reading outside the limits</translation>
    </message>
    <message>
        <source>lettura dello zero</source>
        <translation>zero reading</translation>
    </message>
    <message>
        <source>lettura</source>
        <translation>reading</translation>
    </message>
    <message>
        <source>fascia della media %1 bar ±%2 bar</source>
        <translation>band of the average %1 bar ±%2 bar</translation>
    </message>
    <message>
        <source>Regola di decisione (versione %1): ogni riga entro linearità ±%2 % e scostamento ±%3 bar dalla media</source>
        <translation>Decision rule (version %1): each row within linearity ±%2 % and deviation ±%3 bar of the average</translation>
    </message>
    <message>
        <source>; la media entro ±%1 bar dal fondo scala nominale</source>
        <translation>; the average within ±%1 bar of the nominal full scale</translation>
    </message>
    <message>
        <source>; almeno %1 righe calcolate</source>
        <translation>; at least %1 rows computed</translation>
    </message>
    <message>
        <source>, una a %1 bar o più</source>
        <translation>, one at %1 bar or more</translation>
    </message>
    <message>
        <source>; una riga misurata e non calcolata non è conforme</source>
        <translation>; a row measured and not computed fails</translation>
    </message>
    <message>
        <source>%1 %2: %3 mV, non oltre i %4 mV sotto cui una lettura non si calcola</source>
        <translation>%1 %2: %3 mV, not above the %4 mV below which a reading is not computed</translation>
    </message>
    <message>
        <source>linearità %1 % oltre ±%2 %</source>
        <translation>linearity %1 % beyond ±%2 %</translation>
    </message>
    <message>
        <source>scostamento %1 bar oltre ±%2 bar</source>
        <translation>deviation %1 bar beyond ±%2 bar</translation>
    </message>
    <message>
        <source>riga %1: il valore ADC %2 supera %3</source>
        <translation>row %1: the ADC value %2 is above %3</translation>
    </message>
    <message>
        <source>divisione per zero</source>
        <translation>division by zero</translation>
    </message>
    <message>
        <source>Errore %1  %2</source>
        <translation>Error %1  %2</translation>
    </message>
    <message>
        <source>Senza esito: il calcolo non è andato a buon fine (%1).</source>
        <translation>No result: the computation did not go through (%1).</translation>
    </message>
    <message>
        <source>Senza esito: la media &quot;%1&quot; non si legge come numero.</source>
        <translation>No result: the average &quot;%1&quot; does not read as a number.</translation>
    </message>
    <message>
        <source>Senza esito: righe calcolate %1, la regola ne chiede almeno %2.</source>
        <translation>No result: rows computed %1, the rule asks for at least %2.</translation>
    </message>
    <message>
        <source>Senza esito: nessuna riga calcolata a %1 bar o più (metà del fondo scala nominale %2 bar).</source>
        <translation>No result: no row computed at %1 bar or more (half the nominal full scale of %2 bar).</translation>
    </message>
    <message>
        <source>anteprima</source>
        <translation>preview</translation>
    </message>
    <message>
        <source>Certificato n. %1 (copia)</source>
        <translation>Certificate no. %1 (copy)</translation>
    </message>
    <message>
        <source>%1: media %2 bar, fuori di ±%3 bar</source>
        <translation>%1: average %2 bar, beyond ±%3 bar</translation>
    </message>
    <message>
        <source>; il fondo scala più vicino è %1 bar</source>
        <translation>; the nearest full scale is %1 bar</translation>
    </message>
    <message>
        <source>%1 a %2 bar</source>
        <translation>%1 at %2 bar</translation>
    </message>
    <message>
        <source>riga %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>righe %1</source>
        <translation>rows %1</translation>
    </message>
    <message>
        <source>Letture dal multimetro %1 (%2), %3</source>
        <translation>Readings from the multimeter %1 (%2), %3</translation>
    </message>
    <message>
        <source>riga %1, %2 bar:</source>
        <translation>row %1, %2 bar:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Firma: </source>
        <translation>Signature: </translation>
    </message>
    <message>
        <source>prova del %1 · pagina 1 di 1</source>
        <translation>check of %1 · page 1 of 1</translation>
    </message>
    <message>
        <source>Foglio di prova</source>
        <translation>Check sheet</translation>
    </message>
</context>
<context>
    <name>TracePage</name>
    <message>
        <source>%1 mV (%2 bar)</source>
        <translation>%1 mV (%2 bar)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Tensione (mV)</source>
        <translation>Voltage (mV)</translation>
    </message>
    <message>
        <source>Pressione (bar)</source>
        <translation>Pressure (bar)</translation>
    </message>
    <message>
        <source>Tempo (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>nessuna lettura</source>
        <translation>no reading</translation>
    </message>
    <message>
        <source>minimo %1, massimo %2, media %3; letture: %4</source>
        <translation>minimum %1, maximum %2, mean %3; readings: %4</translation>
    </message>
    <message>
        <source>Segnale sotto 200 mV: filo del segnale interrotto o a massa, o sensore senza alimentazione.</source>
        <translation>Signal below 200 mV: the signal wire open or shorted to ground, or the sensor without supply.</translation>
    </message>
    <message>
        <source>Segnale sopra 4800 mV: filo del segnale sull&apos;alimentazione, o massa del sensore interrotta.</source>
        <translation>Signal above 4800 mV: the signal wire shorted to the supply, or the sensor&apos;s ground open.</translation>
    </message>
    <message>
        <source>Segnale oltre il limite di tensione della famiglia (%1 mV).</source>
        <translation>Signal beyond the family&apos;s voltage limit (%1 mV).</translation>
    </message>
    <message>
        <source>Traccia del sensore</source>
        <translation>Sensor trace</translation>
    </message>
    <message>
        <source>Sensore %1, fondo scala %2 bar, zero %3 mV</source>
        <translation>Sensor %1, full scale %2 bar, zero %3 mV</translation>
    </message>
    <message>
        <source>Dal %1, per %2</source>
        <translation>From %1, for %2</translation>
    </message>
    <message>
        <source>Multimetro: %1</source>
        <translation>Multimeter: %1</translation>
    </message>
    <message>
        <source>Traccia: %1</source>
        <translation>Trace: %1</translation>
    </message>
    <message>
        <source>Selezione da %1 a %2: %3</source>
        <translation>Selection from %1 to %2: %3</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Traccia</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>; le %1 letture più vecchie lasciate per stare nella memoria (la traccia ne tiene %2)</source>
        <translation>; the %1 oldest readings let go to stay within memory (the trace keeps %2)</translation>
    </message>
    <message>
        <source>nella selezione</source>
        <translation>in the selection</translation>
    </message>
    <message>
        <source>nella vista</source>
        <translation>in the view</translation>
    </message>
    <message>
        <source>Da %1 mV a %2 mV: il segnale non passa da un livello all&apos;altro %3.</source>
        <translation>From %1 mV to %2 mV: the signal does not pass from one level to the other %3.</translation>
    </message>
    <message>
        <source>Da %1 mV (passato a %2) a %3 mV (passato a %4) %5: %6, %7 bar/s</source>
        <translation>From %1 mV (passed at %2) to %3 mV (passed at %4) %5: %6, %7 bar/s</translation>
    </message>
</context>
<context>
    <name>ValueTable</name>
    <message>
        <source>Rapporto tra la pressione e la tensione di un sensore pressione con fondo scala a </source>
        <translation>Pressure against voltage of a pressure sensor with a full scale of </translation>
    </message>
    <message>
        <source> bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>MVolt</source>
        <translation>MVolt</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Tabella</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Sensore %1</source>
        <translation>Sensor %1</translation>
    </message>
    <message>
        <source>, zero in uso %1 mV (quello della famiglia: %2 mV)</source>
        <translation>, zero in use %1 mV (the family&apos;s own: %2 mV)</translation>
    </message>
</context>
<context>
    <name>Workshop</name>
    <message>
        <source>il file non c&apos;è</source>
        <translation>the file is not there</translation>
    </message>
    <message>
        <source>il file è troppo grande</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>il file non è un&apos;immagine PNG, JPEG o SVG</source>
        <translation>the file is not a PNG, JPEG or SVG picture</translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>tel. %1</source>
        <translation>tel. %1</translation>
    </message>
    <message>
        <source>l&apos;immagine è troppo grande (%1 × %2 pixel): ne basta una di 1200 × 300</source>
        <translation>the picture is too large (%1 × %2 pixels): one of 1200 × 300 is enough</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Tipo non corrispondente</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Made in BULGARIA</source>
        <translation>Made in BULGARIA</translation>
    </message>
    <message>
        <source>Made in CHINA</source>
        <translation>Made in CHINA</translation>
    </message>
    <message>
        <source>Made in MALAYSIA</source>
        <translation>Made in MALAYSIA</translation>
    </message>
    <message>
        <source>Made in MESSICO</source>
        <translation>Made in MEXICO</translation>
    </message>
    <message>
        <source>Made in POLONIA</source>
        <translation>Made in POLAND</translation>
    </message>
    <message>
        <source>Made in KOREA</source>
        <translation>Made in KOREA</translation>
    </message>
    <message>
        <source>Made in REP. DOMINICANA</source>
        <translation>Made in DOMINICAN REP.</translation>
    </message>
    <message>
        <source>Made in SCONOSCIUTO</source>
        <translation>Made in: UNKNOWN</translation>
    </message>
    <message>
        <source>per GPL</source>
        <translation>for LPG</translation>
    </message>
    <message>
        <source>per CNG (Metano)</source>
        <translation>for CNG (methane)</translation>
    </message>
</context>
<context>
    <name>dravino::Archive</name>
    <message>
        <source>Il driver SQLite di Qt non è installato (libqt6sql6-sqlite).</source>
        <translation>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dell&apos;archivio %1.</source>
        <translation>Cannot create the archive&apos;s folder %1.</translation>
    </message>
    <message>
        <source>Impossibile creare l&apos;archivio %1: %2.</source>
        <translation>Cannot create the archive %1: %2.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 è danneggiato e non si può spostare.</source>
        <translation>The archive %1 is damaged and cannot be moved aside.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 era danneggiato (%2): è stato spostato in %3 e ne è stato iniziato uno nuovo.</source>
        <translation>The archive %1 was damaged (%2): it was moved to %3 and a new one was started.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 è di una versione più recente di Dravino: è aperto in sola lettura e le prove nuove non vengono registrate.</source>
        <translation>The archive %1 is from a newer version of Dravino: it is open read-only and new checks are not recorded.</translation>
    </message>
    <message>
        <source>il driver PostgreSQL di Qt non è installato (libqt6sql6-psql)</source>
        <translation>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>il file o la sua cartella non si possono scrivere</source>
        <translation>the file or its folder cannot be written</translation>
    </message>
    <message>
        <source>è occupato da un altro programma</source>
        <translation>it is busy in another program</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul disco</source>
        <translation>a disk read or write error</translation>
    </message>
    <message>
        <source>è danneggiato</source>
        <translation>it is damaged</translation>
    </message>
    <message>
        <source>errore dell&apos;archivio</source>
        <translation>an archive error</translation>
    </message>
    <message>
        <source>rifiuta la connessione</source>
        <translation>refuses the connection</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>does not answer</translation>
    </message>
    <message>
        <source>non accetta l&apos;utente o la password</source>
        <translation>does not accept the user or the password</translation>
    </message>
    <message>
        <source>non ha il database indicato</source>
        <translation>has no such database</translation>
    </message>
    <message>
        <source>ha un nome sconosciuto</source>
        <translation>has an unknown name</translation>
    </message>
    <message>
        <source>ha chiuso la connessione</source>
        <translation>closed the connection</translation>
    </message>
    <message>
        <source>non si raggiunge</source>
        <translation>cannot be reached</translation>
    </message>
    <message>
        <source>il server dell&apos;archivio</source>
        <translation>the archive server</translation>
    </message>
    <message>
        <source>il server dell&apos;archivio %1</source>
        <translation>the archive server %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo del server dell&apos;archivio non è valido: si scrive postgresql://utente@server:porta/database</source>
        <translation>the archive server&apos;s address is not valid: it is written postgresql://user@server:port/database</translation>
    </message>
    <message>
        <source>Il file %1 non è un archivio di Dravino: non viene né letto né modificato.</source>
        <translation>The file %1 is not a Dravino archive: it is neither read nor changed.</translation>
    </message>
    <message>
        <source>l&apos;archivio non è stato aggiornato alla nuova versione (%1)</source>
        <translation>the archive was not updated to the new version (%1)</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 non si può aprire: %2.</source>
        <translation>The archive %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 non si può leggere: %2.</source>
        <translation>The archive %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>L&apos;archivio %1 si può solo leggere (%2): le prove nuove non vengono registrate.</source>
        <translation>The archive %1 can only be read (%2): new checks are not recorded.</translation>
    </message>
    <message>
        <source>%1 non è un archivio di Dravino: non viene né letto né modificato.</source>
        <translation>%1 is not a Dravino archive: it is neither read nor changed.</translation>
    </message>
    <message>
        <source>l&apos;archivio non è stato aggiornato alla nuova versione: la copia %1 non si può scrivere (%2)</source>
        <translation>the archive was not updated to the new version: the copy %1 cannot be written (%2)</translation>
    </message>
    <message>
        <source>%1 ha già una tabella checks che non è di Dravino</source>
        <translation>%1 already has a checks table that is not Dravino&apos;s</translation>
    </message>
    <message>
        <source>l&apos;archivio si può solo leggere</source>
        <translation>the archive can only be read</translation>
    </message>
    <message>
        <source>un archivio su file non numera i certificati</source>
        <translation>an archive file numbers no certificates</translation>
    </message>
    <message>
        <source>è un certificato emesso: non si cancella, si ritira</source>
        <translation>it is an issued certificate: it is not erased, it is withdrawn</translation>
    </message>
    <message>
        <source>non è più nell&apos;archivio</source>
        <translation>it is no longer in the archive</translation>
    </message>
    <message>
        <source>è già ritirato, o non è un certificato</source>
        <translation>it is withdrawn already, or is no certificate</translation>
    </message>
</context>
<context>
    <name>dravino::ArchiveModel</name>
    <message>
        <source>Data e ora</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Sensore</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Stampata su</source>
        <translation>Printed on</translation>
    </message>
    <message>
        <source>Cliente</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Veicolo</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <source>Commessa</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Denso</source>
        <translation>Denso</translation>
    </message>
    <message>
        <source>Bosch/VDO/Delphi</source>
        <translation>Bosch/VDO/Delphi</translation>
    </message>
    <message>
        <source>12 bit</source>
        <translation>12-bit</translation>
    </message>
    <message>
        <source>10 bit</source>
        <translation>10-bit</translation>
    </message>
    <message>
        <source>%1 (in attesa di invio all&apos;archivio)</source>
        <translation>%1 (waiting to be sent to the archive)</translation>
    </message>
    <message>
        <source>Conservata su questo banco: sarà inviata all&apos;archivio quando il server risponderà.</source>
        <translation>Kept on this bench: it will be sent to the archive when the server answers.</translation>
    </message>
    <message>
        <source>%1 (rifiutata dal server dell&apos;archivio: %2)</source>
        <translation>%1 (refused by the archive&apos;s server: %2)</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Certificato</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>CONFORME</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>NON CONFORME</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>Prova</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Ritirato il %1 da %2: %3</source>
        <translation>Withdrawn on %1 by %2: %3</translation>
    </message>
    <message>
        <source>%1, RITIRATO</source>
        <translation>%1, WITHDRAWN</translation>
    </message>
    <message>
        <source>taratura</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>scala</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>Sostituisce il certificato n. %1</source>
        <translation>Replaces certificate no. %1</translation>
    </message>
    <message>
        <source>NON VALUTABILE</source>
        <translation>NOT JUDGED</translation>
    </message>
    <message>
        <source>prova guidata</source>
        <translation>guided test</translation>
    </message>
</context>
<context>
    <name>dravino::ArchiveService</name>
    <message>
        <source>il server dell&apos;archivio %1 non risponde</source>
        <translation>the archive server %1 does not answer</translation>
    </message>
    <message>
        <source>l&apos;archivio %1 non risponde</source>
        <translation>the archive %1 does not answer</translation>
    </message>
    <message>
        <source>il server dell&apos;archivio non risponde</source>
        <translation>the archive server does not answer</translation>
    </message>
    <message>
        <source>le prove in attesa non si possono conservare su questo banco</source>
        <translation>waiting checks cannot be kept on this bench</translation>
    </message>
    <message>
        <source>non è più nell&apos;archivio</source>
        <translation>it is no longer in the archive</translation>
    </message>
    <message>
        <source>Il server dell&apos;archivio ha rifiutato la prova %1 del %2: %3. La prova resta conservata su questo banco; le altre sono inviate.</source>
        <translation>The archive&apos;s server refused the check %1 of %2: %3. The check stays kept on this bench; the others are sent.</translation>
    </message>
    <message>
        <source>l&apos;invio è stato interrotto</source>
        <translation>the sending was given up</translation>
    </message>
    <message>
        <source>l&apos;archivio non risponde</source>
        <translation>the archive does not answer</translation>
    </message>
</context>
<context>
    <name>dravino::ArchiveWindow</name>
    <message>
        <source>Archivio prove</source>
        <translation>Check archive</translation>
    </message>
    <message>
        <source>&amp;Codice:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>&amp;a</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>Dal giorno</source>
        <translation>From the day</translation>
    </message>
    <message>
        <source>Al giorno</source>
        <translation>To the day</translation>
    </message>
    <message>
        <source>Codice del sensore</source>
        <translation>Sensor code</translation>
    </message>
    <message>
        <source>Prove registrate</source>
        <translation>Recorded checks</translation>
    </message>
    <message>
        <source>&amp;Apri</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Esporta &amp;CSV...</source>
        <translation>Export &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;Elimina...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 del %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Prova</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Scala %1 %2</source>
        <translation>Scale %1 %2</translation>
    </message>
    <message>
        <source>BAR %1</source>
        <translation>BAR %1</translation>
    </message>
    <message>
        <source>ADC %1</source>
        <translation>ADC %1</translation>
    </message>
    <message>
        <source>mVolt %1</source>
        <translation>mVolt %1</translation>
    </message>
    <message>
        <source>SCALA %1</source>
        <translation>SCALE %1</translation>
    </message>
    <message>
        <source>Linearità %1</source>
        <translation>Linearity %1</translation>
    </message>
    <message>
        <source>Scostamento %1</source>
        <translation>Deviation %1</translation>
    </message>
    <message>
        <source>Prove salvate nel file CSV %1</source>
        <translation>Checks saved as CSV file %1</translation>
    </message>
    <message>
        <source>Eliminare la prova %1 del %2 dall&apos;archivio?</source>
        <translation>Delete the check %1 of %2 from the archive?</translation>
    </message>
    <message>
        <source>La prova non è stata eliminata: %1</source>
        <translation>The check was not deleted: %1</translation>
    </message>
    <message>
        <source>Ricerca in corso...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>L&apos;archivio non si può leggere: %1</source>
        <translation>The archive cannot be read: %1</translation>
    </message>
    <message>
        <source>Nessuna prova trovata.</source>
        <translation>No check found.</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Esporta &amp;foglio di calcolo (.xlsx)...</source>
        <translation>Export &amp;spreadsheet (.xlsx)...</translation>
    </message>
    <message>
        <source>la prova non c&apos;è più</source>
        <translation>the check is no longer there</translation>
    </message>
    <message>
        <source>Prove salvate nel foglio di calcolo %1</source>
        <translation>Checks saved as spreadsheet %1</translation>
    </message>
    <message>
        <source>&amp;Officina...</source>
        <translation>&amp;Workshop...</translation>
    </message>
    <message>
        <source>codice del sensore, cliente, veicolo, commessa, operatore o n. di certificato</source>
        <translation>sensor code, customer, vehicle, job, operator or certificate no.</translation>
    </message>
    <message>
        <source>tutte</source>
        <translation>all</translation>
    </message>
    <message>
        <source>conformi</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>non conformi</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>Esito delle prove</source>
        <translation>Result of the checks</translation>
    </message>
    <message>
        <source>Es&amp;ito:</source>
        <translation>&amp;Result:</translation>
    </message>
    <message>
        <source>Archivio sul server: %1</source>
        <translation>Archive on the server: %1</translation>
    </message>
    <message>
        <source>indirizzo non leggibile</source>
        <translation>address not readable</translation>
    </message>
    <message>
        <source>Archivio di questo banco: %1</source>
        <translation>This bench&apos;s archive: %1</translation>
    </message>
    <message>
        <source>S&amp;toria...</source>
        <translation>&amp;History...</translation>
    </message>
    <message>
        <source>Prove trovate: %1 (conformi %2, non conformi %3)</source>
        <translation>Checks found: %1 (passed %2, failed %3)</translation>
    </message>
    <message>
        <source>Invio delle prove di questo banco al server %1...</source>
        <translation>Sending this bench&apos;s checks to the server %1...</translation>
    </message>
    <message>
        <source>Le prove di questo banco non sono state inviate al server: %1</source>
        <translation>This bench&apos;s checks were not sent to the server: %1</translation>
    </message>
    <message numerus="yes">
        <source>L&apos;archivio di questo banco (%1) ha %Ln prove che l&apos;archivio sul server %2 può non avere. Inviarle al server? Ogni prova vi arriva una volta sola.</source>
        <translation>
            <numerusform>This bench&apos;s archive (%1) has %Ln check that the archive on the server %2 may not have. Send it to the server? It arrives there only once.</numerusform>
            <numerusform>This bench&apos;s archive (%1) has %Ln checks that the archive on the server %2 may not have. Send them to the server? Each check arrives there only once.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Prove di questo banco inviate al server %1: %2 (%Ln c&apos;erano già).</source>
        <translation>
            <numerusform>This bench&apos;s checks sent to the server %1: %2 (%Ln was already there).</numerusform>
            <numerusform>This bench&apos;s checks sent to the server %1: %2 (%Ln were already there).</numerusform>
        </translation>
    </message>
    <message>
        <source>Le prove scelte non sono ancora state lette tutte dall&apos;archivio: riprova tra un momento.</source>
        <translation>Not all the checks chosen have been read from the archive yet: try again in a moment.</translation>
    </message>
    <message>
        <source>Questa prova non ha il codice del sensore: non ha una storia.</source>
        <translation>This check has no sensor code: it has no history.</translation>
    </message>
    <message>
        <source>senza codice</source>
        <translation>no code</translation>
    </message>
    <message>
        <source>non ci sono più nell&apos;archivio</source>
        <translation>they are no longer in the archive</translation>
    </message>
    <message>
        <source> e altre %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>Delle %1 prove scelte l&apos;archivio non ha dato %2 (%3): %4. Non è stato fatto nulla.</source>
        <translation>Of the %1 checks chosen the archive did not give %2 (%3): %4. Nothing was done.</translation>
    </message>
    <message>
        <source>Fondo scala nominale (bar)</source>
        <translation>Nominal full scale (bar)</translation>
    </message>
    <message>
        <source>Scostamento ammesso (± bar)</source>
        <translation>Deviation allowed (± bar)</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Zero (mV)</source>
        <translation>Zero (mV)</translation>
    </message>
    <message>
        <source>Regola di decisione</source>
        <translation>Decision rule</translation>
    </message>
    <message>
        <source>automatica</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>manuale</source>
        <translation>manual</translation>
    </message>
    <message>
        <source>versione %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Anche i &amp;ritirati</source>
        <translation>&amp;Also withdrawn</translation>
    </message>
    <message>
        <source>Elenca anche i certificati ritirati, in grigio</source>
        <translation>Lists withdrawn certificates too, in grey</translation>
    </message>
    <message>
        <source>Cancella una prova senza certificato; un certificato emesso si ritira e resta nell&apos;archivio</source>
        <translation>Erases a check without a certificate; an issued certificate is withdrawn and stays in the archive</translation>
    </message>
    <message>
        <source>Corre&amp;ggi...</source>
        <translation>Corr&amp;ect...</translation>
    </message>
    <message>
        <source>Riapre la taratura per un certificato nuovo che sostituisce questo</source>
        <translation>Opens the calibration again for a new certificate that replaces this one</translation>
    </message>
    <message>
        <source>Taratura %1 %2</source>
        <translation>Calibration %1 %2</translation>
    </message>
    <message>
        <source>Il certificato n. %1 è già ritirato. %2</source>
        <translation>Certificate no. %1 is withdrawn already. %2</translation>
    </message>
    <message>
        <source>Il certificato n. %1 (%2 del %3) non si cancella: si ritira e resta nell&apos;archivio, segnato come ritirato. Perché lo ritiri?</source>
        <translation>Certificate no. %1 (%2 of %3) is not erased: it is withdrawn and stays in the archive, marked withdrawn. Why is it withdrawn?</translation>
    </message>
    <message>
        <source>Ritira il certificato</source>
        <translation>Withdraw the certificate</translation>
    </message>
    <message>
        <source>Senza un motivo il certificato non si ritira.</source>
        <translation>Without a reason the certificate is not withdrawn.</translation>
    </message>
    <message>
        <source>Il certificato n. %1 è ritirato: resta nell&apos;archivio (Anche i ritirati lo elenca).</source>
        <translation>Certificate no. %1 is withdrawn: it stays in the archive (Also withdrawn lists it).</translation>
    </message>
    <message>
        <source>Il certificato n. %1 non è stato ritirato: %2</source>
        <translation>Certificate no. %1 was not withdrawn: %2</translation>
    </message>
    <message>
        <source>Ritirato</source>
        <translation>Withdrawn</translation>
    </message>
    <message>
        <source>Sostituisce il certificato</source>
        <translation>Replaces certificate</translation>
    </message>
    <message>
        <source>%1, versione %2, %3, errore ±%4 %</source>
        <translation>%1, version %2, %3, error ±%4 %</translation>
    </message>
    <message>
        <source>banda di guardia w = U</source>
        <translation>guard band w = U</translation>
    </message>
    <message>
        <source>accettazione semplice</source>
        <translation>simple acceptance</translation>
    </message>
    <message>
        <source>Prova guidata %1 %2</source>
        <translation>Guided test %1 %2</translation>
    </message>
</context>
<context>
    <name>dravino::Calibration</name>
    <message>
        <source>Dravino TAR-1: confronto con un riferimento di pressione, salita e discesa</source>
        <translation>Dravino TAR-1: comparison with a pressure reference, rising and falling</translation>
    </message>
    <message>
        <source>Dravino taratura</source>
        <translation>Dravino calibration</translation>
    </message>
</context>
<context>
    <name>dravino::CalibrationPlot</name>
    <message>
        <source>Errori della taratura</source>
        <translation>Errors of the calibration</translation>
    </message>
</context>
<context>
    <name>dravino::CalibrationWindow</name>
    <message>
        <source>&quot;%1&quot; non è un numero</source>
        <translation>&quot;%1&quot; is no number</translation>
    </message>
    <message>
        <source>%1 % è fuori da 0–100 %</source>
        <translation>%1 % is outside 0–100 %</translation>
    </message>
    <message>
        <source>i punti vanno scritti crescenti, senza ripeterne uno</source>
        <translation>the points are written rising, none twice</translation>
    </message>
    <message>
        <source>ci vogliono da 3 a 11 punti (ne sono scritti %1)</source>
        <translation>3 to 11 points are needed (%1 are written)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è una lettura: scrivi un numero.</source>
        <translation>&quot;%1&quot; is no reading: type a number.</translation>
    </message>
    <message>
        <source>%1 non è un conteggio del convertitore a %2 bit (da 0 a %3).</source>
        <translation>%1 is no count of the %2-bit converter (0 to %3).</translation>
    </message>
    <message>
        <source>%1 mV è fuori dall&apos;uscita di un sensore alimentato a 5 V (da 0 a 5000 mV).</source>
        <translation>%1 mV is outside the output of a sensor on a 5 V supply (0 to 5000 mV).</translation>
    </message>
    <message>
        <source>Il multimetro legge %1 V: non è l&apos;uscita di un sensore alimentato a 5 V.</source>
        <translation>The multimeter reads %1 V: it is not the output of a sensor on a 5 V supply.</translation>
    </message>
    <message>
        <source>Certificato di taratura</source>
        <translation>Calibration certificate</translation>
    </message>
    <message>
        <source>salita</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>discesa</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>come trovato</source>
        <translation>as found</translation>
    </message>
    <message>
        <source>come lasciato</source>
        <translation>as left</translation>
    </message>
    <message>
        <source>Letture mancanti nel giro %3: %1 su %2 (la prima: ciclo %4, %5, %6 bar). Senza ogni lettura non c&apos;è esito né certificato.</source>
        <translation>Readings missing in the %3 run: %1 of %2 (the first: cycle %4, %5, %6 bar). Without every reading there is no verdict and no certificate.</translation>
    </message>
    <message>
        <source>Nessun riferimento di pressione scelto: il certificato deve dire da dove vengono le pressioni. Sceglilo, o aggiungilo con Riferimenti...</source>
        <translation>No pressure reference chosen: the certificate must say where the pressures came from. Choose it, or add it with References...</translation>
    </message>
    <message>
        <source>Il riferimento %1 non ha un&apos;incertezza maggiore di zero: correggilo con Riferimenti...</source>
        <translation>The reference %1 has no uncertainty above zero: put it right with References...</translation>
    </message>
    <message>
        <source>Il campo del riferimento %1 (%2 bar) è sotto il fondo scala nominale di %3 bar: non arriva ai punti alti.</source>
        <translation>The range of the reference %1 (%2 bar) is below the nominal full scale of %3 bar: it does not reach the high points.</translation>
    </message>
    <message>
        <source>Scrivi il codice del sensore: il certificato dice quale sensore è stato tarato.</source>
        <translation>Type the sensor&apos;s code: the certificate says which sensor was calibrated.</translation>
    </message>
    <message>
        <source>Scrivi il nome dell&apos;operatore: il certificato lo stampa sopra la firma.</source>
        <translation>Type the operator&apos;s name: the certificate prints it above the signature.</translation>
    </message>
    <message>
        <source>La taratura del riferimento %1 è scaduta il %2: il certificato lo dice.</source>
        <translation>The calibration of the reference %1 expired on %2: the certificate says so.</translation>
    </message>
    <message>
        <source>Il riferimento %1 non ha una data di scadenza della taratura: il certificato lo dice.</source>
        <translation>The reference %1 has no calibration due date: the certificate says so.</translation>
    </message>
    <message>
        <source>La taratura del multimetro è scaduta il %1: il certificato lo dice.</source>
        <translation>The multimeter&apos;s calibration expired on %1: the certificate says so.</translation>
    </message>
    <message>
        <source>Il rapporto tra il limite dell&apos;errore e l&apos;incertezza del riferimento (TUR) è %1 : 1, sotto 4 : 1: il certificato lo dice.</source>
        <translation>The ratio of the error&apos;s limit to the reference&apos;s uncertainty (TUR) is %1 : 1, below 4 : 1: the certificate says so.</translation>
    </message>
    <message>
        <source>Taratura %1 %2</source>
        <translation>Calibration %1 %2</translation>
    </message>
    <message>
        <source>Il certificato non ha avuto un numero (%1): non è stato stampato.</source>
        <translation>The certificate got no number (%1): it was not printed.</translation>
    </message>
    <message>
        <source>Taratura del sensore</source>
        <translation>Sensor calibration</translation>
    </message>
    <message>
        <source>%1 bar</source>
        <translation>%1 bar</translation>
    </message>
    <message>
        <source>mV (multimetro)</source>
        <translation>mV (multimeter)</translation>
    </message>
    <message>
        <source>conteggi ADC a 10 bit</source>
        <translation>10-bit ADC counts</translation>
    </message>
    <message>
        <source>conteggi ADC a 12 bit</source>
        <translation>12-bit ADC counts</translation>
    </message>
    <message>
        <source>Da 3 a 11 punti, in % del fondo scala nominale, crescenti: la discesa li ripete dall&apos;alto</source>
        <translation>3 to 11 points, in % of the nominal full scale, rising: the falling sweep repeats them from the top</translation>
    </message>
    <message>
        <source>facoltativa</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Riferim&amp;enti...</source>
        <translation>Refer&amp;ences...</translation>
    </message>
    <message>
        <source>accettazione semplice</source>
        <translation>simple acceptance</translation>
    </message>
    <message>
        <source>banda di guardia w = U</source>
        <translation>guard band w = U</translation>
    </message>
    <message>
        <source>ILAC-G8: con la banda di guardia un risultato entro U dal limite è conforme o non conforme condizionato</source>
        <translation>ILAC-G8: with the guard band a result within U of the limit is a conditional pass or fail</translation>
    </message>
    <message>
        <source>Li&amp;miti...</source>
        <translation>Li&amp;mits...</translation>
    </message>
    <message>
        <source>&amp;Famiglia:</source>
        <translation>&amp;Family:</translation>
    </message>
    <message>
        <source>Fondo &amp;scala:</source>
        <translation>Fu&amp;ll scale:</translation>
    </message>
    <message>
        <source>Lett&amp;ure in:</source>
        <translation>Readings &amp;in:</translation>
    </message>
    <message>
        <source>&amp;Punti (%):</source>
        <translation>&amp;Points (%):</translation>
    </message>
    <message>
        <source>&amp;Cicli:</source>
        <translation>&amp;Cycles:</translation>
    </message>
    <message>
        <source>Se&amp;nsore:</source>
        <translation>&amp;Sensor:</translation>
    </message>
    <message>
        <source>&amp;Operatore:</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>&amp;Temperatura °C:</source>
        <translation>&amp;Temperature °C:</translation>
    </message>
    <message>
        <source>&amp;Riferimento:</source>
        <translation>&amp;Reference:</translation>
    </message>
    <message>
        <source>Re&amp;gola:</source>
        <translation>R&amp;ule:</translation>
    </message>
    <message>
        <source>Come tro&amp;vato</source>
        <translation>As foun&amp;d</translation>
    </message>
    <message>
        <source>Come &amp;lasciato</source>
        <translation>&amp;As left</translation>
    </message>
    <message>
        <source>Intervento sul sensore</source>
        <translation>Work on the sensor</translation>
    </message>
    <message>
        <source>nessun intervento: solo come trovato</source>
        <translation>none: as found only</translation>
    </message>
    <message>
        <source>dopo la regolazione</source>
        <translation>after adjustment</translation>
    </message>
    <message>
        <source>sensore sostituito</source>
        <translation>sensor replaced</translation>
    </message>
    <message>
        <source>Letture</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Intervento:</source>
        <translation>Work:</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Leggi dal multimetro (F9)</source>
        <translation>Read from the multimeter (F9)</translation>
    </message>
    <message>
        <source>&amp;Anteprima...</source>
        <translation>Previe&amp;w...</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salva P&amp;DF...</source>
        <translation>Sa&amp;ve PDF...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>La temperatura &quot;%1&quot; non va: scrivi i gradi Celsius della stanza, da -40 a 80, o lasciala vuota.</source>
        <translation>The temperature &quot;%1&quot; does not do: type the room&apos;s degrees Celsius, -40 to 80, or leave it empty.</translation>
    </message>
    <message>
        <source>nessuno scelto</source>
        <translation>none chosen</translation>
    </message>
    <message>
        <source> (taratura scaduta)</source>
        <translation> (calibration expired)</translation>
    </message>
    <message>
        <source>Correzione: il nuovo certificato sostituisce il n. %1.</source>
        <translation>Correction: the new certificate replaces no. %1.</translation>
    </message>
    <message>
        <source>I punti &quot;%1&quot; non vanno: %2.</source>
        <translation>The points &quot;%1&quot; do not do: %2.</translation>
    </message>
    <message>
        <source>Con il piano nuovo alcune letture già prese non valgono più e vanno perse. Cambiare il piano?</source>
        <translation>With the new plan some readings already taken no longer hold and are lost. Change the plan?</translation>
    </message>
    <message>
        <source>Letture dal convertitore della centralina: nessun multimetro nel bilancio.</source>
        <translation>Readings from the control unit&apos;s converter: no multimeter in the budget.</translation>
    </message>
    <message>
        <source>Multimetro %1: ±(%2 % + %3 cifre), risoluzione %4 mV (Strumento... F8)</source>
        <translation>Multimeter %1: ±(%2 % + %3 digits), resolution %4 mV (Instrument... F8)</translation>
    </message>
    <message>
        <source>non scelto</source>
        <translation>not chosen</translation>
    </message>
    <message>
        <source>Errore massimo</source>
        <translation>Largest error</translation>
    </message>
    <message>
        <source>letture mancanti</source>
        <translation>readings missing</translation>
    </message>
    <message>
        <source>Isteresi</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <source>Ripetibilità</source>
        <translation>Repeatability</translation>
    </message>
    <message>
        <source>un solo ciclo</source>
        <translation>one cycle only</translation>
    </message>
    <message>
        <source>Linearità terminale</source>
        <translation>Terminal linearity</translation>
    </message>
    <message>
        <source>Linearità BFSL</source>
        <translation>Best-fit linearity</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Campo</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Incertezza estesa più grande: U = %1 bar a %2 bar</source>
        <translation>Largest expanded uncertainty: U = %1 bar at %2 bar</translation>
    </message>
    <message>
        <source>Nessun riferimento di pressione scelto.</source>
        <translation>No pressure reference chosen.</translation>
    </message>
    <message>
        <source>TUR %1 : 1, sotto 4 : 1</source>
        <translation>TUR %1 : 1, below 4 : 1</translation>
    </message>
    <message>
        <source>TUR %1 : 1</source>
        <translation>TUR %1 : 1</translation>
    </message>
    <message>
        <source>Risultato (% del campo)</source>
        <translation>Result (% of span)</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Limite</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Senza esito %1: letture mancanti %2 su %3.</source>
        <translation>No verdict %1: readings missing %2 of %3.</translation>
    </message>
    <message>
        <source>Esito %1: %2</source>
        <translation>Result %1: %2</translation>
    </message>
    <message>
        <source>La lettura del multimetro è arrivata dopo un cambio del piano o del giro: non è stata inserita.</source>
        <translation>The multimeter&apos;s reading came after the plan or the run changed: it was not put in.</translation>
    </message>
    <message>
        <source>Multimetro</source>
        <translation>Multimeter</translation>
    </message>
    <message>
        <source>Letture o risultati</source>
        <translation>Readings or results</translation>
    </message>
</context>
<context>
    <name>dravino::Certificates</name>
    <message>
        <source>il contatore dei certificati %1 non si può scrivere (%2)</source>
        <translation>the certificate counter %1 cannot be written (%2)</translation>
    </message>
    <message>
        <source>la cartella non si può creare</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>è tenuto da un altro programma</source>
        <translation>another program holds it</translation>
    </message>
</context>
<context>
    <name>dravino::CheckRecorder</name>
    <message>
        <source>%1, in attesa</source>
        <translation>%1, held</translation>
    </message>
    <message>
        <source>stampante predefinita</source>
        <translation>default printer</translation>
    </message>
    <message>
        <source>%1 (lavoro %2), non confermata</source>
        <translation>%1 (job %2), not confirmed</translation>
    </message>
    <message>
        <source>%1, non confermata</source>
        <translation>%1, not confirmed</translation>
    </message>
    <message>
        <source>non stampata</source>
        <translation>not printed</translation>
    </message>
    <message>
        <source>Archivio prove</source>
        <translation>Check archive</translation>
    </message>
    <message>
        <source>Questa prova non è ancora confermata dall&apos;archivio (%1): sarà verificata quando l&apos;archivio risponderà.</source>
        <translation>This check is not confirmed by the archive yet (%1): it will be checked when the archive answers.</translation>
    </message>
    <message>
        <source>Questa prova non è stata registrata nell&apos;archivio: %1</source>
        <translation>This check was not recorded in the archive: %1</translation>
    </message>
    <message>
        <source>Questa prova è conservata su questo banco e sarà inviata all&apos;archivio quando il server risponderà%1.</source>
        <translation>This check is kept on this bench and will be sent to the archive when the server answers%1.</translation>
    </message>
    <message>
        <source>L&apos;archivio non ha registrato dove è andata la pagina di questa prova (%1): %2</source>
        <translation>The archive did not record where this check&apos;s page went (%1): %2</translation>
    </message>
    <message>
        <source>L&apos;archivio è di una versione più recente di Dravino e questo banco può solo leggerlo: questa prova resta conservata su questo banco.</source>
        <translation>The archive is from a newer Dravino and this bench may only read it: this check stays kept on this bench.</translation>
    </message>
</context>
<context>
    <name>dravino::CommandLine</name>
    <message>
        <source>Uso: dravino [--lang it|en]
Calcolatore per i sensori di pressione rail dei sistemi common-rail.

  --lang it|en   la lingua della finestra (altrimenti quella del desktop)
  --version      mostra la versione ed esce
  --help         mostra questo aiuto ed esce
</source>
        <translation>Usage: dravino [--lang it|en]
Calculator for the rail-pressure sensors of common-rail systems.

  --lang it|en   the window&apos;s language (otherwise the desktop&apos;s)
  --version      print the version and exit
  --help         print this help and exit
</translation>
    </message>
    <message>
        <source>dravino: lingua sconosciuta: &apos;%1&apos; (si può scegliere it o en)</source>
        <translation>dravino: unknown language: &apos;%1&apos; (choose it or en)</translation>
    </message>
</context>
<context>
    <name>dravino::GuidedLimitsDialog</name>
    <message>
        <source>Limiti per veicolo</source>
        <translation>Limits per vehicle</translation>
    </message>
    <message>
        <source>&amp;Zero a chiave inserita (mV):</source>
        <translation>&amp;Zero with the key on (mV):</translation>
    </message>
    <message>
        <source>Tolleranza dello zero (± mV):</source>
        <translation>Zero&apos;s tolerance (± mV):</translation>
    </message>
    <message>
        <source>Alimentazione da (mV):</source>
        <translation>Supply from (mV):</translation>
    </message>
    <message>
        <source>Alimentazione a (mV):</source>
        <translation>Supply to (mV):</translation>
    </message>
    <message>
        <source>Avviamento: al minimo entro (ms):</source>
        <translation>Cranking: at idle within (ms):</translation>
    </message>
    <message>
        <source>&amp;Minimo da (mV):</source>
        <translation>&amp;Idle from (mV):</translation>
    </message>
    <message>
        <source>Minimo a (mV):</source>
        <translation>Idle to (mV):</translation>
    </message>
    <message>
        <source>&amp;Ondulazione al minimo fino a (mV):</source>
        <translation>&amp;Ripple at idle up to (mV):</translation>
    </message>
    <message>
        <source>&amp;Picco del colpo almeno (mV):</source>
        <translation>&amp;Peak of the snap at least (mV):</translation>
    </message>
    <message>
        <source>&amp;Caduta del segnale oltre (mV):</source>
        <translation>Signal &amp;drop over (mV):</translation>
    </message>
    <message>
        <source>... in (ms):</source>
        <translation>... within (ms):</translation>
    </message>
    <message>
        <source>Chiave disinserita: allo zero entro (ms):</source>
        <translation>Key off: at the zero within (ms):</translation>
    </message>
    <message>
        <source>Sensore %1. Un campo vuoto è il limite generico della famiglia, scritto in grigio.</source>
        <translation>Sensor %1. An empty field is the family&apos;s generic limit, written in grey.</translation>
    </message>
    <message>
        <source>Veicolo o motore</source>
        <translation>Vehicle or engine</translation>
    </message>
    <message>
        <source>&amp;Veicolo o motore:</source>
        <translation>&amp;Vehicle or engine:</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>De&amp;lete</translation>
    </message>
    <message>
        <source>Scrivi il veicolo o il motore di questi limiti: la prova li sceglie dal nome del veicolo.</source>
        <translation>Type the vehicle or engine of these limits: the test picks them by the vehicle&apos;s name.</translation>
    </message>
    <message>
        <source>Il limite &quot;%1&quot; non va: scrivi un numero da 0 a 100000, o lascia il campo vuoto per quello generico.</source>
        <translation>The limit &quot;%1&quot; will not do: type a number from 0 to 100000, or leave the field empty for the generic one.</translation>
    </message>
    <message>
        <source>deve essere maggiore di zero</source>
        <translation>must be above zero</translation>
    </message>
    <message>
        <source>la banda è rovesciata o non lascia posto tra lo zero, il minimo e il picco</source>
        <translation>the band is upside down or leaves no room between the zero, idle and the peak</translation>
    </message>
    <message>
        <source>è fuori campo</source>
        <translation>is out of range</translation>
    </message>
    <message>
        <source>Con questi limiti la prova non potrebbe giudicare: %1 %2.</source>
        <translation>With these limits the test could not judge: %1 %2.</translation>
    </message>
    <message>
        <source>I limiti non si possono salvare: il file delle impostazioni non si può scrivere.</source>
        <translation>The limits cannot be saved: the settings file cannot be written.</translation>
    </message>
    <message>
        <source>Eliminare i limiti per %1? Le prove già registrate tengono i limiti con cui sono state giudicate.</source>
        <translation>Delete the limits for %1? The tests already recorded keep the limits they were judged by.</translation>
    </message>
</context>
<context>
    <name>dravino::GuidedTestWindow</name>
    <message>
        <source>Prova guidata del sensore</source>
        <translation>Guided sensor test</translation>
    </message>
    <message>
        <source>Sul veicolo, con la traccia (F7) in lettura o una traccia aperta da un file: chiave inserita a motore spento, avviamento, minimo, un colpo di acceleratore, chiave disinserita fino allo zero; poi Valuta.</source>
        <translation>On the vehicle, with the trace (F7) reading or a trace opened from a file: key on engine off, cranking, idle, a snap of the throttle, key off down to the zero; then Judge.</translation>
    </message>
    <message>
        <source>Passi della prova</source>
        <translation>Steps of the test</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Limiti</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Parte della traccia</source>
        <translation>Part of the trace</translation>
    </message>
    <message>
        <source>Misurato</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>&amp;Valuta</source>
        <translation>&amp;Judge</translation>
    </message>
    <message>
        <source>Giudica la traccia com&apos;è ora</source>
        <translation>Judges the trace as it is now</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Prova guidata %1</source>
        <translation>Guided test %1</translation>
    </message>
    <message>
        <source>Prova guidata %1 %2</source>
        <translation>Guided test %1 %2</translation>
    </message>
    <message>
        <source>Limiti &amp;per veicolo...</source>
        <translation>Limits per v&amp;ehicle...</translation>
    </message>
    <message>
        <source>I limiti dell&apos;officina per un veicolo o un motore</source>
        <translation>The workshop&apos;s limits for a vehicle or an engine</translation>
    </message>
    <message>
        <source>non misurata</source>
        <translation>not measured</translation>
    </message>
    <message>
        <source>V&amp;eicolo:</source>
        <translation>&amp;Vehicle:</translation>
    </message>
    <message>
        <source>Si&amp;gla del sensore:</source>
        <translation>Sensor &amp;code:</translation>
    </message>
    <message>
        <source>&amp;Limiti:</source>
        <translation>&amp;Limits:</translation>
    </message>
    <message>
        <source>&amp;Alimentazione (mV):</source>
        <translation>&amp;Supply (mV):</translation>
    </message>
    <message>
        <source>&amp;Sposta la parte</source>
        <translation>&amp;Move the part</translation>
    </message>
    <message>
        <source>Giudica il passo scelto sulla parte della traccia scritta qui</source>
        <translation>Judges the chosen step on the part of the trace written here</translation>
    </message>
    <message>
        <source>&amp;Trova la parte</source>
        <translation>&amp;Find the part</translation>
    </message>
    <message>
        <source>Il passo scelto di nuovo sulla parte che il programma trova</source>
        <translation>The chosen step again on the part the program finds</translation>
    </message>
    <message>
        <source>Parte del passo scelto, &amp;da:</source>
        <translation>The chosen step&apos;s part, f&amp;rom:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sta&amp;mpa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Stampa il rapporto della prova e la registra nell&apos;archivio</source>
        <translation>Prints the test&apos;s report and records it in the archive</translation>
    </message>
    <message>
        <source>L&apos;alimentazione &quot;%1&quot; non è un numero di mV: il passo resta saltato.</source>
        <translation>The supply &quot;%1&quot; is not a number of mV: the step stays skipped.</translation>
    </message>
    <message>
        <source>%1 (parte spostata)</source>
        <translation>%1 (part moved)</translation>
    </message>
    <message>
        <source>Scrivi dove comincia e dove finisce la parte, in secondi dall&apos;inizio della traccia (la fine dopo l&apos;inizio).</source>
        <translation>Type where the part begins and ends, in seconds from the start of the trace (the end after the beginning).</translation>
    </message>
    <message>
        <source>La traccia non ha letture: non c&apos;è nessuna prova da stampare.</source>
        <translation>The trace has no readings: there is no test to print.</translation>
    </message>
    <message>
        <source>fin&amp;o a:</source>
        <translation>&amp;to:</translation>
    </message>
    <message>
        <source>Misurata con il multimetro al piedino di alimentazione del sensore, a chiave inserita; vuota, quella del secondo canale dell&apos;oscilloscopio, dove ce n&apos;è uno (Strumento, F8)</source>
        <translation>Measured with the multimeter at the sensor&apos;s supply pin, key on; empty, the oscilloscope&apos;s second channel&apos;s, where there is one (Instrument, F8)</translation>
    </message>
    <message>
        <source>%1 mV dal canale %2</source>
        <translation>%1 mV from channel %2</translation>
    </message>
</context>
<context>
    <name>dravino::InstrumentDialog</name>
    <message>
        <source>Strumento</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Driver del multimetro</source>
        <translation>Multimeter&apos;s driver</translation>
    </message>
    <message>
        <source>ricerca dei driver...</source>
        <translation>looking for drivers...</translation>
    </message>
    <message>
        <source>Connessione</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0, tcp-raw/192.168.1.50/5025, vuoto per USB</source>
        <translation>/dev/ttyUSB0, tcp-raw/192.168.1.50/5025, empty for USB</translation>
    </message>
    <message>
        <source>&amp;Cerca</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Multimetri trovati</source>
        <translation>Multimeters found</translation>
    </message>
    <message>
        <source>Multimetro scelto</source>
        <translation>Multimeter chosen</translation>
    </message>
    <message>
        <source>&amp;Prova una lettura</source>
        <translation>&amp;Try a reading</translation>
    </message>
    <message>
        <source>&amp;Driver:</source>
        <translation>&amp;Driver:</translation>
    </message>
    <message>
        <source>C&amp;onnessione:</source>
        <translation>C&amp;onnection:</translation>
    </message>
    <message>
        <source>&amp;Trovati:</source>
        <translation>&amp;Found:</translation>
    </message>
    <message>
        <source>&amp;Multimetro:</source>
        <translation>&amp;Multimeter:</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ricerca dei multimetri...</source>
        <translation>Looking for multimeters...</translation>
    </message>
    <message>
        <source>Nessun multimetro trovato%1.</source>
        <translation>No multimeter found%1.</translation>
    </message>
    <message>
        <source>Multimetri trovati: %1</source>
        <translation>Multimeters found: %1</translation>
    </message>
    <message>
        <source>Lettura in corso...</source>
        <translation>Reading...</translation>
    </message>
    <message>
        <source>Lettura: %1 V DC</source>
        <translation>Reading: %1 V DC</translation>
    </message>
    <message>
        <source>Nessun multimetro ha risposto entro %1 s.</source>
        <translation>No multimeter answered within %1 s.</translation>
    </message>
    <message>
        <source>Il multimetro non misura tensione continua (misura %1): mettilo su V DC.</source>
        <translation>The multimeter does not measure DC voltage (it measures %1): set it to V DC.</translation>
    </message>
    <message>
        <source>Il multimetro misura la tensione in %1, non in volt.</source>
        <translation>The multimeter measures the voltage in %1, not in volts.</translation>
    </message>
    <message>
        <source>Il multimetro è fuori scala (OL): la tensione è oltre la sua portata.</source>
        <translation>The multimeter is out of range (OL): the voltage is beyond its range.</translation>
    </message>
    <message>
        <source>Il multimetro %1 non si può usare: la libreria libsigrok installata non ha il driver %2.</source>
        <translation>The multimeter %1 cannot be used: the installed libsigrok has no driver %2.</translation>
    </message>
    <message>
        <source>Il multimetro %1 non si trova: è collegato e acceso?</source>
        <translation>The multimeter %1 is not found: is it connected and switched on?</translation>
    </message>
    <message>
        <source>Il multimetro %1 non risponde.</source>
        <translation>The multimeter %1 does not answer.</translation>
    </message>
    <message>
        <source>Il multimetro %1 non si può leggere.</source>
        <translation>The multimeter %1 cannot be read.</translation>
    </message>
    <message>
        <source>Il multimetro %1 non si può leggere (%2).</source>
        <translation>The multimeter %1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>Nessun driver di multimetro: %1.</source>
        <translation>No multimeter driver: %1.</translation>
    </message>
    <message>
        <source>Il multimetro %1 non si può leggere ora: è in corso una ricerca di multimetri (Strumento...). Riprova al suo termine.</source>
        <translation>The multimeter %1 cannot be read now: a search for multimeters is under way (Instrument...). Try again when it ends.</translation>
    </message>
    <message>
        <source>Il multimetro scelto non si può salvare: il file delle impostazioni %1 non si può scrivere.</source>
        <translation>The multimeter chosen cannot be kept: the settings file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Taratura valida fino al</source>
        <translation>Calibration valid until</translation>
    </message>
    <message>
        <source>%1, vuoto se non indicata</source>
        <translation>%1, empty if not given</translation>
    </message>
    <message>
        <source>T&amp;aratura valida fino al:</source>
        <translation>&amp;Calibration valid until:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è una data: scrivi la scadenza della taratura come %2, o lasciala vuota.</source>
        <translation>&quot;%1&quot; is not a date: write the calibration&apos;s expiry as %2, or leave it empty.</translation>
    </message>
    <message>
        <source>Accuratezza in % della lettura</source>
        <translation>Accuracy in % of reading</translation>
    </message>
    <message>
        <source>Accuratezza in cifre</source>
        <translation>Accuracy in digits</translation>
    </message>
    <message>
        <source>Risoluzione in mV</source>
        <translation>Resolution in mV</translation>
    </message>
    <message>
        <source>% della lettura +</source>
        <translation>% of reading +</translation>
    </message>
    <message>
        <source>cifre), &amp;risoluzione</source>
        <translation>digits), &amp;resolution</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Acc&amp;uratezza:</source>
        <translation>Acc&amp;uracy:</translation>
    </message>
    <message>
        <source>La risoluzione &quot;%1&quot; non va: scrivi i mV dell&apos;ultima cifra, un numero maggiore di zero.</source>
        <translation>The resolution &quot;%1&quot; does not do: type the mV of the last digit, a number above zero.</translation>
    </message>
    <message>
        <source>L&apos;accuratezza &quot;%1&quot; non va: scrivi un numero, zero o più.</source>
        <translation>The accuracy &quot;%1&quot; does not do: type a number, zero or more.</translation>
    </message>
    <message>
        <source>Numero del certificato di taratura</source>
        <translation>Calibration certificate number</translation>
    </message>
    <message>
        <source>Certificato di taratura &amp;n.:</source>
        <translation>Calibration certificate &amp;no.:</translation>
    </message>
    <message>
        <source>Canale dell&apos;oscilloscopio</source>
        <translation>Oscilloscope channel</translation>
    </message>
    <message>
        <source>CH1, A0; vuoto per un multimetro</source>
        <translation>CH1, A0; empty for a multimeter</translation>
    </message>
    <message>
        <source>Frequenza di campionamento</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Sonda</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>L&apos;oscilloscopio %1 non si trova: è collegato e acceso?</source>
        <translation>The oscilloscope %1 cannot be found: is it connected and switched on?</translation>
    </message>
    <message>
        <source>L&apos;oscilloscopio %1 non dà letture: il canale è collegato?</source>
        <translation>The oscilloscope %1 gives no readings: is the channel connected?</translation>
    </message>
    <message>
        <source>L&apos;oscilloscopio %1 non accetta la frequenza di campionamento %2: scegline un&apos;altra con Strumento... (F8).</source>
        <translation>The oscilloscope %1 does not accept the sample rate %2: choose another with Instrument... (F8).</translation>
    </message>
    <message>
        <source>L&apos;oscilloscopio %1 non ha il canale analogico %2: scegli il canale con Strumento... (F8).</source>
        <translation>The oscilloscope %1 has no analog channel %2: choose the channel with Instrument... (F8).</translation>
    </message>
    <message>
        <source>La sonda &quot;%1&quot; non va: scegli x1 o x10 con Strumento... (F8).</source>
        <translation>The probe &quot;%1&quot; will not do: choose x1 or x10 with Instrument... (F8).</translation>
    </message>
    <message>
        <source>camp&amp;ionamento</source>
        <translation>s&amp;ample rate</translation>
    </message>
    <message>
        <source>&amp;sonda</source>
        <translation>pro&amp;be</translation>
    </message>
    <message>
        <source>Oscilloscopio, cana&amp;le:</source>
        <translation>Oscilloscope, c&amp;hannel:</translation>
    </message>
    <message>
        <source>Canale dell&apos;alimentazione del sensore</source>
        <translation>Channel of the sensor&apos;s supply</translation>
    </message>
    <message>
        <source>CH2, A1; vuoto se non collegato</source>
        <translation>CH2, A1; empty where not connected</translation>
    </message>
    <message>
        <source>Canale dell&apos;alimentazion&amp;e:</source>
        <translation>Supply&apos;s chann&amp;el:</translation>
    </message>
</context>
<context>
    <name>dravino::JobForm</name>
    <message>
        <source>Dati del lavoro</source>
        <translation>Job data</translation>
    </message>
    <message>
        <source>Cliente</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Veicolo</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <source>targa o telaio</source>
        <translation>plate or VIN</translation>
    </message>
    <message>
        <source>Commessa</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>&amp;Cliente:</source>
        <translation>&amp;Customer:</translation>
    </message>
    <message>
        <source>&amp;Veicolo:</source>
        <translation>&amp;Vehicle:</translation>
    </message>
    <message>
        <source>Co&amp;mmessa:</source>
        <translation>&amp;Job:</translation>
    </message>
    <message>
        <source>&amp;Operatore:</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dravino::LimitsDialog</name>
    <message>
        <source>Limiti di taratura</source>
        <translation>Calibration limits</translation>
    </message>
    <message>
        <source>&amp;Errore in ogni punto (±%):</source>
        <translation>&amp;Error at each point (±%):</translation>
    </message>
    <message>
        <source>&amp;Isteresi (%):</source>
        <translation>&amp;Hysteresis (%):</translation>
    </message>
    <message>
        <source>&amp;Ripetibilità (%):</source>
        <translation>&amp;Repeatability (%):</translation>
    </message>
    <message>
        <source>Linearità &amp;terminale (±%):</source>
        <translation>&amp;Terminal linearity (±%):</translation>
    </message>
    <message>
        <source>Linearità &amp;BFSL (±%):</source>
        <translation>&amp;Best-fit linearity (±%):</translation>
    </message>
    <message>
        <source>&amp;Zero (±%):</source>
        <translation>&amp;Zero (±%):</translation>
    </message>
    <message>
        <source>&amp;Campo (±%):</source>
        <translation>&amp;Span (±%):</translation>
    </message>
    <message>
        <source>Sensore %1: ogni limite in % del campo.</source>
        <translation>Sensor %1: each limit in % of span.</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Il limite &quot;%1&quot; non va: scrivi un numero maggiore di zero e non oltre 50.</source>
        <translation>The limit &quot;%1&quot; does not do: type a number above zero and not beyond 50.</translation>
    </message>
    <message>
        <source>I limiti non si possono salvare: il file delle impostazioni non si può scrivere.</source>
        <translation>The limits cannot be saved: the settings file cannot be written.</translation>
    </message>
</context>
<context>
    <name>dravino::MainPanel</name>
    <message>
        <source>Valore di milliVolt troppo alto.   </source>
        <translation>Millivolt value too high.   </translation>
    </message>
    <message>
        <source>Valore di pressione introdotto troppo alto.  </source>
        <translation>Pressure entered too high.  </translation>
    </message>
    <message>
        <source>Sensore 04L906054 VW</source>
        <translation>Sensor 04L906054 VW</translation>
    </message>
    <message>
        <source>Sensore Denso 45PP3-1 a 1 via</source>
        <translation>Denso sensor 45PP3-1, one way</translation>
    </message>
    <message>
        <source>Sensore Denso 89458-60010 a due vie</source>
        <translation>Denso sensor 89458-60010, two ways</translation>
    </message>
    <message>
        <source>Sensore Bosch 0281006158</source>
        <translation>Bosch sensor 0281006158</translation>
    </message>
    <message>
        <source>Calcolatore pressione/tensione</source>
        <translation>Pressure/voltage calculator</translation>
    </message>
    <message>
        <source>mVolt 1</source>
        <translation>mVolt 1</translation>
    </message>
    <message>
        <source>mVolt 2</source>
        <translation>mVolt 2</translation>
    </message>
    <message>
        <source>Pressione</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Sensata explain</source>
        <translation>Sensata explain</translation>
    </message>
    <message>
        <source>Sensata explain: due clic, o F3</source>
        <translation>Sensata explain: two clicks, or F3</translation>
    </message>
    <message>
        <source>SET 0 bar</source>
        <translation>SET 0 bar</translation>
    </message>
    <message>
        <source>Gestione deriva di start</source>
        <translation>Zero-point drift setting</translation>
    </message>
    <message>
        <source>fammi sapere se ti piace...</source>
        <translation>let me know if you like it...</translation>
    </message>
    <message>
        <source>Scrivi all&apos;autore</source>
        <translation>Write to the author</translation>
    </message>
    <message>
        <source>Risoluzione ADC</source>
        <translation>ADC resolution</translation>
    </message>
    <message>
        <source>ADC 10 bit</source>
        <translation>ADC 10 bit</translation>
    </message>
    <message>
        <source>ADC 12 bit</source>
        <translation>ADC 12 bit</translation>
    </message>
    <message>
        <source>SCALA (bar)</source>
        <translation>SCALE (bar)</translation>
    </message>
    <message>
        <source>Scala e linearità</source>
        <translation>Scale and linearity</translation>
    </message>
    <message>
        <source>Scala e linearità: due clic, o F2</source>
        <translation>Scale and linearity: two clicks, or F2</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <source>Valore di una conversione digital</source>
        <translation>Value of one digital conversion</translation>
    </message>
    <message>
        <source>Sito del produttore</source>
        <translation>Maker&apos;s web site</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Tipo di sensore</source>
        <translation>Sensor type</translation>
    </message>
    <message>
        <source>Bosch / Delphi / Vdo</source>
        <translation>Bosch / Delphi / Vdo</translation>
    </message>
    <message>
        <source>Denso 1 via</source>
        <translation>Denso 1-way</translation>
    </message>
    <message>
        <source>Denso 2 vie</source>
        <translation>Denso 2-way</translation>
    </message>
    <message>
        <source>Sensori con scala compresa tra 2000 e 2500 bar</source>
        <translation>Sensors with a full scale from 2000 to 2500 bar</translation>
    </message>
    <message>
        <source>Sensore con scala 2200 bar</source>
        <translation>Sensor with a full scale of 2200 bar</translation>
    </message>
    <message>
        <source>milliVolt</source>
        <translation>Millivolt</translation>
    </message>
    <message>
        <source>Calcola pressione</source>
        <translation>Calculate pressure</translation>
    </message>
    <message>
        <source>coefficiente: </source>
        <translation>coefficient: </translation>
    </message>
    <message>
        <source>Pressione %1 bar</source>
        <translation>Pressure %1 bar</translation>
    </message>
    <message>
        <source>mVolt %1</source>
        <translation>mVolt %1</translation>
    </message>
    <message>
        <source>, mVolt 2 %1</source>
        <translation>, mVolt 2 %1</translation>
    </message>
    <message>
        <source>, ADC %1</source>
        <translation>, ADC %1</translation>
    </message>
    <message>
        <source>Valore compreso tra 0 e 4095</source>
        <translation>Value from 0 to 4095</translation>
    </message>
    <message>
        <source>Valore compreso tra 0 e 1023</source>
        <translation>Value from 0 to 1023</translation>
    </message>
    <message>
        <source>Valore di ADC troppo alto</source>
        <translation>ADC count too high</translation>
    </message>
    <message>
        <source>Calcolo ADC a 10 bit</source>
        <translation>10-bit ADC count</translation>
    </message>
    <message>
        <source>Calcolo ADC a 12 bit</source>
        <translation>12-bit ADC count</translation>
    </message>
    <message>
        <source> Il valore di tensione deve essere<byte value="xd"/>
 compreso tra 400 e 1200 mVolt</source>
        <translation> The voltage must lie<byte value="xd"/>
 between 400 and 1200 mVolt</translation>
    </message>
    <message>
        <source>Zero Bar</source>
        <translation>Zero point</translation>
    </message>
    <message>
        <source>Foto del sensore</source>
        <translation>Sensor photo</translation>
    </message>
    <message>
        <source>Gestione deriva di start: zero in uso %1 mV</source>
        <translation>Zero-point drift setting: zero in use %1 mV</translation>
    </message>
    <message>
        <source>Lettura continua dal multimetro</source>
        <translation>Reading the multimeter continuously</translation>
    </message>
    <message>
        <source>Lettura continua dal multimetro: un tasto la ferma</source>
        <translation>Reading the multimeter continuously: a key stops it</translation>
    </message>
    <message>
        <source>Il multimetro legge %1 V: il campo mVolt 1 prende da 0 a 9999 mV.</source>
        <translation>The multimeter reads %1 V: the mVolt 1 field takes 0 to 9999 mV.</translation>
    </message>
    <message>
        <source>Multimetro</source>
        <translation>Multimeter</translation>
    </message>
</context>
<context>
    <name>dravino::Meter</name>
    <message>
        <source>la libreria libsigrok installata non ha driver di multimetri</source>
        <translation>the installed libsigrok library has no multimeter drivers</translation>
    </message>
    <message>
        <source>il modulo dei multimetri %1 non è installato</source>
        <translation>the multimeter module %1 is not installed</translation>
    </message>
    <message>
        <source>%1, n. di serie %2</source>
        <translation>%1, serial no. %2</translation>
    </message>
</context>
<context>
    <name>dravino::Outbox</name>
    <message>
        <source>la cartella non si può creare</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>le prove in attesa non si possono conservare in %1: %2</source>
        <translation>waiting checks cannot be kept in %1: %2</translation>
    </message>
    <message>
        <source>le prove in attesa non si possono conservare in %1 (%2)</source>
        <translation>waiting checks cannot be kept in %1 (%2)</translation>
    </message>
</context>
<context>
    <name>dravino::Platform</name>
    <message>
        <source>Stampa su </source>
        <translation>Print on </translation>
    </message>
    <message>
        <source>; porta </source>
        <translation>; port </translation>
    </message>
    <message>
        <source>stampante predefinita</source>
        <translation>default printer</translation>
    </message>
    <message>
        <source>il server di stampa non risponde</source>
        <translation>the print server is not responding</translation>
    </message>
</context>
<context>
    <name>dravino::PrintBackend</name>
    <message>
        <source>il modulo di stampa %1 non è installato</source>
        <translation>the printing module %1 is not installed</translation>
    </message>
</context>
<context>
    <name>dravino::PrintBox</name>
    <message>
        <source> valori di stampa</source>
        <translation> values to print</translation>
    </message>
    <message>
        <source>Intervallo di valori</source>
        <translation>Range of values</translation>
    </message>
    <message>
        <source>Valore non plausibile  </source>
        <translation>Implausible value  </translation>
    </message>
    <message>
        <source>Stampa intervallo di valori</source>
        <translation>Printing a range of values</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Stampa al massimo 135 valori</source>
        <translation>Prints 135 values at most</translation>
    </message>
    <message>
        <source>da...</source>
        <translation>from</translation>
    </message>
    <message>
        <source>stampa dal valore...</source>
        <translation>print from the value...</translation>
    </message>
    <message>
        <source>a</source>
        <translation>to</translation>
    </message>
    <message>
        <source>... al valore</source>
        <translation>... to the value</translation>
    </message>
    <message>
        <source>step</source>
        <translation>step</translation>
    </message>
    <message>
        <source>intervallo tra i valori stampati</source>
        <translation>interval between printed values</translation>
    </message>
    <message>
        <source>millivolt o pressione</source>
        <translation>millivolt or pressure</translation>
    </message>
    <message>
        <source>a passi da...</source>
        <translation>in steps of...</translation>
    </message>
    <message>
        <source>millivolt</source>
        <translation>millivolt</translation>
    </message>
    <message>
        <source>Da valore in mVolt a pressione</source>
        <translation>From mVolt to pressure</translation>
    </message>
    <message>
        <source>pressione</source>
        <translation>pressure</translation>
    </message>
    <message>
        <source>Da valore di pressione a mVolt</source>
        <translation>From pressure to mVolt</translation>
    </message>
    <message>
        <source>Stampa 135 valori max</source>
        <translation>Print 135 values max</translation>
    </message>
    <message>
        <source>Stampa da</source>
        <translation>Print from</translation>
    </message>
    <message>
        <source>Stampa fino a</source>
        <translation>Print up to</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Troppi valori da stampare. Max 135</source>
        <translation>Too many values to print. Max 135</translation>
    </message>
    <message>
        <source>Valore di fine stampa fuori scala </source>
        <translation>Last value beyond the full scale </translation>
    </message>
    <message>
        <source>Parametro di stampa</source>
        <translation>Print setting</translation>
    </message>
    <message>
        <source>Intervallo di valori stampabili:<byte value="xd"/>
solo dal valore più basso verso quello più alto.</source>
        <translation>Printable range:<byte value="xd"/>
only from the lower value up to the higher one.</translation>
    </message>
    <message>
        <source>Nessun valore da stampare.</source>
        <translation>No values to print.</translation>
    </message>
    <message>
        <source>Troppi valori da stampare  (%1) .  Il massimo consentito è 135.<byte value="xd"/>
Diminuire l&apos;intervallo di pressione/mVolt o lo Step di risoluzione.</source>
        <translation>Too many values to print  (%1) .  The maximum allowed is 135.<byte value="xd"/>
Narrow the pressure/mVolt range or raise the Step.</translation>
    </message>
    <message>
        <source>Stampa valori di pressione/tensione</source>
        <translation>Printing pressure/voltage values</translation>
    </message>
    <message>
        <source>Tabella %1-%2 %3</source>
        <translation>Table %1-%2 %3</translation>
    </message>
    <message>
        <source>Tabella salvata nel file CSV %1</source>
        <translation>Table saved as CSV file %1</translation>
    </message>
    <message>
        <source>Tabella salvata nel foglio di calcolo %1</source>
        <translation>Table saved as spreadsheet %1</translation>
    </message>
</context>
<context>
    <name>dravino::PrintMenu</name>
    <message>
        <source>Salva come PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>File PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Anteprima di stampa...</source>
        <translation>Print Preview...</translation>
    </message>
    <message>
        <source>Stampa su</source>
        <translation>Print to</translation>
    </message>
    <message>
        <source>ricerca stampanti...</source>
        <translation>looking for printers...</translation>
    </message>
    <message>
        <source>Salva come PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Esporta CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>nessuna stampante</source>
        <translation>no printer</translation>
    </message>
    <message>
        <source>il server di stampa non risponde</source>
        <translation>the print server is not responding</translation>
    </message>
    <message>
        <source>%1 (predefinita)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>Archivio prove...</source>
        <translation>Check archive...</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Esporta foglio di calcolo</source>
        <translation>Export spreadsheet</translation>
    </message>
    <message>
        <source>Foglio di calcolo (*.xlsx)</source>
        <translation>Spreadsheet (*.xlsx)</translation>
    </message>
    <message>
        <source>Esporta foglio di calcolo (.xlsx)...</source>
        <translation>Export spreadsheet (.xlsx)...</translation>
    </message>
    <message>
        <source>Officina...</source>
        <translation>Workshop...</translation>
    </message>
    <message>
        <source>Strumento...	F8</source>
        <translation>Instrument...	F8</translation>
    </message>
    <message>
        <source>Salva sessione sigrok</source>
        <translation>Save sigrok session</translation>
    </message>
    <message>
        <source>Sessione sigrok (*.sr)</source>
        <translation>sigrok session (*.sr)</translation>
    </message>
</context>
<context>
    <name>dravino::PrintPreview</name>
    <message>
        <source>Anteprima di stampa</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Pagina: %1</source>
        <translation>Page: %1</translation>
    </message>
    <message>
        <source>Adatta alla finestra</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Dimensione reale</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salva come PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>dravino::PrintReport</name>
    <message>
        <source>in pausa</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>non in linea</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>carta esaurita</source>
        <translation>out of paper</translation>
    </message>
    <message>
        <source>carta inceppata</source>
        <translation>paper jam</translation>
    </message>
    <message>
        <source>sportello aperto</source>
        <translation>door open</translation>
    </message>
    <message>
        <source>toner esaurito</source>
        <translation>out of toner</translation>
    </message>
    <message>
        <source>inchiostro esaurito</source>
        <translation>out of ink</translation>
    </message>
    <message>
        <source>rifiuta i lavori</source>
        <translation>rejecting jobs</translation>
    </message>
    <message>
        <source>la pagina non è arrivata per intero</source>
        <translation>the printer did not receive the whole page</translation>
    </message>
    <message>
        <source>la stampa è stata annullata</source>
        <translation>the job was canceled</translation>
    </message>
    <message>
        <source>la stampa è stata interrotta</source>
        <translation>the job was aborted</translation>
    </message>
    <message>
        <source>Stampa in corso...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>La stampante %1 non accetta stampe (%2): la pagina non è stata stampata.</source>
        <translation>The printer %1 is not accepting jobs (%2): the page was not printed.</translation>
    </message>
    <message>
        <source>nessuna risposta valida dal server di stampa</source>
        <translation>no valid answer from the print server</translation>
    </message>
    <message>
        <source>Stampa effettuata su </source>
        <translation>Printed on </translation>
    </message>
    <message>
        <source>La stampa su %1 è in attesa: la stampante è ferma%2 e la stamperà quando verrà riattivata.</source>
        <translation>The page is queued on %1: the printer is stopped%2 and will print it once it is resumed.</translation>
    </message>
    <message>
        <source>Stampa effettuata su file PDF </source>
        <translation>Saved as PDF file </translation>
    </message>
    <message>
        <source>La pagina è stata salvata nel file PDF %1.</source>
        <translation>The page was saved as PDF file %1.</translation>
    </message>
    <message>
        <source>Nessuna stampante e nessuna cartella in cui salvare il file PDF: la pagina non è stata salvata.</source>
        <translation>No printer, and no folder to save the PDF file in: the page was not saved.</translation>
    </message>
    <message>
        <source>Nessuna cartella in cui salvare il file PDF: la pagina non è stata salvata.</source>
        <translation>No folder to save the PDF file in: the page was not saved.</translation>
    </message>
    <message>
        <source>sulla stampante predefinita</source>
        <translation>on the default printer</translation>
    </message>
    <message>
        <source>su %1</source>
        <translation>on %1</translation>
    </message>
    <message>
        <source>Impossibile stampare %1: il server di stampa non è raggiungibile.</source>
        <translation>Cannot print %1: the print server cannot be reached.</translation>
    </message>
    <message>
        <source>Impossibile stampare %1: il server di stampa non è raggiungibile (%2).</source>
        <translation>Cannot print %1: the print server cannot be reached (%2).</translation>
    </message>
    <message>
        <source>Impossibile stampare %1: il server di stampa non risponde.</source>
        <translation>Cannot print %1: the print server is not responding.</translation>
    </message>
    <message>
        <source>La stampa %1 non è riuscita: %2.</source>
        <translation>Printing %1 failed: %2.</translation>
    </message>
    <message>
        <source>Pagina salvata nel file PDF %1</source>
        <translation>Page saved as PDF file %1</translation>
    </message>
    <message>
        <source>la stampante non esiste</source>
        <translation>the printer does not exist</translation>
    </message>
    <message>
        <source>rifiuta la connessione</source>
        <translation>it refuses the connection</translation>
    </message>
    <message>
        <source>la rete non lo raggiunge</source>
        <translation>the network does not reach it</translation>
    </message>
    <message>
        <source>La pagina è stata inviata a %1 (lavoro %2), ma il server di stampa non ne ha confermato la stampa: controllare la stampante.</source>
        <translation>The page was sent to %1 (job %2), but the print server did not confirm it was printed: check the printer.</translation>
    </message>
    <message>
        <source>Pagina inviata a %1</source>
        <translation>Page sent to %1</translation>
    </message>
    <message>
        <source>la stampante non ha preso la pagina</source>
        <translation>the printer did not take the page</translation>
    </message>
    <message>
        <source>La pagina è stata inviata a %1, ma il sistema di stampa non ne ha confermato la stampa: controllare la stampante.</source>
        <translation>The page was sent to %1, but the printing system did not confirm it was printed: check the printer.</translation>
    </message>
</context>
<context>
    <name>dravino::PrivateFile</name>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>la cartella non si può scrivere</source>
        <translation>the folder cannot be written</translation>
    </message>
</context>
<context>
    <name>dravino::ReadingsTable</name>
    <message>
        <source>Ciclo</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Verso</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Punto (%)</source>
        <translation>Point (%)</translation>
    </message>
    <message>
        <source>Riferimento (bar)</source>
        <translation>Reference (bar)</translation>
    </message>
    <message>
        <source>Lettura (mV)</source>
        <translation>Reading (mV)</translation>
    </message>
    <message>
        <source>Lettura (conteggi %1 bit)</source>
        <translation>Reading (%1-bit counts)</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Pressione indicata (bar)</source>
        <translation>Pressure indicated (bar)</translation>
    </message>
    <message>
        <source>Errore (bar)</source>
        <translation>Error (bar)</translation>
    </message>
    <message>
        <source>Errore (% campo)</source>
        <translation>Error (% span)</translation>
    </message>
    <message>
        <source>Scrivi la lettura, o premi F9 per leggerla dal multimetro</source>
        <translation>Type the reading, or press F9 to read it from the multimeter</translation>
    </message>
    <message>
        <source>Letta dal multimetro</source>
        <translation>Read from the multimeter</translation>
    </message>
    <message>
        <source>Scritta a mano</source>
        <translation>Typed by hand</translation>
    </message>
    <message>
        <source>salita</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>discesa</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>manca</source>
        <translation>missing</translation>
    </message>
</context>
<context>
    <name>dravino::References</name>
    <message>
        <source>%1 (n. %2)</source>
        <translation>%1 (no. %2)</translation>
    </message>
</context>
<context>
    <name>dravino::ReferencesDialog</name>
    <message>
        <source>Riferimenti di pressione</source>
        <translation>Pressure references</translation>
    </message>
    <message>
        <source>Riferimenti dell&apos;officina</source>
        <translation>The workshop&apos;s references</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Numero di serie</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Numero del certificato di taratura</source>
        <translation>Calibration certificate number</translation>
    </message>
    <message>
        <source>Incertezza data come</source>
        <translation>Uncertainty given as</translation>
    </message>
    <message>
        <source>incertezza estesa U e k dal certificato</source>
        <translation>expanded uncertainty U and k from its certificate</translation>
    </message>
    <message>
        <source>classe di precisione, in % del campo</source>
        <translation>accuracy class, in % of range</translation>
    </message>
    <message>
        <source>Incertezza estesa U in bar</source>
        <translation>Expanded uncertainty U in bar</translation>
    </message>
    <message>
        <source>Fattore di copertura k</source>
        <translation>Coverage factor k</translation>
    </message>
    <message>
        <source>Classe di precisione in %</source>
        <translation>Accuracy class in %</translation>
    </message>
    <message>
        <source>Campo del riferimento in bar</source>
        <translation>Range of the reference in bar</translation>
    </message>
    <message>
        <source>Taratura valida fino al</source>
        <translation>Calibration valid until</translation>
    </message>
    <message>
        <source>%1, vuoto se non indicata</source>
        <translation>%1, empty if not given</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Togli</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>N. di &amp;serie:</source>
        <translation>S&amp;erial no.:</translation>
    </message>
    <message>
        <source>&amp;Certificato n.:</source>
        <translation>&amp;Certificate no.:</translation>
    </message>
    <message>
        <source>&amp;Incertezza:</source>
        <translation>Uncertaint&amp;y:</translation>
    </message>
    <message>
        <source>&amp;U (bar):</source>
        <translation>&amp;U (bar):</translation>
    </message>
    <message>
        <source>&amp;k:</source>
        <translation>&amp;k:</translation>
    </message>
    <message>
        <source>C&amp;lasse (%):</source>
        <translation>C&amp;lass (%):</translation>
    </message>
    <message>
        <source>Ca&amp;mpo (bar):</source>
        <translation>Ran&amp;ge (bar):</translation>
    </message>
    <message>
        <source>Taratura valida fino &amp;al:</source>
        <translation>Calibration valid un&amp;til:</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nuovo riferimento</source>
        <translation>New reference</translation>
    </message>
    <message>
        <source>Il riferimento non ha un nome: scrivilo, lo stampa il certificato.</source>
        <translation>The reference has no name: type it, the certificate prints it.</translation>
    </message>
    <message>
        <source>C&apos;è già un riferimento che si chiama %1.</source>
        <translation>There is a reference called %1 already.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; non va: scrivi un numero maggiore di zero.</source>
        <translation>%1 &quot;%2&quot; does not do: type a number above zero.</translation>
    </message>
    <message>
        <source>L&apos;incertezza estesa U</source>
        <translation>The expanded uncertainty U</translation>
    </message>
    <message>
        <source>Il fattore di copertura k</source>
        <translation>The coverage factor k</translation>
    </message>
    <message>
        <source>Il campo</source>
        <translation>The range</translation>
    </message>
    <message>
        <source>La classe</source>
        <translation>The class</translation>
    </message>
    <message>
        <source>La data &quot;%1&quot; non si legge: scrivila come %2.</source>
        <translation>The date &quot;%1&quot; does not read: type it as %2.</translation>
    </message>
    <message>
        <source>Il registro dei riferimenti non si può salvare: il file delle impostazioni non si può scrivere.</source>
        <translation>The register of references cannot be saved: the settings file cannot be written.</translation>
    </message>
    <message>
        <source>Nom&amp;e:</source>
        <translation>Na&amp;me:</translation>
    </message>
</context>
<context>
    <name>dravino::ScalePanel</name>
    <message>
        <source>Calcolo scala</source>
        <translation>Scale check</translation>
    </message>
    <message>
        <source>Scala e linearità</source>
        <translation>Scale and linearity</translation>
    </message>
    <message>
        <source>BAR</source>
        <translation>BAR</translation>
    </message>
    <message>
        <source>ADC</source>
        <translation>ADC</translation>
    </message>
    <message>
        <source>mVolt</source>
        <translation>mVolt</translation>
    </message>
    <message>
        <source>SCALA</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>Scala in BAR calcolata</source>
        <translation>Full scale computed in BAR</translation>
    </message>
    <message>
        <source>linearità</source>
        <translation>linearity</translation>
    </message>
    <message>
        <source>Linearità rispetto alla media</source>
        <translation>Linearity against the average</translation>
    </message>
    <message>
        <source>scostamento</source>
        <translation>deviation</translation>
    </message>
    <message>
        <source>Scostamento in BAR rispetto alla media</source>
        <translation>Deviation in BAR from the average</translation>
    </message>
    <message>
        <source>Pressione riga %1 (bar)</source>
        <translation>Pressure row %1 (bar)</translation>
    </message>
    <message>
        <source>ADC riga %1</source>
        <translation>ADC row %1</translation>
    </message>
    <message>
        <source>mVolt riga %1</source>
        <translation>mVolt row %1</translation>
    </message>
    <message>
        <source>Scala riga %1 (bar)</source>
        <translation>Scale row %1 (bar)</translation>
    </message>
    <message>
        <source>Linearità riga %1</source>
        <translation>Linearity row %1</translation>
    </message>
    <message>
        <source>Scostamento riga %1 (bar)</source>
        <translation>Deviation row %1 (bar)</translation>
    </message>
    <message>
        <source>Risoluzione ADC</source>
        <translation>ADC resolution</translation>
    </message>
    <message>
        <source>ADC a 10 bit</source>
        <translation>ADC 10 bit</translation>
    </message>
    <message>
        <source>ADC a 12 bit</source>
        <translation>ADC 12 bit</translation>
    </message>
    <message>
        <source>media:</source>
        <translation>mean:</translation>
    </message>
    <message>
        <source>Media della scala (bar)</source>
        <translation>Average full scale (bar)</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>media automatica</source>
        <translation>automatic average</translation>
    </message>
    <message>
        <source>Media della scala ottenuta dai valori ADC introdotti</source>
        <translation>Average of the full scales from the ADC readings</translation>
    </message>
    <message>
        <source>media manuale</source>
        <translation>manual average</translation>
    </message>
    <message>
        <source>Deriva della scala ottenuta dal valore di SCALA introdotto</source>
        <translation>Deviation from the SCALE value entered</translation>
    </message>
    <message>
        <source>Sensore Bosch/VDO/Delphi</source>
        <translation>Bosch/VDO/Delphi sensor</translation>
    </message>
    <message>
        <source>Sensore Denso</source>
        <translation>Denso sensor</translation>
    </message>
    <message>
        <source>Tipo sensore</source>
        <translation>Sensor type</translation>
    </message>
    <message>
        <source>back</source>
        <translation>back</translation>
    </message>
    <message>
        <source>stampa</source>
        <translation>print</translation>
    </message>
    <message>
        <source>calcola</source>
        <translation>calculate</translation>
    </message>
    <message>
        <source>Errore di calcolo </source>
        <translation>Calculation error </translation>
    </message>
    <message>
        <source>Errore %1  %2</source>
        <translation>Error %1  %2</translation>
    </message>
    <message>
        <source>Inserisci il codice o la sigla del sensore</source>
        <translation>Enter the sensor&apos;s code or part number</translation>
    </message>
    <message>
        <source>Sigla del sensore</source>
        <translation>Sensor code</translation>
    </message>
    <message>
        <source>Stampa foglio scala</source>
        <translation>Printing the scale sheet</translation>
    </message>
    <message>
        <source>Scala %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>Scala %1 %2</source>
        <translation>Scale %1 %2</translation>
    </message>
    <message>
        <source>Il multimetro legge %1 V: non è una lettura di convertitore.</source>
        <translation>The multimeter reads %1 V: that is no converter reading.</translation>
    </message>
    <message>
        <source>Multimetro</source>
        <translation>Multimeter</translation>
    </message>
    <message>
        <source>Il fondo scala scelto nel calcolatore: la media deve restarne entro lo scostamento ammesso</source>
        <translation>The full scale chosen in the calculator: the average must stay within the deviation allowed of it</translation>
    </message>
    <message>
        <source>Riga %1: il valore ADC %2 supera %3, il massimo del convertitore a %4 bit.</source>
        <translation>Row %1: the ADC value %2 is above %3, the highest of a %4-bit converter.</translation>
    </message>
    <message>
        <source>Fondo scala nominale %1 bar</source>
        <translation>Nominal full scale %1 bar</translation>
    </message>
    <message>
        <source>Le letture o le impostazioni sono cambiate dopo l&apos;ultimo calcolo: il foglio esce senza esito e la prova non viene registrata. Premi calcola per dare l&apos;esito al foglio.</source>
        <translation>The readings or the settings changed after the last computation: the sheet goes without a result and the check is not recorded. Press calculate to give the sheet its result.</translation>
    </message>
    <message>
        <source>La taratura del multimetro è scaduta il %1: il foglio lo dice.</source>
        <translation>The multimeter&apos;s calibration expired on %1: the sheet says so.</translation>
    </message>
    <message>
        <source>Esito della prova</source>
        <translation>Result of the check</translation>
    </message>
    <message>
        <source>Esito: CONFORME</source>
        <translation>Result: PASS</translation>
    </message>
    <message>
        <source>Esito: NON CONFORME</source>
        <translation>Result: FAIL</translation>
    </message>
    <message>
        <source>Righe fuori dai limiti: %1</source>
        <translation>Rows outside the limits: %1</translation>
    </message>
    <message>
        <source>La media è fuori dallo scostamento ammesso dal fondo scala nominale</source>
        <translation>The average is beyond the deviation allowed from the nominal full scale</translation>
    </message>
    <message>
        <source>Esito: da ricalcolare</source>
        <translation>Result: calculate again</translation>
    </message>
    <message>
        <source>Le letture o le impostazioni sono cambiate dopo l&apos;ultimo calcolo</source>
        <translation>The readings or the settings changed after the last computation</translation>
    </message>
    <message>
        <source>Senza esito</source>
        <translation>No result</translation>
    </message>
    <message>
        <source>Il calcolo non è andato a buon fine</source>
        <translation>The computation did not go through</translation>
    </message>
    <message>
        <source>La media non si legge come numero</source>
        <translation>The average does not read as a number</translation>
    </message>
    <message>
        <source>Righe calcolate: %1, ne servono almeno %2</source>
        <translation>Rows computed: %1, at least %2 are needed</translation>
    </message>
    <message>
        <source>Nessuna riga calcolata a %1 bar o più</source>
        <translation>No row computed at %1 bar or more</translation>
    </message>
    <message>
        <source>La lettura del multimetro arrivata durante la stampa è nel pannello (righe %1): vale per la prossima prova, non per il foglio già deciso.</source>
        <translation>The multimeter reading that came while printing is in the panel (rows %1): it belongs to the next check, not to the sheet already decided.</translation>
    </message>
    <message>
        <source>Il certificato non ha avuto un numero (%1): il foglio non è stato stampato.</source>
        <translation>The certificate got no number (%1): the sheet was not printed.</translation>
    </message>
    <message>
        <source>Righe %1: i valori ADC %2 superano %3, il massimo del convertitore a %4 bit.</source>
        <translation>Rows %1: the ADC values %2 are above %3, the highest of a %4-bit converter.</translation>
    </message>
    <message>
        <source>taratura...</source>
        <translation>calibration...</translation>
    </message>
    <message>
        <source>Taratura del sensore con un riferimento di pressione: salita e discesa, incertezza, come trovato e come lasciato (F6)</source>
        <translation>Sensor calibration against a pressure reference: rising and falling, uncertainty, as found and as left (F6)</translation>
    </message>
</context>
<context>
    <name>dravino::SensataPanel</name>
    <message>
        <source>Numero sul sensore (%1)</source>
        <translation>Number on the sensor (%1)</translation>
    </message>
    <message>
        <source>Sensata explain</source>
        <translation>Sensata explain</translation>
    </message>
    <message>
        <source>Numero sul sensore</source>
        <translation>Number on the sensor</translation>
    </message>
    <message>
        <source>sigla</source>
        <translation>mark</translation>
    </message>
    <message>
        <source>data di fabbricazione</source>
        <translation>date of manufacture</translation>
    </message>
    <message>
        <source>seriale:</source>
        <translation>serial:</translation>
    </message>
    <message>
        <source>Sigla paese</source>
        <translation>Country mark</translation>
    </message>
    <message>
        <source>Sigla gas</source>
        <translation>Gas mark</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Valore data non conosciuto</source>
        <translation>Unknown date value</translation>
    </message>
    <message>
        <source>Verifica data</source>
        <translation>Date check</translation>
    </message>
    <message>
        <source>Errore %1  %2</source>
        <translation>Error %1  %2</translation>
    </message>
    <message>
        <source>Calcolo data</source>
        <translation>Date decoding</translation>
    </message>
    <message>
        <source>Data di fabbricazione</source>
        <translation>Date of manufacture</translation>
    </message>
    <message>
        <source>Parte seriale</source>
        <translation>Serial part</translation>
    </message>
    <message>
        <source>Paese di fabbricazione</source>
        <translation>Country of manufacture</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Logo Sensata</source>
        <translation>Sensata logo</translation>
    </message>
</context>
<context>
    <name>dravino::SensorHistory</name>
    <message>
        <source>Andamento della media</source>
        <translation>Trend of the average</translation>
    </message>
    <message>
        <source>Media da %1 bar (%2) a %3 bar (%4)</source>
        <translation>Average from %1 bar (%2) to %3 bar (%4)</translation>
    </message>
    <message>
        <source>Storia del sensore %1</source>
        <translation>History of the sensor %1</translation>
    </message>
    <message>
        <source>Prove del sensore</source>
        <translation>Checks of the sensor</translation>
    </message>
    <message>
        <source>Deriva dalla prima</source>
        <translation>Drift from the first</translation>
    </message>
    <message>
        <source>Ricerca in corso...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>L&apos;archivio non si può leggere.</source>
        <translation>The archive cannot be read.</translation>
    </message>
    <message>
        <source>L&apos;archivio non si può leggere: %1</source>
        <translation>The archive cannot be read: %1</translation>
    </message>
    <message>
        <source>Prove del sensore: %1 (conformi %2, non conformi %3)</source>
        <translation>Checks of the sensor: %1 (passed %2, failed %3)</translation>
    </message>
    <message numerus="yes">
        <source>; le %Ln più recenti qui sopra</source>
        <translation>
            <numerusform>; the most recent above</numerusform>
            <numerusform>; the %Ln most recent above</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dravino::Spreadsheet</name>
    <message>
        <source>nessuna cartella temporanea in cui preparare il file</source>
        <translation>no temporary folder to prepare the file in</translation>
    </message>
    <message>
        <source>il foglio di calcolo non si può preparare</source>
        <translation>the spreadsheet cannot be prepared</translation>
    </message>
    <message>
        <source>il foglio di calcolo non si può scrivere (%1)</source>
        <translation>the spreadsheet cannot be written (%1)</translation>
    </message>
</context>
<context>
    <name>dravino::TraceWindow</name>
    <message>
        <source>Traccia del sensore</source>
        <translation>Sensor trace</translation>
    </message>
    <message>
        <source>Ultima lettura</source>
        <translation>Latest reading</translation>
    </message>
    <message>
        <source>Traccia</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Cursore da (mV)</source>
        <translation>Cursor from (mV)</translation>
    </message>
    <message>
        <source>Cursore a (mV)</source>
        <translation>Cursor to (mV)</translation>
    </message>
    <message>
        <source>C&amp;ursori: da</source>
        <translation>C&amp;ursors: from</translation>
    </message>
    <message>
        <source>&amp;a</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <source>&amp;Pausa</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>Esporta C&amp;SV...</source>
        <translation>Export CS&amp;V...</translation>
    </message>
    <message>
        <source>Esporta &amp;foglio di calcolo (.xlsx)...</source>
        <translation>Export spreads&amp;heet (.xlsx)...</translation>
    </message>
    <message>
        <source>S&amp;tampa</source>
        <translation>Pri&amp;nt</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Riprendi</source>
        <translation>&amp;Resume</translation>
    </message>
    <message>
        <source>%1 mV   %2 bar</source>
        <translation>%1 mV   %2 bar</translation>
    </message>
    <message>
        <source>-- mV   -- bar</source>
        <translation>-- mV   -- bar</translation>
    </message>
    <message>
        <source>Selezione: trascina sul grafico, o Maiusc e le frecce sul grafico.</source>
        <translation>Selection: drag over the chart, or Shift and the arrows on the chart.</translation>
    </message>
    <message>
        <source>In attesa della prima lettura del multimetro...</source>
        <translation>Waiting for the multimeter&apos;s first reading...</translation>
    </message>
    <message>
        <source>Nessuna lettura da %1: la traccia è ferma.</source>
        <translation>No reading for %1: the trace stands still.</translation>
    </message>
    <message>
        <source>Lettura in corso.</source>
        <translation>Reading.</translation>
    </message>
    <message>
        <source>La traccia non ha letture: non c&apos;è nulla da esportare.</source>
        <translation>The trace has no readings: there is nothing to export.</translation>
    </message>
    <message>
        <source>Traccia %1</source>
        <translation>Trace %1</translation>
    </message>
    <message>
        <source>Traccia salvata nel file CSV %1</source>
        <translation>Trace saved as CSV file %1</translation>
    </message>
    <message>
        <source>Traccia salvata nel foglio di calcolo %1</source>
        <translation>Trace saved as spreadsheet %1</translation>
    </message>
    <message>
        <source>La traccia non ha letture: non c&apos;è nulla da stampare.</source>
        <translation>The trace has no readings: there is nothing to print.</translation>
    </message>
    <message numerus="yes">
        <source>In pausa: la traccia tiene le sue %Ln letture.</source>
        <translation>
            <numerusform>Paused: the trace keeps %Ln reading.</numerusform>
            <numerusform>Paused: the trace keeps its %Ln readings.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Vista intera</source>
        <translation>&amp;Whole view</translation>
    </message>
    <message>
        <source>Tutta la traccia nel grafico (0 sul grafico)</source>
        <translation>The whole trace in the chart (0 on the chart)</translation>
    </message>
    <message>
        <source>Vista da %1 a %2: la rotella o + e - per lo zoom, Maiusc con la rotella o Pag su e Pag giù per scorrere, 0 per tutta la traccia.</source>
        <translation>View from %1 to %2: the wheel or + and - to zoom, Shift with the wheel or Page Up and Page Down to scroll, 0 for the whole trace.</translation>
    </message>
    <message>
        <source>Vista intera: la rotella o + sul grafico per lo zoom.</source>
        <translation>Whole view: the wheel or + on the chart to zoom.</translation>
    </message>
    <message numerus="yes">
        <source>Traccia dal file %1: %Ln letture; Riprendi aggiunge quelle del multimetro.</source>
        <translation>
            <numerusform>Trace from the file %1: %Ln reading; Resume adds the meter&apos;s.</numerusform>
            <numerusform>Trace from the file %1: %Ln readings; Resume adds the meter&apos;s.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>La traccia ha %Ln letture: le sostituisci con quelle del file?</source>
        <translation>
            <numerusform>The trace has %Ln reading: replace it with the file&apos;s?</numerusform>
            <numerusform>The trace has %Ln readings: replace them with the file&apos;s?</numerusform>
        </translation>
    </message>
    <message>
        <source>Apri una traccia</source>
        <translation>Open a trace</translation>
    </message>
    <message>
        <source>La traccia resta com&apos;era.</source>
        <translation>The trace stays as it was.</translation>
    </message>
    <message>
        <source>Il file %1 non risponde.</source>
        <translation>The file %1 does not answer.</translation>
    </message>
    <message>
        <source>Il file %1 non si apre: %2.</source>
        <translation>The file %1 does not open: %2.</translation>
    </message>
    <message>
        <source>Il file %1 è troppo grande per una traccia (oltre %2 MB o %3 letture).</source>
        <translation>The file %1 is too large for a trace (over %2 MB or %3 readings).</translation>
    </message>
    <message>
        <source>Il file %1 non è una traccia esportata: la sua prima riga non ha le colonne del tempo e dei mV.</source>
        <translation>The file %1 is not an exported trace: its first line does not have the time and mV columns.</translation>
    </message>
    <message>
        <source>Il file %1 non ha letture.</source>
        <translation>The file %1 has no readings.</translation>
    </message>
    <message>
        <source>Il file %1 è troncato: la riga %2 non ha i mV.</source>
        <translation>The file %1 is cut short: line %2 has no mV.</translation>
    </message>
    <message>
        <source>Il file %1 non si legge: alla riga %2 il tempo o i mV non sono numeri.</source>
        <translation>The file %1 cannot be read: on line %2 the time or the mV are not numbers.</translation>
    </message>
    <message>
        <source>Il file %1 non si legge: alla riga %2 il tempo torna indietro.</source>
        <translation>The file %1 cannot be read: on line %2 the time goes back.</translation>
    </message>
    <message>
        <source>Letture oltre 5 V (%1 mV): impossibili per questo sensore. La sonda è impostata x10: è davvero una sonda x10?</source>
        <translation>Readings over 5 V (%1 mV): impossible for this sensor. The probe is set to x10: is it really a x10 probe?</translation>
    </message>
    <message>
        <source>Apr&amp;i traccia...</source>
        <translation>&amp;Open trace...</translation>
    </message>
    <message>
        <source>Apre una traccia salvata in CSV o come sessione sigrok (.sr): si vede, si misura, si stampa come una letta ora</source>
        <translation>Opens a trace saved as CSV or as a sigrok session (.sr): it is shown, measured and printed as one read now</translation>
    </message>
    <message>
        <source>Salva sessi&amp;one (.sr)...</source>
        <translation>Save as si&amp;grok session (.sr)...</translation>
    </message>
    <message>
        <source>Salva la traccia come sessione sigrok, che PulseView apre</source>
        <translation>Saves the trace as a sigrok session, which PulseView opens</translation>
    </message>
    <message>
        <source>Tracce (*.csv *.sr);;File CSV (*.csv);;Sessioni sigrok (*.sr)</source>
        <translation>Traces (*.csv *.sr);;CSV files (*.csv);;sigrok sessions (*.sr)</translation>
    </message>
    <message>
        <source>Il file %1 non è una sessione sigrok con un canale analogico.</source>
        <translation>The file %1 is not a sigrok session with an analog channel.</translation>
    </message>
    <message>
        <source>Traccia salvata come sessione sigrok %1</source>
        <translation>Trace saved as the sigrok session %1</translation>
    </message>
    <message>
        <source>La traccia dura più di %1 ore: una sessione sigrok ne tiene al più %1. Esportala in CSV.</source>
        <translation>The trace lasts more than %1 hours: a sigrok session holds at most %1. Export it as CSV.</translation>
    </message>
    <message>
        <source>Nessun multimetro scelto: sceglilo con Strumento... (F8).</source>
        <translation>No multimeter chosen: choose one with Instrument... (F8).</translation>
    </message>
</context>
<context>
    <name>dravino::WorkshopDialog</name>
    <message>
        <source>Il logo dell&apos;officina %1 non si può stampare: %2. Le pagine si stampano senza.</source>
        <translation>The workshop&apos;s logo %1 cannot be printed: %2. The pages are printed without it.</translation>
    </message>
    <message>
        <source>Officina</source>
        <translation>Workshop</translation>
    </message>
    <message>
        <source>Nome dell&apos;officina</source>
        <translation>Workshop&apos;s name</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>File del logo</source>
        <translation>Logo file</translation>
    </message>
    <message>
        <source>nessun logo</source>
        <translation>no logo</translation>
    </message>
    <message>
        <source>S&amp;cegli...</source>
        <translation>&amp;Choose...</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Chiedi cliente, veicolo, commessa e operatore a ogni foglio di scala</source>
        <translation>Ask for customer, vehicle, job and operator with every scale sheet</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Indirizzo:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>&amp;Telefono:</source>
        <translation>&amp;Phone:</translation>
    </message>
    <message>
        <source>&amp;E-mail:</source>
        <translation>&amp;E-mail:</translation>
    </message>
    <message>
        <source>&amp;Logo:</source>
        <translation>&amp;Logo:</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Logo dell&apos;officina</source>
        <translation>Workshop&apos;s logo</translation>
    </message>
    <message>
        <source>Immagini (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>Nessu&amp;no</source>
        <translation>N&amp;one</translation>
    </message>
    <message>
        <source>L&apos;officina non si può salvare: il file delle impostazioni %1 non si può scrivere.</source>
        <translation>The workshop cannot be kept: the settings file %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>frmDravino</name>
    <message>
        <source>Dravino 10/2024</source>
        <translation>Dravino 10/2024</translation>
    </message>
    <message>
        <source>Errore %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Archivio prove</source>
        <translation>Check archive</translation>
    </message>
    <message>
        <source>Nessun multimetro scelto: sceglilo con Strumento... (F8).</source>
        <translation>No multimeter chosen: choose one with Instrument... (F8).</translation>
    </message>
    <message>
        <source>Multimetro</source>
        <translation>Multimeter</translation>
    </message>
</context>
</TS>
