<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>hw::AboutWindow</name>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>Das Betriebssystem hat keinen Speicher oder keine Ressourcen mehr.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image).</source>
        <translation>Die .exe-Datei ist ungültig (keine Win32®-.exe oder Fehler im .exe-Abbild).</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>Die Dateinamenzuordnung ist unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen werden, weil andere DDE-Transaktionen verarbeitet wurden.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen werden, weil die Anforderung das Zeitlimit überschritten hat.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension.</source>
        <translation>Der angegebenen Dateinamenerweiterung ist keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für den Vorgang war nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Eine Freigabeverletzung ist aufgetreten.</translation>
    </message>
    <message>
        <source>About Hearthwise</source>
        <translation>Über Hearthwise</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Urheberrecht:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Das Benutzerhandbuch im Browser öffnen</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web page in your browser</source>
        <translation>Die Website des Herstellers im Browser öffnen</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>Unbekannter Fehler!</translation>
    </message>
    <message>
        <source>Hearthwise user guide</source>
        <translation>Hearthwise-Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>hw::BalanceChart</name>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Outstanding balance of each mortgage type over the years</source>
        <translation>Restschuld jeder Darlehensart im Lauf der Jahre</translation>
    </message>
</context>
<context>
    <name>hw::BudgetPage</name>
    <message>
        <source>&amp;Fortnightly</source>
        <translation>&amp;Vierzehntäglich</translation>
    </message>
    <message>
        <source>M&amp;onthly</source>
        <translation>&amp;Monatlich</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>Monatliche Ausgaben:</translation>
    </message>
    <message>
        <source>Monthly expenditure</source>
        <translation>Monatliche Ausgaben</translation>
    </message>
</context>
<context>
    <name>hw::CaseFields</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, tax rate</source>
        <translation>%1, Steuersatz</translation>
    </message>
</context>
<context>
    <name>hw::CaseFile</name>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must hold named figures in braces, {...}.</source>
        <translation>Sein Abschnitt „%1“ ist beschädigt: Er muss benannte Beträge in geschweiften Klammern enthalten, {...}.</translation>
    </message>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must be a list in brackets, [...], of at most %2 entries.</source>
        <translation>Sein Abschnitt „%1“ ist beschädigt: Er muss eine Liste in eckigen Klammern sein, [...], mit höchstens %2 Einträgen.</translation>
    </message>
    <message>
        <source>an amount written in quotes, such as &quot;1234.50&quot;</source>
        <translation>ein Betrag in Anführungszeichen, etwa &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>an amount of 0 or more</source>
        <translation>ein Betrag von 0 oder mehr</translation>
    </message>
    <message>
        <source>a plain amount such as &quot;1234.50&quot;</source>
        <translation>ein einfacher Betrag wie &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>a percentage from %1 to %2</source>
        <translation>ein Prozentsatz von %1 bis %2</translation>
    </message>
    <message>
        <source>What If, %1</source>
        <translation>Was wäre, wenn, %1</translation>
    </message>
    <message>
        <source>%1 (%2 is &quot;%3&quot;.)</source>
        <translation>%1 (%2 ist „%3“.)</translation>
    </message>
    <message>
        <source>%1 must be %2.</source>
        <translation>%1 muss %2 sein.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it must be %3.</source>
        <translation>%1 ist „%2“; es muss %3 sein.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it is too large.</source>
        <translation>%1 ist „%2“; das ist zu groß.</translation>
    </message>
    <message>
        <source>a whole amount (the currency has no decimals)</source>
        <translation>ein ganzer Betrag (die Währung hat keine Nachkommastellen)</translation>
    </message>
    <message>
        <source>an amount with no more than %1 decimals</source>
        <translation>ein Betrag mit höchstens %1 Nachkommastellen</translation>
    </message>
    <message>
        <source>a number written without quotes</source>
        <translation>eine Zahl ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>%1, figure %2</source>
        <translation>%1, Betrag %2</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Darlehensart</translation>
    </message>
    <message>
        <source>&quot;table&quot; or &quot;reducing-balance&quot;</source>
        <translation>&quot;table&quot; oder &quot;reducing-balance&quot;</translation>
    </message>
    <message>
        <source>The lender country</source>
        <translation>Das Land des Kreditgebers</translation>
    </message>
    <message>
        <source>one of &quot;none&quot;, &quot;au&quot;, &quot;ca&quot;, &quot;ie&quot;, &quot;nz&quot;, &quot;uk&quot;, &quot;us&quot;</source>
        <translation>eines von &quot;none&quot;, &quot;au&quot;, &quot;ca&quot;, &quot;ie&quot;, &quot;nz&quot;, &quot;uk&quot;, &quot;us&quot;</translation>
    </message>
    <message>
        <source>It is too large to be a Hearthwise case.</source>
        <translation>Sie ist zu groß für einen Hearthwise-Fall.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Sie ist leer.</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case, or it is damaged: %1.</source>
        <translation>Sie ist kein Hearthwise-Fall oder beschädigt: %1.</translation>
    </message>
    <message>
        <source>no case in it</source>
        <translation>kein Fall darin</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case.</source>
        <translation>Sie ist kein Hearthwise-Fall.</translation>
    </message>
    <message>
        <source>Its version, &quot;%1&quot;, is not one Hearthwise knows.</source>
        <translation>Ihre Version, „%1“, kennt Hearthwise nicht.</translation>
    </message>
    <message>
        <source>It comes from a newer Hearthwise (version %1): please open it there.</source>
        <translation>Sie stammt aus einem neueren Hearthwise (Version %1): Bitte öffnen Sie sie dort.</translation>
    </message>
    <message>
        <source>The purpose</source>
        <translation>Der Zweck</translation>
    </message>
    <message>
        <source>one of the nine purposes</source>
        <translation>einer der neun Zwecke</translation>
    </message>
    <message>
        <source>Income, row %1</source>
        <translation>Einkommen, Zeile %1</translation>
    </message>
    <message>
        <source>named figures in braces, {...}</source>
        <translation>benannte Beträge in geschweiften Klammern, {...}</translation>
    </message>
    <message>
        <source>The budget period</source>
        <translation>Der Zeitraum des Haushaltsplans</translation>
    </message>
    <message>
        <source>&quot;fortnightly&quot; or &quot;monthly&quot;</source>
        <translation>&quot;fortnightly&quot; oder &quot;monthly&quot;</translation>
    </message>
    <message>
        <source>The bank charges&apos; mode</source>
        <translation>Die Art der Bankgebühren</translation>
    </message>
    <message>
        <source>&quot;percent&quot; or &quot;fixed-amount&quot;</source>
        <translation>&quot;percent&quot; oder &quot;fixed-amount&quot;</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>zwischen %1 und %2</translation>
    </message>
    <message>
        <source>The rate&apos;s compounding</source>
        <translation>Die Verzinsung des Zinssatzes</translation>
    </message>
    <message>
        <source>&quot;monthly&quot; or &quot;half-yearly&quot;</source>
        <translation>&quot;monthly&quot; oder &quot;half-yearly&quot;</translation>
    </message>
    <message>
        <source>%1 could not be opened. %2</source>
        <translation>%1 konnte nicht geöffnet werden. %2</translation>
    </message>
</context>
<context>
    <name>hw::CaseResults</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>hw::ChargesPage</name>
    <message>
        <source>Bank charges percentage</source>
        <translation>Bankgebühren in Prozent</translation>
    </message>
    <message>
        <source>&amp;Percent</source>
        <translation>&amp;Prozent</translation>
    </message>
    <message>
        <source>Bank charges amount</source>
        <translation>Bankgebühren als Betrag</translation>
    </message>
    <message>
        <source>&amp;Fixed Amount</source>
        <translation>&amp;Fester Betrag</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Summe:</translation>
    </message>
</context>
<context>
    <name>hw::ChartWindow</name>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Mortgage Options Chart</source>
        <translation>Diagramm der Finanzierungsmöglichkeiten</translation>
    </message>
    <message>
        <source>&amp;Balance over time</source>
        <translation>&amp;Restschuld im Zeitverlauf</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Tilgungsplan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>&amp;Darlehensart:</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>CSV files, comma-separated (*.csv)</source>
        <translation>CSV-Dateien, durch Kommas getrennt (*.csv)</translation>
    </message>
    <message>
        <source>CSV files for your spreadsheet, %1-separated (*.csv)</source>
        <translation>CSV-Dateien für Ihre Tabellenkalkulation, durch „%1“ getrennt (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>The schedule was saved as %1.</source>
        <translation>Der Tilgungsplan wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The schedule could not be saved as %1: %2</source>
        <translation>Der Tilgungsplan konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>hw::CompareWindow</name>
    <message>
        <source>Compare Cases</source>
        <translation>Fälle vergleichen</translation>
    </message>
    <message>
        <source>The offers side by side</source>
        <translation>Die Angebote nebeneinander</translation>
    </message>
    <message>
        <source>In bold: the lowest figure of its row among the offers that are affordable.</source>
        <translation>Fett: der niedrigste Betrag seiner Zeile unter den tragbaren Angeboten.</translation>
    </message>
    <message>
        <source>&amp;Add Saved Cases...</source>
        <translation>Gespeicherte Fälle &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Add Saved Cases</source>
        <translation>Gespeicherte Fälle hinzufügen</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Hearthwise-Fälle (*.hearthwise)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>comparison.pdf</source>
        <translation>vergleich.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer did not start.</source>
        <translation>Der Vergleich konnte nicht gedruckt werden: Der Drucker ist nicht angelaufen.</translation>
    </message>
    <message>
        <source>Up to %1 saved cases can be compared with this one.</source>
        <translation>Bis zu %1 gespeicherte Fälle können mit diesem verglichen werden.</translation>
    </message>
    <message>
        <source>Amount borrowed</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Laufzeit in Jahren</translation>
    </message>
    <message>
        <source>Monthly spare income</source>
        <translation>Monatlich frei verfügbares Einkommen</translation>
    </message>
    <message>
        <source>Lender checks</source>
        <translation>Kreditprüfung</translation>
    </message>
    <message>
        <source>%1: first repayment</source>
        <translation>%1: erste Rate</translation>
    </message>
    <message>
        <source>%1: total paid</source>
        <translation>%1: insgesamt gezahlt</translation>
    </message>
    <message>
        <source>%1: interest</source>
        <translation>%1: Zinsen</translation>
    </message>
    <message>
        <source>%1: affordable</source>
        <translation>%1: tragbar</translation>
    </message>
    <message>
        <source>The case is not complete</source>
        <translation>Der Fall ist nicht vollständig</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>the lowest of the row</source>
        <translation>der niedrigste der Zeile</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The comparison was saved as %1.</source>
        <translation>Der Vergleich wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The comparison could not be saved as %1: %2</source>
        <translation>Der Vergleich konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>hw::Durations</name>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 Jahr</numerusform>
            <numerusform>%1 Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 Monat</numerusform>
            <numerusform>%1 Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>hw::IncomePage</name>
    <message>
        <source>%1, tax rate</source>
        <translation>%1, Steuersatz</translation>
    </message>
    <message>
        <source>%1, after tax</source>
        <translation>%1, nach Steuern</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>Monthly gross taxable income</source>
        <translation>Monatliches steuerpflichtiges Bruttoeinkommen</translation>
    </message>
    <message>
        <source>Monthly income after tax</source>
        <translation>Monatliches Einkommen nach Steuern</translation>
    </message>
    <message>
        <source>Monthly Gross Taxable Income:</source>
        <translation>Monatliches steuerpflichtiges Bruttoeinkommen:</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>Nach Steuern:</translation>
    </message>
</context>
<context>
    <name>hw::InformationWindow</name>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Tell Me More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>&amp;Mehr erfahren</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecks</name>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>USA</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecksWindow</name>
    <message>
        <source>Lender Checks</source>
        <translation>Kreditprüfung</translation>
    </message>
    <message>
        <source>The usual checks of lenders in the country you choose, for each mortgage type: the published rules of that country, not advice. The debts on the Liabilities page are repaid by this loan; enter below only the debts it leaves.</source>
        <translation>Die üblichen Prüfungen der Kreditgeber im gewählten Land, für jede Darlehensart: die veröffentlichten Regeln dieses Landes, keine Beratung. Die Schulden der Seite Verbindlichkeiten werden mit diesem Darlehen abgelöst; tragen Sie unten nur die Schulden ein, die bleiben.</translation>
    </message>
    <message>
        <source>Lender &amp;Country:</source>
        <translation>&amp;Land des Kreditgebers:</translation>
    </message>
    <message>
        <source>&amp;Property Tax a Year:</source>
        <translation>&amp;Grundsteuer pro Jahr:</translation>
    </message>
    <message>
        <source>&amp;Heating a Month:</source>
        <translation>&amp;Heizkosten pro Monat:</translation>
    </message>
    <message>
        <source>Payments on Other &amp;Debts a Month:</source>
        <translation>Raten für andere &amp;Schulden pro Monat:</translation>
    </message>
    <message>
        <source>Other Credit Card &amp;Balances:</source>
        <translation>Andere &amp;Kreditkartensalden:</translation>
    </message>
    <message>
        <source>Lender checks of each mortgage type</source>
        <translation>Kreditprüfung jeder Darlehensart</translation>
    </message>
    <message>
        <source>Mortgage Type and Check</source>
        <translation>Darlehensart und Prüfung</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>What It Comes To</source>
        <translation>Was sich ergibt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1: bestanden</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1: nicht bestanden</translation>
    </message>
    <message>
        <source>Choose a lender country to see its usual checks.</source>
        <translation>Wählen Sie das Land eines Kreditgebers, um seine üblichen Prüfungen zu sehen.</translation>
    </message>
    <message>
        <source>Condominium &amp;Fees a Month:</source>
        <translation>&amp;Wohngeld pro Monat:</translation>
    </message>
</context>
<context>
    <name>hw::LenderTexts</name>
    <message>
        <source>Repayments at a higher rate</source>
        <translation>Raten bei höherem Zinssatz</translation>
    </message>
    <message>
        <source>Lenders mortgage insurance</source>
        <translation>Kreditausfallversicherung des Kreditgebers</translation>
    </message>
    <message>
        <source>Debt to income</source>
        <translation>Schulden im Verhältnis zum Einkommen</translation>
    </message>
    <message>
        <source>Gross debt service</source>
        <translation>Bruttoschuldendienstquote</translation>
    </message>
    <message>
        <source>Total debt service</source>
        <translation>Gesamtschuldendienstquote</translation>
    </message>
    <message>
        <source>Minimum down payment</source>
        <translation>Mindestanzahlung</translation>
    </message>
    <message>
        <source>Mortgage insurance</source>
        <translation>Hypothekenversicherung</translation>
    </message>
    <message>
        <source>Loan to income</source>
        <translation>Darlehen im Verhältnis zum Einkommen</translation>
    </message>
    <message>
        <source>Minimum deposit</source>
        <translation>Mindesteigenkapital</translation>
    </message>
    <message>
        <source>Loan to value</source>
        <translation>Beleihungsauslauf</translation>
    </message>
    <message>
        <source>Rates rising</source>
        <translation>Steigende Zinsen</translation>
    </message>
    <message>
        <source>Debt to income, manual underwriting</source>
        <translation>Schulden im Verhältnis zum Einkommen, manuelle Prüfung</translation>
    </message>
    <message>
        <source>Debt to income, with compensating factors</source>
        <translation>Schulden im Verhältnis zum Einkommen, mit ausgleichenden Faktoren</translation>
    </message>
    <message>
        <source>Debt to income, automated underwriting</source>
        <translation>Schulden im Verhältnis zum Einkommen, automatisierte Prüfung</translation>
    </message>
    <message>
        <source>Private mortgage insurance</source>
        <translation>Private Hypothekenversicherung</translation>
    </message>
    <message>
        <source>There is no gross income to test the loan against.</source>
        <translation>Es gibt kein Bruttoeinkommen, an dem das Darlehen gemessen werden kann.</translation>
    </message>
    <message>
        <source>Tested at %1 (your rate plus the 3-point buffer): %2 a month; %3 is spare</source>
        <translation>Geprüft mit %1 (Ihr Zinssatz plus 3 Punkte Puffer): %2 im Monat; %3 frei verfügbar</translation>
    </message>
    <message>
        <source>Loan to value %1: lenders mortgage insurance is usually required above 80%</source>
        <translation>Beleihungsauslauf %1: Über 80 % ist meist eine Kreditausfallversicherung des Kreditgebers nötig</translation>
    </message>
    <message>
        <source>Loan to value %1: no lenders mortgage insurance at 80% or less</source>
        <translation>Beleihungsauslauf %1: Bis 80 % keine Kreditausfallversicherung des Kreditgebers</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; banks may lend above 6 times only in limited numbers</source>
        <translation>Schulden das %1-Fache Ihres Bruttoeinkommens; Banken dürfen über das 6-Fache nur in begrenzter Zahl leihen</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; lenders limit loans of 6 times or more</source>
        <translation>Schulden das %1-Fache Ihres Bruttoeinkommens; Kreditgeber begrenzen Darlehen ab dem 6-Fachen</translation>
    </message>
    <message>
        <source>Tested at %1: housing costs take %2 of your gross income; at most %3</source>
        <translation>Geprüft mit %1: Wohnkosten beanspruchen %2 Ihres Bruttoeinkommens; höchstens %3</translation>
    </message>
    <message>
        <source>Tested at %1: housing and other debts take %2 of your gross income; at most %3</source>
        <translation>Geprüft mit %1: Wohnkosten und andere Schulden beanspruchen %2 Ihres Bruttoeinkommens; höchstens %3</translation>
    </message>
    <message>
        <source>Down payment %1; at least %2 is needed</source>
        <translation>Anzahlung %1; mindestens %2 sind nötig</translation>
    </message>
    <message>
        <source>Loan to value %1: no loan above 95% can be insured</source>
        <translation>Beleihungsauslauf %1: Über 95 % kann kein Darlehen versichert werden</translation>
    </message>
    <message>
        <source>Loan to value %1: mortgage insurance is required; its premium of %2, %3, is added to the loan</source>
        <translation>Beleihungsauslauf %1: Eine Hypothekenversicherung ist nötig; ihre Prämie von %2, %3, wird dem Darlehen zugeschlagen</translation>
    </message>
    <message>
        <source>Loan to value %1: no mortgage insurance needed at 80% or less</source>
        <translation>Beleihungsauslauf %1: Bis 80 % ist keine Hypothekenversicherung nötig</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; at most %2 times</source>
        <translation>Darlehen das %1-Fache Ihres Bruttoeinkommens; höchstens das %2-Fache</translation>
    </message>
    <message>
        <source>Loan to value %1; at most 90% (a deposit of at least 10%)</source>
        <translation>Beleihungsauslauf %1; höchstens 90 % (mindestens 10 % Eigenkapital)</translation>
    </message>
    <message>
        <source>Loan to value %1; banks may lend above 80% only in limited numbers</source>
        <translation>Beleihungsauslauf %1; Banken dürfen über 80 % nur in begrenzter Zahl leihen</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; lenders limit loans of 4.5 times or more</source>
        <translation>Darlehen das %1-Fache Ihres Bruttoeinkommens; Kreditgeber begrenzen Darlehen ab dem 4,5-Fachen</translation>
    </message>
    <message>
        <source>Lenders allow for rates rising: What If, Rates rise, is their stress test</source>
        <translation>Kreditgeber rechnen mit steigenden Zinsen: Was wäre, wenn, Zinsanstieg, ist ihr Stresstest</translation>
    </message>
    <message>
        <source>Housing and other debts take %1 of your gross income; at most %2</source>
        <translation>Wohnkosten und andere Schulden beanspruchen %1 Ihres Bruttoeinkommens; höchstens %2</translation>
    </message>
    <message>
        <source>Loan to value %1: private mortgage insurance is usually required, and can be cancelled at 80% of the original value</source>
        <translation>Beleihungsauslauf %1: Eine private Hypothekenversicherung ist meist nötig und kann bei 80 % des ursprünglichen Werts gekündigt werden</translation>
    </message>
    <message>
        <source>Loan to value %1: no private mortgage insurance at 80% or less</source>
        <translation>Beleihungsauslauf %1: Bis 80 % keine private Hypothekenversicherung</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Fails</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%1: %2 of %3 types pass the usual lender checks</source>
        <translation>%1: %2 von %3 Arten bestehen die üblichen Kreditprüfungen</translation>
    </message>
    <message>
        <source>%1: %2 of %3 pass</source>
        <translation>%1: %2 von %3 bestanden</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1: bestanden</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1: nicht bestanden</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>APRA: a serviceability buffer of 3 points (letter of October 2021, since November 2021); interest-only loans tested on principal and interest (APG 223); debt-to-income of 6 or more limited (from 1 February 2026). Lenders mortgage insurance is priced by insurers, usually above 80% loan to value.</source>
        <translation>APRA: ein Zinspuffer von 3 Punkten (Schreiben vom Oktober 2021, seit November 2021); endfällige Darlehen werden mit Zins und Tilgung geprüft (APG 223); Schulden ab dem 6-Fachen des Einkommens begrenzt (seit 1. Februar 2026). Die Kreditausfallversicherung des Kreditgebers wird von Versicherern bepreist, meist über 80 % Beleihungsauslauf.</translation>
    </message>
    <message>
        <source>OSFI and the Department of Finance: the minimum qualifying rate, the greater of the rate plus 2 points and 5.25% (since 1 June 2021); CMHC: gross and total debt service of 39% and 44% (since 5 July 2021) and its premiums; the minimum down payment (since 15 December 2024).</source>
        <translation>OSFI und Finanzministerium: der Mindestqualifikationszins, der höhere Wert aus Zinssatz plus 2 Punkte und 5,25 % (seit 1. Juni 2021); CMHC: Brutto- und Gesamtschuldendienstquote von 39 % und 44 % (seit 5. Juli 2021) und ihre Prämien; die Mindestanzahlung (seit 15. Dezember 2024).</translation>
    </message>
    <message>
        <source>Central Bank of Ireland mortgage measures (since January 2023): loan to income 4 times for first-time buyers, 3.5 for others; a deposit of 10%.</source>
        <translation>Hypothekenmaßnahmen der Central Bank of Ireland (seit Januar 2023): Darlehen bis zum 4-Fachen des Einkommens für Erstkäufer, 3,5 für andere; 10 % Eigenkapital.</translation>
    </message>
    <message>
        <source>Reserve Bank of New Zealand: debt-to-income above 6 limited (since 1 July 2024); loan-to-value above 80% limited (since 1 December 2025).</source>
        <translation>Reserve Bank of New Zealand: Schulden über dem 6-Fachen des Einkommens begrenzt (seit 1. Juli 2024); Beleihungsauslauf über 80 % begrenzt (seit 1. Dezember 2025).</translation>
    </message>
    <message>
        <source>Bank of England FPC: loans of 4.5 times income or more limited to 15% of new mortgages (since 2014); FCA MCOB 11.6.18R: lenders allow for rates rising.</source>
        <translation>FPC der Bank of England: Darlehen ab dem 4,5-Fachen des Einkommens auf 15 % der neuen Hypotheken begrenzt (seit 2014); FCA MCOB 11.6.18R: Kreditgeber rechnen mit steigenden Zinsen.</translation>
    </message>
    <message>
        <source>Fannie Mae Selling Guide: debt-to-income 36% manual, 45% with compensating factors, 50% automated; the Homeowners Protection Act on private mortgage insurance.</source>
        <translation>Fannie Mae Selling Guide: Schulden im Verhältnis zum Einkommen 36 % bei manueller Prüfung, 45 % mit ausgleichenden Faktoren, 50 % bei automatisierter Prüfung; der Homeowners Protection Act zur privaten Hypothekenversicherung.</translation>
    </message>
</context>
<context>
    <name>hw::LoanQuestions</name>
    <message>
        <source>How often you pay can be worked out for the Table and Reducing Balance types.</source>
        <translation>Wie oft Sie zahlen, lässt sich für Annuitätendarlehen und Tilgungsdarlehen berechnen.</translation>
    </message>
    <message>
        <source>The savings in the offset account must be between 0 and the amount borrowed.</source>
        <translation>Das Guthaben auf dem Verrechnungskonto muss zwischen 0 und dem Darlehensbetrag liegen.</translation>
    </message>
    <message>
        <source>The savings added each month must be at least 0 and less than the amount borrowed.</source>
        <translation>Das monatlich hinzukommende Guthaben muss mindestens 0 und kleiner als der Darlehensbetrag sein.</translation>
    </message>
</context>
<context>
    <name>hw::MainWindow</name>
    <message>
        <source>Hearthwise</source>
        <translation>Hearthwise</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>&amp;Mehr erfahren</translation>
    </message>
    <message>
        <source>&amp;Handbook</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;About Hearthwise</source>
        <translation>&amp;Über Hearthwise</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Back returns to the previous page. Your entries are kept.</source>
        <translation>Zurück kehrt zur vorigen Seite zurück. Ihre Eingaben bleiben erhalten.</translation>
    </message>
    <message>
        <source>Next checks this page, works out its totals if needed and moves to the next page.</source>
        <translation>Weiter prüft diese Seite, berechnet bei Bedarf ihre Summen und geht zur nächsten Seite.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Schritt %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1, Schritt %2 von %3</translation>
    </message>
    <message>
        <source>The handbook is not where Hearthwise looks for it: %1</source>
        <translation>Das Handbuch ist nicht dort, wo Hearthwise es sucht: %1</translation>
    </message>
    <message>
        <source>Nothing on this computer could open the handbook. You can open it in your web browser: %1</source>
        <translation>Nichts auf diesem Computer konnte das Handbuch öffnen. Sie können es in Ihrem Webbrowser öffnen: %1</translation>
    </message>
    <message>
        <source>Save this case before leaving?</source>
        <translation>Diesen Fall vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before leaving?</source>
        <translation>Die Änderungen an %1 vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Möchten Sie Hearthwise wirklich beenden?</translation>
    </message>
    <message>
        <source>Thank you for using Hearthwise.</source>
        <translation>Danke, dass Sie Hearthwise verwendet haben.</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Hearthwise-Fälle (*.hearthwise)</translation>
    </message>
    <message>
        <source>Fi&amp;le</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Case</source>
        <translation>&amp;Neuer Fall</translation>
    </message>
    <message>
        <source>&amp;Open Case...</source>
        <translation>Fall ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Case</source>
        <translation>Fall &amp;speichern</translation>
    </message>
    <message>
        <source>Save Case &amp;As...</source>
        <translation>Fall speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Compare Cases...</source>
        <translation>Fälle &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save this case before opening another?</source>
        <translation>Diesen Fall speichern, bevor ein anderer geöffnet wird?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before opening another case?</source>
        <translation>Die Änderungen an %1 speichern, bevor ein anderer Fall geöffnet wird?</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Fall öffnen</translation>
    </message>
    <message>
        <source>Save this case before starting a new one?</source>
        <translation>Diesen Fall speichern, bevor ein neuer begonnen wird?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before starting a new case?</source>
        <translation>Die Änderungen an %1 speichern, bevor ein neuer Fall begonnen wird?</translation>
    </message>
    <message>
        <source>Save Case As</source>
        <translation>Fall speichern unter</translation>
    </message>
    <message>
        <source>case</source>
        <translation>fall</translation>
    </message>
    <message>
        <source>The case could not be saved as %1: %2</source>
        <translation>Der Fall konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Hearthwise speaks %1 now, but could not keep the choice for its next start.</source>
        <translation>Hearthwise spricht jetzt %1, konnte die Wahl aber nicht für den nächsten Start speichern.</translation>
    </message>
    <message>
        <source>This case</source>
        <translation>Dieser Fall</translation>
    </message>
</context>
<context>
    <name>hw::Message</name>
    <message>
        <source>For more information on any page click on &apos;Tell Me More&apos; in the Help menu.</source>
        <translation>Mehr zu jeder Seite erfahren Sie über „Mehr erfahren“ im Menü Hilfe.</translation>
    </message>
</context>
<context>
    <name>hw::MessageBox</name>
    <message>
        <source>Hearthwise</source>
        <translation>Hearthwise</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>hw::MortgageReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>Was wäre, wenn</translation>
    </message>
    <message>
        <source>Lender Checks</source>
        <translation>Kreditprüfung</translation>
    </message>
    <message>
        <source>Monthly Repayments</source>
        <translation>Monatsraten</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Zweck:</translation>
    </message>
    <message>
        <source>Amount borrowed:</source>
        <translation>Darlehensbetrag:</translation>
    </message>
    <message>
        <source>Term in years:</source>
        <translation>Laufzeit in Jahren:</translation>
    </message>
    <message>
        <source>Interest rate:</source>
        <translation>Zinssatz:</translation>
    </message>
    <message>
        <source>Monthly spare income:</source>
        <translation>Monatlich frei verfügbares Einkommen:</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>Insgesamt gezahlt</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Type of Mortgage</source>
        <translation>Darlehensart</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>Diese Möglichkeit ist nicht tragbar</translation>
    </message>
    <message>
        <source>Term: the years the loan runs; for the endowment and revolving credit types, the years until it is paid off.</source>
        <translation>Laufzeit: die Jahre, die das Darlehen läuft; bei den Arten mit Lebensversicherung und den revolvierenden Krediten die Jahre bis zur vollständigen Rückzahlung.</translation>
    </message>
    <message>
        <source>Monthly Repayments: what you pay in the first and in the last month. The revolving credit types have no set repayment (Variant): your spare income goes into the loan each month.</source>
        <translation>Monatsraten: was Sie im ersten und im letzten Monat zahlen. Die revolvierenden Kredite haben keine feste Rate (Variabel): Ihr frei verfügbares Einkommen fließt jeden Monat in das Darlehen.</translation>
    </message>
    <message>
        <source>Total Paid: everything you pay over the term; Interest Total Paid: the part of it that is interest.</source>
        <translation>Insgesamt gezahlt: alles, was Sie über die Laufzeit zahlen; Zinsen insgesamt: der Teil davon, der Zinsen sind.</translation>
    </message>
    <message>
        <source>Final Balance: what is still owed at the end of the term, to be repaid another way.</source>
        <translation>Restschuld: was am Ende der Laufzeit noch geschuldet wird und anders zurückgezahlt werden muss.</translation>
    </message>
    <message>
        <source>The figures are worked out from the amount, rate, term and spare income above. They are not an offer of a loan: ask your lender for its own figures.</source>
        <translation>Die Beträge werden aus Betrag, Zinssatz, Laufzeit und dem frei verfügbaren Einkommen oben berechnet. Sie sind kein Darlehensangebot: Fragen Sie Ihren Kreditgeber nach seinen eigenen Zahlen.</translation>
    </message>
    <message>
        <source>Reading the table</source>
        <translation>So lesen Sie die Tabelle</translation>
    </message>
    <message>
        <source>Outstanding Balance over Time</source>
        <translation>Restschuld im Zeitverlauf</translation>
    </message>
    <message>
        <source>What is still owed at the end of each month, for every type that is affordable.</source>
        <translation>Was am Ende jedes Monats noch geschuldet wird, für jede tragbare Darlehensart.</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>Finanzierungsmöglichkeiten</translation>
    </message>
    <message>
        <source>Interest
Total Paid</source>
        <translation>Zinsen
insgesamt</translation>
    </message>
    <message>
        <source>Final
Balance</source>
        <translation>Rest-
schuld</translation>
    </message>
</context>
<context>
    <name>hw::NumericField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>Dieser Betrag ist zu groß.</translation>
    </message>
    <message>
        <source>Please enter a number of 0 or more.</source>
        <translation>Bitte geben Sie eine Zahl von 0 oder mehr ein.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>This currency has no decimals: please enter a whole amount.</source>
        <translation>Diese Währung hat keine Nachkommastellen: Bitte geben Sie einen ganzen Betrag ein.</translation>
    </message>
    <message>
        <source>Please enter an amount with no more decimals than the currency shows.</source>
        <translation>Bitte geben Sie einen Betrag mit nicht mehr Nachkommastellen ein, als die Währung zeigt.</translation>
    </message>
</context>
<context>
    <name>hw::OptionTexts</name>
    <message>
        <source>Table</source>
        <translation>Annuitätendarlehen</translation>
    </message>
    <message>
        <source>Reducing Balance</source>
        <translation>Tilgungsdarlehen</translation>
    </message>
    <message>
        <source>Interest Only</source>
        <translation>Endfälliges Darlehen</translation>
    </message>
    <message>
        <source>Table Endowment</source>
        <translation>Annuitätendarlehen mit Lebensversicherung</translation>
    </message>
    <message>
        <source>Interest Only Endowment</source>
        <translation>Endfälliges Darlehen mit Lebensversicherung</translation>
    </message>
    <message>
        <source>Revolving Credit with Cash Management</source>
        <translation>Revolvierender Kredit mit Kontoführung</translation>
    </message>
    <message>
        <source>Revolving Credit with Credit Card Management</source>
        <translation>Revolvierender Kredit mit Kreditkarte</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>Needs %1 a month; %2 is spare</source>
        <translation>Braucht %1 im Monat; %2 sind frei verfügbar</translation>
    </message>
    <message>
        <source>The first month&apos;s interest, %1, is more than the %2 spare</source>
        <translation>Die Zinsen des ersten Monats, %1, übersteigen die frei verfügbaren %2</translation>
    </message>
    <message>
        <source>The fund never reaches the amount borrowed at this rate</source>
        <translation>Das Guthaben erreicht bei diesem Zinssatz nie den Darlehensbetrag</translation>
    </message>
    <message>
        <source>The spare income does not cover the interest</source>
        <translation>Das frei verfügbare Einkommen deckt die Zinsen nicht</translation>
    </message>
</context>
<context>
    <name>hw::PageBuilder</name>
    <message>
        <source>Current Domestic Residence:</source>
        <translation>Selbst genutzte Immobilie:</translation>
    </message>
    <message>
        <source>Combined Rental Properties:</source>
        <translation>Vermietete Immobilien zusammen:</translation>
    </message>
    <message>
        <source>Combined Value of Vehicles:</source>
        <translation>Wert der Fahrzeuge zusammen:</translation>
    </message>
    <message>
        <source>Surrender Value Of Life Policies:</source>
        <translation>Rückkaufswert von Lebensversicherungen:</translation>
    </message>
    <message>
        <source>Other Land or Section Value:</source>
        <translation>Wert anderer Grundstücke:</translation>
    </message>
    <message>
        <source>Managed Funds:</source>
        <translation>Investmentfonds:</translation>
    </message>
    <message>
        <source>Superannuation:</source>
        <translation>Altersvorsorge:</translation>
    </message>
    <message>
        <source>Savings:</source>
        <translation>Ersparnisse:</translation>
    </message>
    <message>
        <source>Shares:</source>
        <translation>Aktien:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Sonstiges:</translation>
    </message>
    <message>
        <source>Domestic Mortgage:</source>
        <translation>Hypothek auf das Eigenheim:</translation>
    </message>
    <message>
        <source>Personal Loans:</source>
        <translation>Vermietete Immobilien zusammen:</translation>
    </message>
    <message>
        <source>Hire Purchases  (inc. Car):</source>
        <translation>Ratenkäufe (inkl. Auto):</translation>
    </message>
    <message>
        <source>Credit Card Balances:</source>
        <translation>Kreditkartensalden:</translation>
    </message>
    <message>
        <source>Annual Gross Taxable Income:</source>
        <translation>Steuerpflichtiges Jahresbruttoeinkommen:</translation>
    </message>
    <message>
        <source>Other Annual Gross Income:</source>
        <translation>Sonstiges Jahresbruttoeinkommen:</translation>
    </message>
    <message>
        <source>Any Other Annual Gross Income:</source>
        <translation>Weiteres Jahresbruttoeinkommen:</translation>
    </message>
    <message>
        <source>Tax Rate:</source>
        <translation>Steuersatz:</translation>
    </message>
    <message>
        <source>Household Shopping (Food and Groceries, Meals out...):</source>
        <translation>Haushalt (Lebensmittel, Essen auswärts...):</translation>
    </message>
    <message>
        <source>Utilities (Telephone, Electricity, LPG...):</source>
        <translation>Nebenkosten (Telefon, Strom, Gas...):</translation>
    </message>
    <message>
        <source>Transportation (Fuel, Maintenance, Road Taxes...):</source>
        <translation>Verkehr (Kraftstoff, Wartung, Kfz-Steuer...):</translation>
    </message>
    <message>
        <source>Insurance (Vehicles, Medical, Life... ):</source>
        <translation>Versicherungen (Fahrzeuge, Kranken, Leben... ):</translation>
    </message>
    <message>
        <source>Education (Schooling, University, Childcare...):</source>
        <translation>Bildung (Schule, Studium, Kinderbetreuung...):</translation>
    </message>
    <message>
        <source>Leisure (Entertainment, Gifts, TV...):</source>
        <translation>Freizeit (Unterhaltung, Geschenke, Fernsehen...):</translation>
    </message>
    <message>
        <source>Other (Clothing, Pets, Donations...):</source>
        <translation>Sonstiges (Kleidung, Haustiere, Spenden...):</translation>
    </message>
    <message>
        <source>Valuation Fees:</source>
        <translation>Gutachterkosten:</translation>
    </message>
    <message>
        <source>Legal or Conveyancing Costs:</source>
        <translation>Notar- und Grundbuchkosten:</translation>
    </message>
    <message>
        <source>Bank Charges:</source>
        <translation>Bankgebühren:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Zinssatz:</translation>
    </message>
    <message>
        <source>Term in Years:</source>
        <translation>Laufzeit in Jahren:</translation>
    </message>
    <message>
        <source>Property Tax a Year:</source>
        <translation>Grundsteuer pro Jahr:</translation>
    </message>
    <message>
        <source>Heating a Month:</source>
        <translation>Heizkosten pro Monat:</translation>
    </message>
    <message>
        <source>Condominium Fees a Month:</source>
        <translation>Wohngeld pro Monat:</translation>
    </message>
    <message>
        <source>Payments on Other Debts a Month:</source>
        <translation>Raten für andere Schulden pro Monat:</translation>
    </message>
    <message>
        <source>Other Credit Card Balances:</source>
        <translation>Andere Kreditkartensalden:</translation>
    </message>
    <message>
        <source>Total Current Debts:</source>
        <translation>Aktuelle Schulden gesamt:</translation>
    </message>
    <message>
        <source>Total current Debts:</source>
        <translation>Aktuelle Schulden gesamt:</translation>
    </message>
    <message>
        <source>Your Contribution:</source>
        <translation>Ihr Eigenkapital:</translation>
    </message>
    <message>
        <source>Your Cash Contribution:</source>
        <translation>Ihr Eigenkapital in bar:</translation>
    </message>
    <message>
        <source>Cash you wish to withhold:</source>
        <translation>Bargeld, das Sie behalten möchten:</translation>
    </message>
    <message>
        <source>Your Equity:</source>
        <translation>Ihr Vermögensanteil:</translation>
    </message>
    <message>
        <source>Purchase Price:</source>
        <translation>Kaufpreis:</translation>
    </message>
    <message>
        <source>Value of Land:</source>
        <translation>Grundstückswert:</translation>
    </message>
    <message>
        <source>Total Cost to Build:</source>
        <translation>Baukosten gesamt:</translation>
    </message>
    <message>
        <source>Current Value of Your Home:</source>
        <translation>Aktueller Wert Ihres Hauses:</translation>
    </message>
    <message>
        <source>Total Cost of the Improvements:</source>
        <translation>Kosten der Modernisierung gesamt:</translation>
    </message>
    <message>
        <source>Selling Price: </source>
        <translation>Verkaufspreis: </translation>
    </message>
    <message>
        <source>Real Estate Fees:</source>
        <translation>Maklergebühren:</translation>
    </message>
    <message>
        <source>Selling Price:</source>
        <translation>Verkaufspreis:</translation>
    </message>
    <message>
        <source>Cost of Land:</source>
        <translation>Grundstückskosten:</translation>
    </message>
    <message>
        <source>Cost to Build:</source>
        <translation>Baukosten:</translation>
    </message>
    <message>
        <source>Purchase Price of new Property:</source>
        <translation>Kaufpreis der neuen Immobilie:</translation>
    </message>
    <message>
        <source>Total Value of other Properties:</source>
        <translation>Gesamtwert anderer Immobilien:</translation>
    </message>
    <message>
        <source>Total Value of Properties:</source>
        <translation>Gesamtwert der Immobilien:</translation>
    </message>
    <message>
        <source>Total value of Properties: </source>
        <translation>Gesamtwert der Immobilien: </translation>
    </message>
    <message>
        <source>Amount You Want To Borrow:</source>
        <translation>Gewünschter Darlehensbetrag:</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>Nach Steuern:</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Zwischensumme:</translation>
    </message>
    <message>
        <source>Total Before Bank Charges:</source>
        <translation>Summe vor Bankgebühren:</translation>
    </message>
</context>
<context>
    <name>hw::PicturePage</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Danke</translation>
    </message>
</context>
<context>
    <name>hw::PreviewWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Als PDF &amp;speichern...</translation>
    </message>
    <message>
        <source>C&amp;hart Page</source>
        <translation>Diagrammsei&amp;te</translation>
    </message>
    <message>
        <source>Add a page with the chart of the balances over time</source>
        <translation>Eine Seite mit dem Diagramm der Restschuld im Zeitverlauf anfügen</translation>
    </message>
    <message>
        <source>Wh&amp;at If Page</source>
        <translation>Seite „&amp;Was wäre, wenn“</translation>
    </message>
    <message>
        <source>Add a page with the What If answers</source>
        <translation>Eine Seite mit den Antworten von „Was wäre, wenn“ anfügen</translation>
    </message>
    <message>
        <source>&amp;Lender Checks Page</source>
        <translation>Seite Kredit&amp;prüfung</translation>
    </message>
    <message>
        <source>Add a page with each type&apos;s lender checks</source>
        <translation>Eine Seite mit der Kreditprüfung jeder Darlehensart anfügen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit Width</source>
        <translation>An Seiten&amp;breite anpassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print the report (Ctrl+P)</source>
        <translation>Den Bericht drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Save the report as a PDF file (Ctrl+S)</source>
        <translation>Den Bericht als PDF-Datei speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report was saved as %1.</source>
        <translation>Der Bericht wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>hw::PurposeChoicePage</name>
    <message>
        <source>First Home Buyer</source>
        <translation>Erster Hauskauf</translation>
    </message>
    <message>
        <source>First Home Builder</source>
        <translation>Erster Hausbau</translation>
    </message>
    <message>
        <source>Home Improvement</source>
        <translation>Modernisierung</translation>
    </message>
    <message>
        <source>Selling and Buying</source>
        <translation>Verkaufen und kaufen</translation>
    </message>
    <message>
        <source>Selling and Building</source>
        <translation>Verkaufen und bauen</translation>
    </message>
    <message>
        <source>Additional Real Estate Purchase</source>
        <translation>Kauf einer weiteren Immobilie</translation>
    </message>
    <message>
        <source>Additional Building</source>
        <translation>Weiterer Bau</translation>
    </message>
    <message>
        <source>Refinance</source>
        <translation>Umschuldung</translation>
    </message>
    <message>
        <source>Other Loans</source>
        <translation>Sonstige Darlehen</translation>
    </message>
    <message>
        <source>Purpose of the mortgage</source>
        <translation>Zweck des Darlehens</translation>
    </message>
</context>
<context>
    <name>hw::RatePage</name>
    <message>
        <source>Fixed Rate</source>
        <translation>Festzins</translation>
    </message>
    <message>
        <source>Adjustable Rate</source>
        <translation>Variabler Zins</translation>
    </message>
    <message>
        <source>Capped Rate</source>
        <translation>Zins mit Obergrenze</translation>
    </message>
    <message>
        <source>Compounded:</source>
        <translation>Verzinsung:</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Monatlich</translation>
    </message>
    <message>
        <source>Half-&amp;yearly</source>
        <translation>Ha&amp;lbjährlich</translation>
    </message>
    <message>
        <source>How the interest rate compounds</source>
        <translation>Wie der Zinssatz verzinst wird</translation>
    </message>
    <message>
        <source>Types of interest rate:</source>
        <translation>Arten von Zinssätzen:</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>hw::ReportCommand</name>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>hw::RequirementPage</name>
    <message>
        <source>Total:</source>
        <translation>Summe:</translation>
    </message>
    <message>
        <source>Selling</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Buying</source>
        <translation>Kauf</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Bau</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Summe: </translation>
    </message>
</context>
<context>
    <name>hw::ResultsCommand</name>
    <message>
        <source>Usage: hearthwise [FILE]
       hearthwise --results FILE [--format csv|json]
       hearthwise --report FILE --pdf OUT.pdf [--chart]
  FILE             open the saved case in the window
  --results FILE   print the results of a saved case and exit
  --format FORMAT  csv (the default) or json
  --report FILE    write the report &quot;Mortgage Options&quot; of a saved case
  --pdf OUT.pdf    the PDF file the report is written to
  --chart          add the chart of the balances to the report
  --version        print the version and exit
  --help           print this help and exit
</source>
        <translation>Aufruf: hearthwise [DATEI]
       hearthwise --results DATEI [--format csv|json]
       hearthwise --report DATEI --pdf AUSGABE.pdf [--chart]
  DATEI            den gespeicherten Fall im Fenster öffnen
  --results DATEI  die Ergebnisse eines gespeicherten Falls ausgeben und beenden
  --format FORMAT  csv (Vorgabe) oder json
  --report DATEI   den Bericht „Finanzierungsmöglichkeiten“ eines gespeicherten Falls schreiben
  --pdf AUSGABE.pdf  die PDF-Datei, in die der Bericht geschrieben wird
  --chart          dem Bericht das Diagramm der Restschuld anfügen
  --version        die Version ausgeben und beenden
  --help           diese Hilfe ausgeben und beenden
</translation>
    </message>
    <message>
        <source>%1 (hearthwise --help lists the options)</source>
        <translation>%1 (hearthwise --help nennt die Optionen)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Give one case file to open.</source>
        <translation>Geben Sie eine Falldatei zum Öffnen an.</translation>
    </message>
    <message>
        <source>Give the PDF file to write with --pdf OUT.pdf.</source>
        <translation>Geben Sie mit --pdf AUSGABE.pdf die zu schreibende PDF-Datei an.</translation>
    </message>
    <message>
        <source>The report would replace the case file it is made from: %1</source>
        <translation>Der Bericht würde die Falldatei ersetzen, aus der er entsteht: %1</translation>
    </message>
    <message>
        <source>Give the case file with --results FILE.</source>
        <translation>Geben Sie die Falldatei mit --results DATEI an.</translation>
    </message>
    <message>
        <source>--pdf and --chart go with --report FILE.</source>
        <translation>--pdf und --chart gehören zu --report DATEI.</translation>
    </message>
    <message>
        <source>Unknown format: %1 (csv or json)</source>
        <translation>Unbekanntes Format: %1 (csv oder json)</translation>
    </message>
    <message>
        <source>%1 stops short of its results: %2</source>
        <translation>%1 endet vor seinen Ergebnissen: %2</translation>
    </message>
    <message>
        <source>The report needs the program&apos;s windows: hearthwise --report FILE --pdf OUT.pdf</source>
        <translation>Der Bericht braucht die Fenster des Programms: hearthwise --report DATEI --pdf AUSGABE.pdf</translation>
    </message>
</context>
<context>
    <name>hw::ResultsPage</name>
    <message>
        <source>Mortgage Type</source>
        <translation>Darlehensart</translation>
    </message>
    <message>
        <source> Term    Years</source>
        <translation> Laufzeit    Jahre</translation>
    </message>
    <message>
        <source>Monthly Repayments First                 Last</source>
        <translation>Monatsraten Erste                 Letzte</translation>
    </message>
    <message>
        <source>Total   Amount Paid</source>
        <translation>Insgesamt   gezahlt</translation>
    </message>
    <message>
        <source>Interest  Total Paid</source>
        <translation>Zinsen  insgesamt</translation>
    </message>
    <message>
        <source>Final  Balance</source>
        <translation>Rest-  schuld</translation>
    </message>
    <message>
        <source>&amp;What If</source>
        <translation>Was wäre, we&amp;nn</translation>
    </message>
    <message>
        <source>What if rates rise, how much could we borrow, paying extra, a fixed rate that ends</source>
        <translation>Was, wenn die Zinsen steigen, wie viel wir leihen könnten, mehr zahlen, ein Festzins, der endet</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>The balance of each type over the years, and its month-by-month schedule</source>
        <translation>Die Restschuld jeder Darlehensart im Lauf der Jahre und ihr monatlicher Tilgungsplan</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>Verg&amp;leichen</translation>
    </message>
    <message>
        <source>This case beside saved cases</source>
        <translation>Dieser Fall neben gespeicherten Fällen</translation>
    </message>
    <message>
        <source>Lender Chec&amp;ks</source>
        <translation>&amp;Kreditprüfung</translation>
    </message>
    <message>
        <source>The usual checks of lenders in your country, for each type</source>
        <translation>Die üblichen Prüfungen der Kreditgeber in Ihrem Land, für jede Darlehensart</translation>
    </message>
    <message>
        <source>Shaded: the lowest first repayment and the lowest total paid among the types you can afford that repay the loan.</source>
        <translation>Schattiert: die niedrigste erste Rate und Gesamtzahlung der tragbaren Arten, die das Darlehen tilgen.</translation>
    </message>
    <message>
        <source>%1, term in years</source>
        <translation>%1, Laufzeit in Jahren</translation>
    </message>
    <message>
        <source>%1, first monthly repayment</source>
        <translation>%1, erste Monatsrate</translation>
    </message>
    <message>
        <source>%1, last monthly repayment</source>
        <translation>%1, letzte Monatsrate</translation>
    </message>
    <message>
        <source>%1, total amount paid</source>
        <translation>%1, insgesamt gezahlter Betrag</translation>
    </message>
    <message>
        <source>%1, interest total paid</source>
        <translation>%1, Zinsen insgesamt</translation>
    </message>
    <message>
        <source>%1, final balance</source>
        <translation>%1, Restschuld</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>Diese Möglichkeit ist nicht tragbar</translation>
    </message>
    <message>
        <source>%1: This option is not affordable</source>
        <translation>%1: Diese Möglichkeit ist nicht tragbar</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>Tragbar</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>Nicht tragbar</translation>
    </message>
    <message>
        <source>Not affordable: %1</source>
        <translation>Nicht tragbar: %1</translation>
    </message>
    <message>
        <source>The lowest of the affordable types that repay the loan</source>
        <translation>Die niedrigste der tragbaren Darlehensarten, die das Darlehen zurückzahlen</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>Finanzierungsmöglichkeiten</translation>
    </message>
    <message>
        <source>%1 compounded half-yearly</source>
        <translation>%1 bei halbjährlicher Verzinsung</translation>
    </message>
    <message>
        <source>Amount borrowed:  %1  at  %2</source>
        <translation>Darlehensbetrag:  %1  zu  %2</translation>
    </message>
</context>
<context>
    <name>hw::SaveAs</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The printing system could not make the PDF.</source>
        <translation>Das Drucksystem konnte das PDF nicht erzeugen.</translation>
    </message>
</context>
<context>
    <name>hw::StepPage</name>
    <message>
        <source>If you are refinancing your debt must be over $0!</source>
        <translation>Bei einer Umschuldung müssen Ihre Schulden über 0 $ liegen!</translation>
    </message>
    <message>
        <source>Please enter your income value.</source>
        <translation>Bitte geben Sie Ihr Einkommen ein.</translation>
    </message>
    <message>
        <source>Tax rate must be less than 100%.</source>
        <translation>Der Steuersatz muss unter 100 % liegen.</translation>
    </message>
    <message>
        <source>The amount you want to borrow must be over $0!</source>
        <translation>Der gewünschte Darlehensbetrag muss über 0 $ liegen!</translation>
    </message>
    <message>
        <source>Interest rate must be less than 100%.</source>
        <translation>Der Zinssatz muss unter 100 % liegen.</translation>
    </message>
    <message>
        <source>Term in years must be between 0.1 and 100.</source>
        <translation>Die Laufzeit in Jahren muss zwischen 0,1 und 100 liegen.</translation>
    </message>
    <message>
        <source>Please enter Selling Price.</source>
        <translation>Bitte geben Sie den Verkaufspreis ein.</translation>
    </message>
    <message>
        <source>Please enter Purchase Price.</source>
        <translation>Bitte geben Sie den Kaufpreis ein.</translation>
    </message>
    <message>
        <source>Please enter Cost to build.</source>
        <translation>Bitte geben Sie die Baukosten ein.</translation>
    </message>
    <message>
        <source>Please enter required value.</source>
        <translation>Bitte geben Sie den erforderlichen Wert ein.</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>Dieser Betrag ist zu groß.</translation>
    </message>
    <message>
        <source>Bank Charges must be less than 100%.</source>
        <translation>Die Bankgebühren müssen unter 100 % liegen.</translation>
    </message>
    <message>
        <source>ASSETS</source>
        <translation>VERMÖGEN</translation>
    </message>
    <message>
        <source>LIABILITIES</source>
        <translation>VERBINDLICHKEITEN</translation>
    </message>
    <message>
        <source>INCOME</source>
        <translation>EINKOMMEN</translation>
    </message>
    <message>
        <source>EXPENSES</source>
        <translation>AUSGABEN</translation>
    </message>
    <message>
        <source>FEES AND BANK CHARGES</source>
        <translation>GEBÜHREN UND BANKGEBÜHREN</translation>
    </message>
    <message>
        <source>INTEREST RATE AND TERM</source>
        <translation>ZINSSATZ UND LAUFZEIT</translation>
    </message>
    <message>
        <source>LENDER CHECKS</source>
        <translation>KREDITPRÜFUNG</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUYER</source>
        <translation>ERSTER HAUSKAUF</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUILDER</source>
        <translation>ERSTER HAUSBAU</translation>
    </message>
    <message>
        <source>HOME IMPROVEMENT</source>
        <translation>MODERNISIERUNG</translation>
    </message>
    <message>
        <source>SELLING AND BUYING</source>
        <translation>VERKAUFEN UND KAUFEN</translation>
    </message>
    <message>
        <source>SELLING AND BUILDING</source>
        <translation>VERKAUFEN UND BAUEN</translation>
    </message>
    <message>
        <source>ADDITIONAL REAL ESTATE PURCHASE</source>
        <translation>KAUF EINER WEITEREN IMMOBILIE</translation>
    </message>
    <message>
        <source>ADDITIONAL BUILDING</source>
        <translation>WEITERER BAU</translation>
    </message>
    <message>
        <source>REFINANCE</source>
        <translation>UMSCHULDUNG</translation>
    </message>
    <message>
        <source>OTHER LOANS</source>
        <translation>SONSTIGE DARLEHEN</translation>
    </message>
    <message>
        <source>Fitting a mortgage to yourself means selecting the type of loan that is right for you. The right type depends on your own finances and on your plans for the years ahead.
Two aims guide the choice: pay the lowest rate of interest you can get, and never let savings sit idle while you still owe money on your home.
Choose early. How much you can borrow depends on your income, on the equity you bring and on the repayments you can afford, and knowing these before you look at houses puts you in a stronger position.
Hearthwise compares the total cost of the usual types of mortgage over the whole term, assuming the interest rate does not change. A wrong choice can cost you thousands, so use these figures to shop around.</source>
        <translation>Eine Baufinanzierung passend zu wählen heißt, die Darlehensart zu finden, die zu Ihnen passt. Welche das ist, hängt von Ihren Finanzen und Ihren Plänen für die kommenden Jahre ab.
Zwei Ziele leiten die Wahl: den niedrigsten Zinssatz bekommen, den Sie erreichen können, und nie Ersparnisse brachliegen lassen, solange Sie auf Ihr Haus noch Geld schulden.
Wählen Sie früh. Wie viel Sie leihen können, hängt von Ihrem Einkommen, Ihrem Eigenkapital und den Raten ab, die Sie tragen können; wer das vor der Haussuche weiß, verhandelt aus einer stärkeren Position.
Hearthwise vergleicht die Gesamtkosten der üblichen Darlehensarten über die ganze Laufzeit, unter der Annahme, dass sich der Zinssatz nicht ändert. Eine falsche Wahl kann Sie Tausende kosten; nutzen Sie diese Zahlen also, um Angebote zu vergleichen.</translation>
    </message>
    <message>
        <source>Because the average borrower has limited income and expenditure is tight, it is important to get as much from our money as we can. The savings come from a lower rate of interest and from putting your savings and any surplus income towards your debt.
Look for a loan whose interest is calculated on the daily reducing balance and that accepts extra payments at any time with little or no fee for repaying early.

REMEMBER: YOUR BEST INVESTMENT IS TO PAY OFF YOUR MORTGAGE AS SOON AS POSSIBLE.

Fit the mortgage to your own affairs, keep to your budget with discipline, but do not become a slave to it.</source>
        <translation>Weil der durchschnittliche Kreditnehmer ein begrenztes Einkommen und knappe Ausgaben hat, kommt es darauf an, das meiste aus dem Geld zu machen. Die Ersparnis kommt aus einem niedrigeren Zinssatz und daraus, Ersparnisse und jeden Einkommensüberschuss in die Tilgung zu stecken.
Suchen Sie ein Darlehen, dessen Zinsen täglich auf die Restschuld berechnet werden und das Sondertilgungen jederzeit ohne oder mit geringer Vorfälligkeitsentschädigung zulässt.

DENKEN SIE DARAN: IHRE BESTE GELDANLAGE IST, IHR DARLEHEN SO SCHNELL WIE MÖGLICH ZURÜCKZUZAHLEN.

Passen Sie das Darlehen Ihren eigenen Verhältnissen an, halten Sie Ihren Haushaltsplan diszipliniert ein, aber werden Sie nicht sein Sklave.</translation>
    </message>
    <message>
        <source>First we need to determine the purpose for your mortgage. Please select the option below that best represents your mortgage requirement.</source>
        <translation>Zuerst müssen wir den Zweck Ihres Darlehens bestimmen. Bitte wählen Sie unten die Möglichkeit, die Ihrem Vorhaben am besten entspricht.</translation>
    </message>
    <message>
        <source>An asset is everything that you own that has monetary value. Your home, land, savings, shares, vehicles and life policies are all assets, and a lender is reassured to see that you own things of value and have built them up over time.
Enter each asset at the price it would fetch on the open market today. For a life policy enter its surrender value, what the insurer would pay you if you cashed it in today.</source>
        <translation>Vermögen ist alles, was Ihnen gehört und einen Geldwert hat. Ihr Haus, Grundstücke, Ersparnisse, Aktien, Fahrzeuge und Lebensversicherungen sind Vermögen, und ein Kreditgeber ist beruhigt, wenn er sieht, dass Sie Werte besitzen und sie über die Zeit aufgebaut haben.
Geben Sie jeden Vermögenswert mit dem Preis an, den er heute am Markt erzielen würde. Für eine Lebensversicherung geben Sie den Rückkaufswert an, also was der Versicherer Ihnen bei einer Kündigung heute auszahlen würde.</translation>
    </message>
    <message>
        <source>The opposite of assets are liabilities. A liability is a legal duty to repay money that you owe, whether to a lender such as a bank or to other creditors such as a store or a credit card company.</source>
        <translation>Das Gegenteil von Vermögen sind Verbindlichkeiten. Eine Verbindlichkeit ist die rechtliche Pflicht, geschuldetes Geld zurückzuzahlen, ob an einen Kreditgeber wie eine Bank oder an andere Gläubiger wie ein Geschäft oder ein Kreditkartenunternehmen.</translation>
    </message>
    <message>
        <source>The first step in developing a budget is calculating total annual income. Multiply your pay by the number of pay periods in a year: 52 if you are paid weekly, 26 if you are paid fortnightly. If you are self-employed, use your lowest pay of the last six to twelve months.
Then add any other income you receive, such as dividends, the pay from a second job or the rent from a property.</source>
        <translation>Der erste Schritt zu einem Haushaltsplan ist das gesamte Jahreseinkommen. Multiplizieren Sie Ihren Lohn mit der Zahl der Lohnzahlungen im Jahr: 52 bei wöchentlicher Zahlung, 26 bei vierzehntäglicher. Als Selbstständiger nehmen Sie Ihr niedrigstes Einkommen der letzten sechs bis zwölf Monate.
Zählen Sie dann alle anderen Einkünfte hinzu, etwa Dividenden, den Lohn aus einer zweiten Arbeit oder die Miete aus einer Immobilie.</translation>
    </message>
    <message>
        <source>The next step is setting expenses categories, for example; utilities, maintenance, insurance etc. The categories should mirror the way you really spend your money.
Enter the living expenses you pay as bills for the period selected, fortnightly or monthly, as if you already owned the new house. Leave out rent and the payments on any existing mortgage.</source>
        <translation>Der nächste Schritt ist, Ausgabenkategorien festzulegen, zum Beispiel Nebenkosten, Instandhaltung, Versicherungen usw. Die Kategorien sollen abbilden, wie Sie Ihr Geld wirklich ausgeben.
Geben Sie die Lebenshaltungskosten, die Sie als Rechnungen zahlen, für den gewählten Zeitraum an, vierzehntäglich oder monatlich, als besäßen Sie das neue Haus schon. Lassen Sie Miete und die Raten eines bestehenden Darlehens weg.</translation>
    </message>
    <message>
        <source>As a first time home buyer you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make (your deposit) and the purchase price of the home.</source>
        <translation>Als Erstkäufer müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie Ihr Eigenkapital (Ihre Anzahlung) und den Kaufpreis des Hauses ein.</translation>
    </message>
    <message>
        <source>As a first time home builder you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building the house.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Als erstmaliger Bauherr müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie Ihr Eigenkapital, den Grundstückswert und die Baukosten des Hauses ein.
Gehört Ihnen das Grundstück schon, rechnen Sie seinen Wert in das Feld „Ihr Eigenkapital“ ein.</translation>
    </message>
    <message>
        <source>As you wish to improve your home you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of your home and the total cost of the improvements.</source>
        <translation>Da Sie Ihr Haus modernisieren möchten, müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie Ihr Eigenkapital, den Wert Ihres Hauses und die gesamten Kosten der Modernisierung ein.</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to purchase another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for and the purchase price of the new property.</source>
        <translation>Da Sie Ihre Immobilie verkaufen und eine andere kaufen möchten, müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie Ihr Eigenkapital, den erwarteten Verkaufspreis und den Kaufpreis der neuen Immobilie ein.</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to build another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Da Sie Ihre Immobilie verkaufen und eine andere bauen möchten, müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie Ihr Eigenkapital, den erwarteten Verkaufspreis, den Grundstückswert und die Baukosten ein.
Gehört Ihnen das Grundstück schon, rechnen Sie seinen Wert in das Feld „Ihr Eigenkapital“ ein.</translation>
    </message>
    <message>
        <source>As you wish to make an additional purchase you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make and the purchase price of the new property.</source>
        <translation>Da Sie eine weitere Immobilie kaufen möchten, müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie Ihr Eigenkapital und den Kaufpreis der neuen Immobilie ein.</translation>
    </message>
    <message>
        <source>As you wish to do an additional build you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Da Sie ein weiteres Haus bauen möchten, müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie Ihr Eigenkapital, den Grundstückswert und die Baukosten ein.
Gehört Ihnen das Grundstück schon, rechnen Sie seinen Wert in das Feld „Ihr Eigenkapital“ ein.</translation>
    </message>
    <message>
        <source>As you wish to refinance you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter any amount of money you wish to withhold from the new loan.</source>
        <translation>Da Sie umschulden möchten, müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie den Betrag ein, den Sie vom neuen Darlehen zurückbehalten möchten.</translation>
    </message>
    <message>
        <source>As you have chosen an alternative mortgage requirement option you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the amount you wish to borrow.</source>
        <translation>Da Sie einen anderen Finanzierungsbedarf gewählt haben, müssen Sie noch einige Angaben machen. Ihre aktuellen Schulden wurden aus den vorigen Seiten übernommen. Bitte geben Sie den Betrag ein, den Sie leihen möchten.</translation>
    </message>
    <message>
        <source>Now we need to know what other fees apply to this mortgage.
A lender may want a registered valuation of the property, and legal or conveyancing fees and the bank&apos;s own charges apply to most loans. The page starts with typical figures; yours may differ, so change them to match your case.</source>
        <translation>Nun brauchen wir die weiteren Gebühren für dieses Darlehen.
Ein Kreditgeber kann ein Wertgutachten der Immobilie verlangen, und Notar- und Grundbuchkosten sowie die Gebühren der Bank fallen bei den meisten Darlehen an. Die Seite beginnt mit üblichen Beträgen; Ihre können abweichen, passen Sie sie also Ihrem Fall an.</translation>
    </message>
    <message>
        <source>These figures represent your mortgage requirements and your Loan to Value Ratio. Your spare income, what is left of your income after tax once your living expenses are paid, is shown too. Enter the current interest rate and the term of the loan in years. Rates vary with the economy, and a difference of one percentage point makes a large difference to what you pay.</source>
        <translation>Diese Zahlen zeigen Ihren Finanzierungsbedarf und Ihren Beleihungsauslauf. Auch Ihr frei verfügbares Einkommen wird gezeigt: was von Ihrem Einkommen nach Steuern bleibt, wenn die Lebenshaltungskosten bezahlt sind. Geben Sie den aktuellen Zinssatz und die Laufzeit des Darlehens in Jahren ein. Zinsen schwanken mit der Wirtschaft, und ein Prozentpunkt Unterschied macht viel für das aus, was Sie zahlen.</translation>
    </message>
    <message>
        <source>These figures represent the mortgage options available. Press the button of a mortgage type to learn more about it.
If you want to print these results, you can do so by pressing the Preview button.</source>
        <translation>Diese Zahlen zeigen die verfügbaren Finanzierungsmöglichkeiten. Drücken Sie die Schaltfläche einer Darlehensart, um mehr darüber zu erfahren.
Wenn Sie diese Ergebnisse drucken möchten, drücken Sie die Schaltfläche Vorschau.</translation>
    </message>
</context>
<context>
    <name>hw::SumPage</name>
    <message>
        <source>Total assets</source>
        <translation>Vermögen gesamt</translation>
    </message>
    <message>
        <source>Total liabilities</source>
        <translation>Verbindlichkeiten gesamt</translation>
    </message>
</context>
<context>
    <name>hw::Summary</name>
    <message>
        <source>Mortgage Requirement:</source>
        <translation>Finanzierungsbedarf:</translation>
    </message>
    <message>
        <source>Loan to Value Ratio:</source>
        <translation>Beleihungsauslauf:</translation>
    </message>
    <message>
        <source>Total Monthly Income After Tax:</source>
        <translation>Monatliches Gesamteinkommen nach Steuern:</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>Monatliche Ausgaben:</translation>
    </message>
    <message>
        <source>Spare:</source>
        <translation>Frei verfügbar:</translation>
    </message>
</context>
<context>
    <name>hw::WhatIf</name>
    <message>
        <source>Rise in the rate, percentage points</source>
        <translation>Zinsanstieg in Prozentpunkten</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <translation>Zusätzlich jeden Monat</translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation>Sondertilgung</translation>
    </message>
    <message>
        <source>Month of the lump sum</source>
        <translation>Monat der Sondertilgung</translation>
    </message>
    <message>
        <source>Years at the entered rate</source>
        <translation>Jahre zum eingegebenen Zinssatz</translation>
    </message>
    <message>
        <source>The new rate</source>
        <translation>Der neue Zinssatz</translation>
    </message>
    <message>
        <source>Savings in the offset account</source>
        <translation>Guthaben auf dem Verrechnungskonto</translation>
    </message>
    <message>
        <source>Savings added each month</source>
        <translation>Monatlich hinzukommendes Guthaben</translation>
    </message>
    <message>
        <source>Balance of the current loan</source>
        <translation>Restschuld des bisherigen Darlehens</translation>
    </message>
    <message>
        <source>Rate of the current loan</source>
        <translation>Zinssatz des bisherigen Darlehens</translation>
    </message>
    <message>
        <source>Years left on the current loan</source>
        <translation>Restlaufzeit des bisherigen Darlehens in Jahren</translation>
    </message>
    <message>
        <source>Costs of switching</source>
        <translation>Kosten des Wechsels</translation>
    </message>
    <message>
        <source>%1 must be 0 or more.</source>
        <translation>%1 muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 ist zu groß.</translation>
    </message>
    <message>
        <source>The rise must be between %1 and %2 percentage points, in steps of %3.</source>
        <translation>Der Anstieg muss zwischen %1 und %2 Prozentpunkten liegen, in Schritten von %3.</translation>
    </message>
    <message>
        <source>The extra amount each month</source>
        <translation>Der zusätzliche Betrag jeden Monat</translation>
    </message>
    <message>
        <source>The lump sum</source>
        <translation>Die Sondertilgung</translation>
    </message>
    <message>
        <source>The month of the lump sum must be a whole month from %1 to %2.</source>
        <translation>Der Monat der Sondertilgung muss ein ganzer Monat von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The fixed period must be at least a month and shorter than the term.</source>
        <translation>Die Zinsbindung muss mindestens einen Monat dauern und kürzer als die Laufzeit sein.</translation>
    </message>
    <message>
        <source>The rate after the fixed period must be between %1 and %2.</source>
        <translation>Der Zinssatz nach der Zinsbindung muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The savings in the offset account</source>
        <translation>Das Guthaben auf dem Verrechnungskonto</translation>
    </message>
    <message>
        <source>The savings added each month</source>
        <translation>Das monatlich hinzukommende Guthaben</translation>
    </message>
    <message>
        <source>The balance of the current loan must be more than 0.</source>
        <translation>Die Restschuld des bisherigen Darlehens muss über 0 liegen.</translation>
    </message>
    <message>
        <source>The balance of the current loan</source>
        <translation>Die Restschuld des bisherigen Darlehens</translation>
    </message>
    <message>
        <source>The rate of the current loan must be between %1 and %2.</source>
        <translation>Der Zinssatz des bisherigen Darlehens muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The years left on the current loan must be between %1 and %2.</source>
        <translation>Die Restlaufzeit des bisherigen Darlehens muss zwischen %1 und %2 Jahren liegen.</translation>
    </message>
    <message>
        <source>The costs of switching</source>
        <translation>Die Kosten des Wechsels</translation>
    </message>
    <message>
        <source>Please enter the amount, the rate and the term first.</source>
        <translation>Bitte geben Sie zuerst Betrag, Zinssatz und Laufzeit ein.</translation>
    </message>
    <message>
        <source>The rate after the rise must be less than %1.</source>
        <translation>Der Zinssatz nach dem Anstieg muss unter %1 liegen.</translation>
    </message>
    <message>
        <source>Extra payments can be worked out for the Table and Reducing Balance types.</source>
        <translation>Zusätzliche Zahlungen lassen sich für Annuitätendarlehen und Tilgungsdarlehen berechnen.</translation>
    </message>
    <message>
        <source>The extra amount each month must be less than the amount borrowed.</source>
        <translation>Der zusätzliche Betrag jeden Monat muss kleiner als der Darlehensbetrag sein.</translation>
    </message>
    <message>
        <source>The lump sum must be no more than the amount borrowed.</source>
        <translation>Die Sondertilgung darf den Darlehensbetrag nicht übersteigen.</translation>
    </message>
    <message>
        <source>The month of the lump sum must be between %1 and %2, the months of the term.</source>
        <translation>Der Monat der Sondertilgung muss zwischen %1 und %2 liegen, den Monaten der Laufzeit.</translation>
    </message>
    <message>
        <source>Rates rise</source>
        <translation>Zinsanstieg</translation>
    </message>
    <message>
        <source>If the rate rose by %1 points to %2:</source>
        <translation>Stiege der Zinssatz um %1 Punkte auf %2:</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Darlehensart</translation>
    </message>
    <message>
        <source>First month</source>
        <translation>Erster Monat</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>tragbar</translation>
    </message>
    <message>
        <source>no longer affordable</source>
        <translation>nicht mehr tragbar</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>nicht tragbar</translation>
    </message>
    <message>
        <source>How much could we borrow</source>
        <translation>Wie viel könnten wir leihen</translation>
    </message>
    <message>
        <source>The most you could borrow at this rate and term:</source>
        <translation>Das meiste, was Sie bei diesem Zinssatz und dieser Laufzeit leihen könnten:</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Höchstbetrag</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>Vom Wert der Immobilie</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>The Table repayment equals your spare income over %1.</source>
        <translation>Die Annuität entspricht Ihrem frei verfügbaren Einkommen über %1.</translation>
    </message>
    <message>
        <source>Your spare income does not cover the interest of a Table loan.</source>
        <translation>Ihr frei verfügbares Einkommen deckt die Zinsen eines Annuitätendarlehens nicht.</translation>
    </message>
    <message>
        <source>A Table loan fixed for %1 years, then at %2: the repayment goes from %3 to %4, which is %5.</source>
        <translation>Ein Annuitätendarlehen mit %1 Jahren Zinsbindung, danach zu %2: Die Rate steigt von %3 auf %4, das ist %5.</translation>
    </message>
    <message>
        <source>A fixed rate that ends</source>
        <translation>Ein Festzins, der endet</translation>
    </message>
    <message>
        <source>Paying %1 more a month and %2 in month %3 on the %4 loan clears it in month %5 and saves %6 of interest.</source>
        <translation>Wer %1 mehr im Monat und %2 im Monat %3 auf das %4 zahlt, tilgt es im Monat %5 und spart %6 Zinsen.</translation>
    </message>
    <message>
        <source>Keeping the term instead, the repayment falls from %1 to %2, and to %3 by the last month, and %4 of interest is saved.</source>
        <translation>Wird stattdessen die Laufzeit beibehalten, sinkt die Rate von %1 auf %2 und im letzten Monat auf %3, und %4 Zinsen werden gespart.</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>Mehr zahlen</translation>
    </message>
    <message>
        <source>Paying the %1 loan fortnightly: %2 a fortnight, %3 of interest saved against paying monthly.</source>
        <translation>Das %1 vierzehntäglich zahlen: %2 alle zwei Wochen, %3 Zinsen gespart gegenüber monatlicher Zahlung.</translation>
    </message>
    <message>
        <source>Paying half the monthly repayment each fortnight (%1) clears it in %2 and saves %3 of interest.</source>
        <translation>Wer alle zwei Wochen die halbe Monatsrate zahlt (%1), tilgt es in %2 und spart %3 Zinsen.</translation>
    </message>
    <message>
        <source>How often you pay</source>
        <translation>Wie oft Sie zahlen</translation>
    </message>
    <message>
        <source>With %1 in an offset account and %2 added each month, the Table loan clears in month %3 and saves %4 of interest; paid into the loan instead (the %1 at once, the %2 each month), they would clear it in month %5 and save %6.</source>
        <translation>Mit %1 auf einem Verrechnungskonto und monatlich %2 dazu ist das Annuitätendarlehen im Monat %3 getilgt und spart %4 Zinsen; stattdessen in das Darlehen gezahlt (die %1 sofort, die %2 jeden Monat), wäre es im Monat %5 getilgt und sparte %6.</translation>
    </message>
    <message>
        <source>An offset account</source>
        <translation>Ein Verrechnungskonto</translation>
    </message>
    <message>
        <source>Refinancing</source>
        <translation>Umschuldung</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan has cost no more than the current one by month %7.</source>
        <translation>Umschuldung eines bisherigen Darlehens von %1 zu %2 mit %3 Jahren Restlaufzeit: %4 im Monat statt %5; mit Kosten von %6 hat Sie das neue Darlehen bis zum Monat %7 nicht mehr gekostet als das bisherige.</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan always costs more.</source>
        <translation>Umschuldung eines bisherigen Darlehens von %1 zu %2 mit %3 Jahren Restlaufzeit: %4 im Monat statt %5; mit Kosten von %6 kostet das neue Darlehen immer mehr.</translation>
    </message>
</context>
<context>
    <name>hw::WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>Was wäre, wenn</translation>
    </message>
    <message>
        <source>&amp;Rates rise</source>
        <translation>&amp;Zinsanstieg</translation>
    </message>
    <message>
        <source>&amp;How much could we borrow</source>
        <translation>Wie viel &amp;könnten wir leihen</translation>
    </message>
    <message>
        <source>Paying &amp;extra</source>
        <translation>Mehr za&amp;hlen</translation>
    </message>
    <message>
        <source>A &amp;fixed rate that ends</source>
        <translation>Ein &amp;Festzins, der endet</translation>
    </message>
    <message>
        <source>How often you &amp;pay</source>
        <translation>&amp;Wie oft Sie zahlen</translation>
    </message>
    <message>
        <source>An offset &amp;account</source>
        <translation>Ein &amp;Verrechnungskonto</translation>
    </message>
    <message>
        <source>Refinan&amp;cing</source>
        <translation>&amp;Umschuldung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Darlehensart</translation>
    </message>
    <message>
        <source>First month at the higher rate</source>
        <translation>Erster Monat zum höheren Zinssatz</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>After the rise</source>
        <translation>Nach dem Anstieg</translation>
    </message>
    <message>
        <source>Repayments if the rate rises</source>
        <translation>Raten bei steigendem Zinssatz</translation>
    </message>
    <message>
        <source>Ri&amp;se in the rate (percentage points):</source>
        <translation>&amp;Anstieg des Zinssatzes (Prozentpunkte):</translation>
    </message>
    <message>
        <source>Lenders test whether you could still pay if the rate rose. Each type at the entered rate plus the rise:</source>
        <translation>Kreditgeber prüfen, ob Sie bei steigendem Zinssatz noch zahlen könnten. Jede Darlehensart zum eingegebenen Zinssatz plus dem Anstieg:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>Tragbar</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>Nicht tragbar</translation>
    </message>
    <message>
        <source>No longer affordable</source>
        <translation>Nicht mehr tragbar</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Höchstbetrag</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>Vom Wert der Immobilie</translation>
    </message>
    <message>
        <source>The most each type would lend</source>
        <translation>Das meiste, was jede Darlehensart leihen würde</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>A Table loan of the amount entered would take %1 at a repayment equal to your spare income.</source>
        <translation>Ein Annuitätendarlehen über den eingegebenen Betrag dauerte %1, bei einer Rate in Höhe Ihres frei verfügbaren Einkommens.</translation>
    </message>
    <message>
        <source>Your spare income does not cover a month&apos;s interest: no Table term would clear the amount entered.</source>
        <translation>Ihr frei verfügbares Einkommen deckt nicht die Zinsen eines Monats: Keine Laufzeit eines Annuitätendarlehens würde den eingegebenen Betrag tilgen.</translation>
    </message>
    <message>
        <source>The most each type would let you borrow at the entered rate and term, with your spare income:</source>
        <translation>Das meiste, was Sie mit jeder Darlehensart zum eingegebenen Zinssatz und der eingegebenen Laufzeit mit Ihrem frei verfügbaren Einkommen leihen könnten:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Repayment as entered</source>
        <translation>Rate wie eingegeben</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>Mehr zahlen</translation>
    </message>
    <message>
        <source>Balance as entered</source>
        <translation>Restschuld wie eingegeben</translation>
    </message>
    <message>
        <source>Balance paying extra</source>
        <translation>Restschuld mit Mehrzahlung</translation>
    </message>
    <message>
        <source>Month by month, as entered and paying extra</source>
        <translation>Monat für Monat, wie eingegeben und mit Mehrzahlung</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>&amp;Darlehensart:</translation>
    </message>
    <message>
        <source>E&amp;xtra each month:</source>
        <translation>Zusätzlich &amp;jeden Monat:</translation>
    </message>
    <message>
        <source>&amp;Lump sum:</source>
        <translation>&amp;Sondertilgung:</translation>
    </message>
    <message>
        <source>In m&amp;onth:</source>
        <translation>Im M&amp;onat:</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Was die Mehrzahlung bewirkt</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Cleared in month</source>
        <translation>Getilgt im Monat</translation>
    </message>
    <message>
        <source>Interest saved</source>
        <translation>Gesparte Zinsen</translation>
    </message>
    <message>
        <source>Cleared in month %1,
instead of month %2.
Total paid: %3 instead of %4.
Interest saved: %5.</source>
        <translation>Getilgt im Monat %1
statt im Monat %2.
Insgesamt gezahlt: %3 statt %4.
Gesparte Zinsen: %5.</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>Wie eingegeben</translation>
    </message>
    <message>
        <source>&amp;Years at the entered rate:</source>
        <translation>&amp;Jahre zum eingegebenen Zinssatz:</translation>
    </message>
    <message>
        <source>Then the &amp;new rate:</source>
        <translation>Dann der &amp;neue Zinssatz:</translation>
    </message>
    <message>
        <source>A Table loan at the entered rate for the first years, then the repayment worked out again for the rest of the term:</source>
        <translation>Ein Annuitätendarlehen zum eingegebenen Zinssatz in den ersten Jahren, danach die Rate für den Rest der Laufzeit neu berechnet:</translation>
    </message>
    <message>
        <source>The repayment goes from %1 to %2 a month, on the %3 still owed.
With your spare income that is %4.</source>
        <translation>Die Rate steigt von %1 auf %2 im Monat, auf die noch geschuldeten %3.
Mit Ihrem frei verfügbaren Einkommen ist das %4.</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>tragbar</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>nicht tragbar</translation>
    </message>
    <message>
        <source>The repayment jumps to %1</source>
        <translation>Die Rate springt auf %1</translation>
    </message>
    <message>
        <source>The entered rate throughout</source>
        <translation>Der eingegebene Zinssatz über die ganze Laufzeit</translation>
    </message>
    <message>
        <source>After the fixed rate ends</source>
        <translation>Nach dem Ende der Zinsbindung</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Vierzehntäglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Half the monthly repayment each fortnight</source>
        <translation>Die halbe Monatsrate alle zwei Wochen</translation>
    </message>
    <message>
        <source>A quarter of the monthly repayment each week</source>
        <translation>Ein Viertel der Monatsrate jede Woche</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Wie oft</translation>
    </message>
    <message>
        <source>Paid off in</source>
        <translation>Getilgt in</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Insgesamt gezahlt</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Saved against monthly</source>
        <translation>Gespart gegenüber monatlich</translation>
    </message>
    <message>
        <source>Repayments by how often you pay</source>
        <translation>Raten nach Zahlungsweise</translation>
    </message>
    <message>
        <source>Mortgage t&amp;ype:</source>
        <translation>&amp;Darlehensart:</translation>
    </message>
    <message>
        <source>The loan repaid monthly, fortnightly or weekly. Interest is charged each period at the annual rate divided by the periods in a year (26 fortnights, 52 weeks). Paying half the monthly repayment every fortnight pays thirteen months a year, and clears the loan sooner.</source>
        <translation>Das Darlehen monatlich, vierzehntäglich oder wöchentlich zurückgezahlt. Zinsen werden in jedem Zeitraum zum Jahreszinssatz geteilt durch die Zeiträume im Jahr berechnet (26 Doppelwochen, 52 Wochen). Wer alle zwei Wochen die halbe Monatsrate zahlt, zahlt dreizehn Monatsraten im Jahr und tilgt das Darlehen früher.</translation>
    </message>
    <message>
        <source>Shortens the term</source>
        <translation>Verkürzt die Laufzeit</translation>
    </message>
    <message>
        <source>Keeps the term, lowers the repayment</source>
        <translation>Behält die Laufzeit, senkt die Rate</translation>
    </message>
    <message>
        <source>%1, falling to %2</source>
        <translation>%1, sinkt auf %2</translation>
    </message>
    <message>
        <source>The savings</source>
        <translation>Das Guthaben</translation>
    </message>
    <message>
        <source>What the offset account saves</source>
        <translation>Was das Verrechnungskonto spart</translation>
    </message>
    <message>
        <source>&amp;Savings in the account:</source>
        <translation>&amp;Guthaben auf dem Konto:</translation>
    </message>
    <message>
        <source>A&amp;dded each month:</source>
        <translation>Monatlich &amp;dazu:</translation>
    </message>
    <message>
        <source>Savings held in an offset account beside a Table loan: interest is charged on the balance less the savings. The repayment stays as it is, so the loan clears sooner, and the savings stay yours to draw on. Beside it, the same savings paid into the loan instead: the starting savings at once, and each month&apos;s addition as an extra repayment.</source>
        <translation>Guthaben auf einem Verrechnungskonto neben einem Annuitätendarlehen: Zinsen werden auf die Restschuld abzüglich des Guthabens berechnet. Die Rate bleibt gleich, das Darlehen ist also früher getilgt, und das Guthaben bleibt Ihres, um darauf zuzugreifen. Daneben dasselbe Guthaben stattdessen in das Darlehen gezahlt: das Anfangsguthaben sofort und der monatliche Zuwachs als Sondertilgung.</translation>
    </message>
    <message>
        <source>Held in the offset account</source>
        <translation>Auf dem Verrechnungskonto</translation>
    </message>
    <message>
        <source>Paid into the loan instead: at once, and each month</source>
        <translation>Stattdessen in das Darlehen gezahlt: sofort und jeden Monat</translation>
    </message>
    <message>
        <source>Current &amp;balance:</source>
        <translation>Aktuelle &amp;Restschuld:</translation>
    </message>
    <message>
        <source>Current ra&amp;te:</source>
        <translation>Aktueller Zinss&amp;atz:</translation>
    </message>
    <message>
        <source>&amp;Years left:</source>
        <translation>Restlaufzeit in &amp;Jahren:</translation>
    </message>
    <message>
        <source>C&amp;osts of switching:</source>
        <translation>Kos&amp;ten des Wechsels:</translation>
    </message>
    <message>
        <source>Your current loan, repaid as a Table loan over the years it has left, against the loan of this case at its rate and term. The loan of this case already carries the fees and bank charges you entered: the costs of switching are what you would pay beside it (a break fee, for instance).</source>
        <translation>Ihr bisheriges Darlehen, als Annuitätendarlehen über seine Restlaufzeit zurückgezahlt, neben dem Darlehen dieses Falls zu seinem Zinssatz und seiner Laufzeit. Das Darlehen dieses Falls enthält schon die eingegebenen Gebühren und Bankgebühren: Die Kosten des Wechsels sind, was Sie zusätzlich zahlen würden (zum Beispiel eine Vorfälligkeitsentschädigung).</translation>
    </message>
    <message>
        <source>The current loan costs %1 a month, the new one %2.</source>
        <translation>Das bisherige Darlehen kostet %1 im Monat, das neue %2.</translation>
    </message>
    <message>
        <source>You save %1 a month.</source>
        <translation>Sie sparen %1 im Monat.</translation>
    </message>
    <message>
        <source>The new loan costs %1 more a month.</source>
        <translation>Das neue Darlehen kostet %1 mehr im Monat.</translation>
    </message>
    <message>
        <source>Counting what you pay month by month, the new loan with its costs has cost you no more than the current loan would by month %1.</source>
        <translation>Zählt man Monat für Monat, was Sie zahlen, hat Sie das neue Darlehen mit seinen Kosten bis zum Monat %1 nicht mehr gekostet als das bisherige.</translation>
    </message>
    <message>
        <source>Counting what you pay month by month until both loans end, the new loan with its costs always costs you more: the costs are never repaid.</source>
        <translation>Zählt man Monat für Monat, was Sie zahlen, bis beide Darlehen enden, kostet Sie das neue Darlehen mit seinen Kosten immer mehr: Die Kosten werden nie wieder hereingeholt.</translation>
    </message>
    <message>
        <source>To their ends, the current loan costs %1 and the new one %2, the costs included.</source>
        <translation>Bis zu ihrem Ende kostet das bisherige Darlehen %1 und das neue %2, die Kosten eingerechnet.</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>&amp;Berechnen</translation>
    </message>
</context>
</TS>
