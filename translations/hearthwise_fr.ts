<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>hw::AboutWindow</name>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image).</source>
        <translation>Le fichier .exe n&apos;est pas valide (.exe non Win32® ou erreur dans l&apos;image .exe).</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir, car d&apos;autres transactions DDE étaient en cours.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir, car le délai de la demande a expiré.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension.</source>
        <translation>Aucune application n&apos;est associée à l&apos;extension de ce nom de fichier.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire était insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Une violation de partage s&apos;est produite.</translation>
    </message>
    <message>
        <source>About Hearthwise</source>
        <translation>À propos de Hearthwise</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Droit d&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Ouvrir le guide de l&apos;utilisateur dans votre navigateur</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web page in your browser</source>
        <translation>Ouvrir la page Web de l&apos;éditeur dans votre navigateur</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>Erreur inconnue&#xa0;!</translation>
    </message>
    <message>
        <source>Hearthwise user guide</source>
        <translation>Guide de l&apos;utilisateur de Hearthwise</translation>
    </message>
</context>
<context>
    <name>hw::BalanceChart</name>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>Outstanding balance of each mortgage type over the years</source>
        <translation>Solde restant dû de chaque type de prêt au fil des années</translation>
    </message>
</context>
<context>
    <name>hw::BudgetPage</name>
    <message>
        <source>&amp;Fortnightly</source>
        <translation>Aux deu&amp;x semaines</translation>
    </message>
    <message>
        <source>M&amp;onthly</source>
        <translation>&amp;Mensuel</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>Dépenses mensuelles&#xa0;:</translation>
    </message>
    <message>
        <source>Monthly expenditure</source>
        <translation>Dépenses mensuelles</translation>
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
        <translation>%1, taux d&apos;imposition</translation>
    </message>
</context>
<context>
    <name>hw::CaseFile</name>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must hold named figures in braces, {...}.</source>
        <translation>Sa section «&#xa0;%1&#xa0;» est endommagée&#xa0;: elle doit contenir des montants nommés entre accolades, {...}.</translation>
    </message>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must be a list in brackets, [...], of at most %2 entries.</source>
        <translation>Sa section «&#xa0;%1&#xa0;» est endommagée&#xa0;: elle doit être une liste entre crochets, [...], d&apos;au plus %2 éléments.</translation>
    </message>
    <message>
        <source>an amount written in quotes, such as &quot;1234.50&quot;</source>
        <translation>un montant écrit entre guillemets, comme &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>an amount of 0 or more</source>
        <translation>un montant de 0 ou plus</translation>
    </message>
    <message>
        <source>a plain amount such as &quot;1234.50&quot;</source>
        <translation>un montant simple comme &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>a percentage from %1 to %2</source>
        <translation>un pourcentage de %1 à %2</translation>
    </message>
    <message>
        <source>What If, %1</source>
        <translation>Et si, %1</translation>
    </message>
    <message>
        <source>%1 (%2 is &quot;%3&quot;.)</source>
        <translation>%1 (%2 vaut «&#xa0;%3&#xa0;».)</translation>
    </message>
    <message>
        <source>%1 must be %2.</source>
        <translation>%1 doit être %2.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it must be %3.</source>
        <translation>%1 vaut «&#xa0;%2&#xa0;»&#xa0;; il doit être %3.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it is too large.</source>
        <translation>%1 vaut «&#xa0;%2&#xa0;»&#xa0;; c&apos;est trop élevé.</translation>
    </message>
    <message>
        <source>a whole amount (the currency has no decimals)</source>
        <translation>un montant entier (la devise n&apos;a pas de décimales)</translation>
    </message>
    <message>
        <source>an amount with no more than %1 decimals</source>
        <translation>un montant d&apos;au plus %1 décimales</translation>
    </message>
    <message>
        <source>a number written without quotes</source>
        <translation>un nombre écrit sans guillemets</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>%1, figure %2</source>
        <translation>%1, montant %2</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Type de prêt</translation>
    </message>
    <message>
        <source>&quot;table&quot; or &quot;reducing-balance&quot;</source>
        <translation>&quot;table&quot; ou &quot;reducing-balance&quot;</translation>
    </message>
    <message>
        <source>The lender country</source>
        <translation>Le pays du prêteur</translation>
    </message>
    <message>
        <source>one of &quot;none&quot;, &quot;au&quot;, &quot;ca&quot;, &quot;ie&quot;, &quot;nz&quot;, &quot;uk&quot;, &quot;us&quot;</source>
        <translation>l&apos;un de &quot;none&quot;, &quot;au&quot;, &quot;ca&quot;, &quot;ie&quot;, &quot;nz&quot;, &quot;uk&quot;, &quot;us&quot;</translation>
    </message>
    <message>
        <source>It is too large to be a Hearthwise case.</source>
        <translation>Il est trop volumineux pour être un dossier Hearthwise.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Il est vide.</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case, or it is damaged: %1.</source>
        <translation>Ce n&apos;est pas un dossier Hearthwise, ou il est endommagé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>no case in it</source>
        <translation>aucun dossier à l&apos;intérieur</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case.</source>
        <translation>Ce n&apos;est pas un dossier Hearthwise.</translation>
    </message>
    <message>
        <source>Its version, &quot;%1&quot;, is not one Hearthwise knows.</source>
        <translation>Sa version, «&#xa0;%1&#xa0;», n&apos;est pas connue de Hearthwise.</translation>
    </message>
    <message>
        <source>It comes from a newer Hearthwise (version %1): please open it there.</source>
        <translation>Il provient d&apos;une version plus récente de Hearthwise (version %1)&#xa0;: veuillez l&apos;ouvrir avec celle-ci.</translation>
    </message>
    <message>
        <source>The purpose</source>
        <translation>L&apos;objet du prêt</translation>
    </message>
    <message>
        <source>one of the nine purposes</source>
        <translation>l&apos;un des neuf objets</translation>
    </message>
    <message>
        <source>Income, row %1</source>
        <translation>Revenus, ligne %1</translation>
    </message>
    <message>
        <source>named figures in braces, {...}</source>
        <translation>des montants nommés entre accolades, {...}</translation>
    </message>
    <message>
        <source>The budget period</source>
        <translation>La période du budget</translation>
    </message>
    <message>
        <source>&quot;fortnightly&quot; or &quot;monthly&quot;</source>
        <translation>&quot;fortnightly&quot; ou &quot;monthly&quot;</translation>
    </message>
    <message>
        <source>The bank charges&apos; mode</source>
        <translation>Le mode des frais bancaires</translation>
    </message>
    <message>
        <source>&quot;percent&quot; or &quot;fixed-amount&quot;</source>
        <translation>&quot;percent&quot; ou &quot;fixed-amount&quot;</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 et %2</translation>
    </message>
    <message>
        <source>The rate&apos;s compounding</source>
        <translation>La capitalisation du taux</translation>
    </message>
    <message>
        <source>&quot;monthly&quot; or &quot;half-yearly&quot;</source>
        <translation>&quot;monthly&quot; ou &quot;half-yearly&quot;</translation>
    </message>
    <message>
        <source>%1 could not be opened. %2</source>
        <translation>Impossible d&apos;ouvrir %1. %2</translation>
    </message>
</context>
<context>
    <name>hw::CaseResults</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>hw::ChargesPage</name>
    <message>
        <source>Bank charges percentage</source>
        <translation>Pourcentage des frais bancaires</translation>
    </message>
    <message>
        <source>&amp;Percent</source>
        <translation>Pource&amp;ntage</translation>
    </message>
    <message>
        <source>Bank charges amount</source>
        <translation>Montant des frais bancaires</translation>
    </message>
    <message>
        <source>&amp;Fixed Amount</source>
        <translation>Montant fi&amp;xe</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
</context>
<context>
    <name>hw::ChartWindow</name>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fonds</translation>
    </message>
    <message>
        <source>Mortgage Options Chart</source>
        <translation>Graphique des options de prêt</translation>
    </message>
    <message>
        <source>&amp;Balance over time</source>
        <translation>&amp;Solde au fil du temps</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>Tableau d&apos;&amp;amortissement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>&amp;Type de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>CSV files, comma-separated (*.csv)</source>
        <translation>Fichiers CSV, séparés par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>CSV files for your spreadsheet, %1-separated (*.csv)</source>
        <translation>Fichiers CSV pour votre tableur, séparés par «&#xa0;%1&#xa0;» (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>The schedule was saved as %1.</source>
        <translation>Le tableau d&apos;amortissement a été enregistré sous %1.</translation>
    </message>
    <message>
        <source>The schedule could not be saved as %1: %2</source>
        <translation>Le tableau d&apos;amortissement n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>hw::CompareWindow</name>
    <message>
        <source>Compare Cases</source>
        <translation>Comparer des dossiers</translation>
    </message>
    <message>
        <source>The offers side by side</source>
        <translation>Les offres côte à côte</translation>
    </message>
    <message>
        <source>In bold: the lowest figure of its row among the offers that are affordable.</source>
        <translation>En gras&#xa0;: le montant le plus bas de sa ligne parmi les offres abordables.</translation>
    </message>
    <message>
        <source>&amp;Add Saved Cases...</source>
        <translation>&amp;Ajouter des dossiers enregistrés...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add Saved Cases</source>
        <translation>Ajouter des dossiers enregistrés</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Dossiers Hearthwise (*.hearthwise)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>comparison.pdf</source>
        <translation>comparaison.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer did not start.</source>
        <translation>La comparaison n&apos;a pas pu être imprimée&#xa0;: l&apos;imprimante n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>Up to %1 saved cases can be compared with this one.</source>
        <translation>Jusqu&apos;à %1 dossiers enregistrés peuvent être comparés avec celui-ci.</translation>
    </message>
    <message>
        <source>Amount borrowed</source>
        <translation>Montant emprunté</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Durée en années</translation>
    </message>
    <message>
        <source>Monthly spare income</source>
        <translation>Revenu mensuel disponible</translation>
    </message>
    <message>
        <source>Lender checks</source>
        <translation>Contrôles des prêteurs</translation>
    </message>
    <message>
        <source>%1: first repayment</source>
        <translation>%1&#xa0;: premier versement</translation>
    </message>
    <message>
        <source>%1: total paid</source>
        <translation>%1&#xa0;: total payé</translation>
    </message>
    <message>
        <source>%1: interest</source>
        <translation>%1&#xa0;: intérêts</translation>
    </message>
    <message>
        <source>%1: affordable</source>
        <translation>%1&#xa0;: abordable</translation>
    </message>
    <message>
        <source>The case is not complete</source>
        <translation>Le dossier n&apos;est pas complet</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>the lowest of the row</source>
        <translation>le plus bas de la ligne</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The comparison was saved as %1.</source>
        <translation>La comparaison a été enregistrée sous %1.</translation>
    </message>
    <message>
        <source>The comparison could not be saved as %1: %2</source>
        <translation>La comparaison n&apos;a pas pu être enregistrée sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>hw::Durations</name>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 an</numerusform>
            <numerusform>%1 ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 mois</numerusform>
            <numerusform>%1 mois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>hw::IncomePage</name>
    <message>
        <source>%1, tax rate</source>
        <translation>%1, taux d&apos;imposition</translation>
    </message>
    <message>
        <source>%1, after tax</source>
        <translation>%1, après impôt</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Monthly gross taxable income</source>
        <translation>Revenu mensuel brut imposable</translation>
    </message>
    <message>
        <source>Monthly income after tax</source>
        <translation>Revenu mensuel après impôt</translation>
    </message>
    <message>
        <source>Monthly Gross Taxable Income:</source>
        <translation>Revenu mensuel brut imposable&#xa0;:</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>Après impôt&#xa0;:</translation>
    </message>
</context>
<context>
    <name>hw::InformationWindow</name>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Tell Me More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>En savoir &amp;plus</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecks</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecksWindow</name>
    <message>
        <source>Lender Checks</source>
        <translation>Contrôles des prêteurs</translation>
    </message>
    <message>
        <source>The usual checks of lenders in the country you choose, for each mortgage type: the published rules of that country, not advice. The debts on the Liabilities page are repaid by this loan; enter below only the debts it leaves.</source>
        <translation>Les contrôles habituels des prêteurs du pays choisi, pour chaque type de prêt&#xa0;: les règles publiées de ce pays, et non un conseil. Les dettes de la page Passif sont remboursées par ce prêt&#xa0;; n&apos;inscrivez ci-dessous que les dettes qui restent.</translation>
    </message>
    <message>
        <source>Lender &amp;Country:</source>
        <translation>Pa&amp;ys du prêteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Property Tax a Year:</source>
        <translation>&amp;Impôt foncier par année&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Heating a Month:</source>
        <translation>&amp;Chauffage par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Payments on Other &amp;Debts a Month:</source>
        <translation>Versements sur d&apos;autres &amp;dettes par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Other Credit Card &amp;Balances:</source>
        <translation>Autres soldes de cartes de c&amp;rédit&#xa0;:</translation>
    </message>
    <message>
        <source>Lender checks of each mortgage type</source>
        <translation>Contrôles des prêteurs pour chaque type de prêt</translation>
    </message>
    <message>
        <source>Mortgage Type and Check</source>
        <translation>Type de prêt et contrôle</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>What It Comes To</source>
        <translation>Ce que cela donne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1&#xa0;: réussi</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1&#xa0;: échoué</translation>
    </message>
    <message>
        <source>Choose a lender country to see its usual checks.</source>
        <translation>Choisissez le pays d&apos;un prêteur pour voir ses contrôles habituels.</translation>
    </message>
    <message>
        <source>Condominium &amp;Fees a Month:</source>
        <translation>Frais de copropriété par &amp;mois&#xa0;:</translation>
    </message>
</context>
<context>
    <name>hw::LenderTexts</name>
    <message>
        <source>Repayments at a higher rate</source>
        <translation>Versements à un taux plus élevé</translation>
    </message>
    <message>
        <source>Lenders mortgage insurance</source>
        <translation>Assurance prêt hypothécaire du prêteur</translation>
    </message>
    <message>
        <source>Debt to income</source>
        <translation>Dette par rapport au revenu</translation>
    </message>
    <message>
        <source>Gross debt service</source>
        <translation>Coefficient d&apos;amortissement brut de la dette</translation>
    </message>
    <message>
        <source>Total debt service</source>
        <translation>Coefficient d&apos;amortissement total de la dette</translation>
    </message>
    <message>
        <source>Minimum down payment</source>
        <translation>Mise de fonds minimale</translation>
    </message>
    <message>
        <source>Mortgage insurance</source>
        <translation>Assurance prêt hypothécaire</translation>
    </message>
    <message>
        <source>Loan to income</source>
        <translation>Prêt par rapport au revenu</translation>
    </message>
    <message>
        <source>Minimum deposit</source>
        <translation>Apport minimal</translation>
    </message>
    <message>
        <source>Loan to value</source>
        <translation>Ratio prêt-valeur</translation>
    </message>
    <message>
        <source>Rates rising</source>
        <translation>Hausse des taux</translation>
    </message>
    <message>
        <source>Debt to income, manual underwriting</source>
        <translation>Dette par rapport au revenu, souscription manuelle</translation>
    </message>
    <message>
        <source>Debt to income, with compensating factors</source>
        <translation>Dette par rapport au revenu, avec facteurs compensatoires</translation>
    </message>
    <message>
        <source>Debt to income, automated underwriting</source>
        <translation>Dette par rapport au revenu, souscription automatisée</translation>
    </message>
    <message>
        <source>Private mortgage insurance</source>
        <translation>Assurance hypothécaire privée</translation>
    </message>
    <message>
        <source>There is no gross income to test the loan against.</source>
        <translation>Il n&apos;y a aucun revenu brut auquel comparer le prêt.</translation>
    </message>
    <message>
        <source>Tested at %1 (your rate plus the 3-point buffer): %2 a month; %3 is spare</source>
        <translation>Testé à %1 (votre taux plus la marge de 3 points)&#xa0;: %2 par mois&#xa0;; %3 disponible</translation>
    </message>
    <message>
        <source>Loan to value %1: lenders mortgage insurance is usually required above 80%</source>
        <translation>Ratio prêt-valeur de %1&#xa0;: l&apos;assurance prêt hypothécaire du prêteur est habituellement exigée au-delà de 80 %</translation>
    </message>
    <message>
        <source>Loan to value %1: no lenders mortgage insurance at 80% or less</source>
        <translation>Ratio prêt-valeur de %1&#xa0;: aucune assurance prêt hypothécaire du prêteur à 80 % ou moins</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; banks may lend above 6 times only in limited numbers</source>
        <translation>Dettes de %1 fois votre revenu brut&#xa0;; les banques ne peuvent prêter au-delà de 6 fois qu&apos;en nombre limité</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; lenders limit loans of 6 times or more</source>
        <translation>Dettes de %1 fois votre revenu brut&#xa0;; les prêteurs limitent les prêts de 6 fois ou plus</translation>
    </message>
    <message>
        <source>Tested at %1: housing costs take %2 of your gross income; at most %3</source>
        <translation>Testé à %1&#xa0;: les frais de logement prennent %2 de votre revenu brut&#xa0;; au plus %3</translation>
    </message>
    <message>
        <source>Tested at %1: housing and other debts take %2 of your gross income; at most %3</source>
        <translation>Testé à %1&#xa0;: le logement et les autres dettes prennent %2 de votre revenu brut&#xa0;; au plus %3</translation>
    </message>
    <message>
        <source>Down payment %1; at least %2 is needed</source>
        <translation>Mise de fonds de %1&#xa0;; il faut au moins %2</translation>
    </message>
    <message>
        <source>Loan to value %1: no loan above 95% can be insured</source>
        <translation>Ratio prêt-valeur de %1&#xa0;: aucun prêt au-delà de 95 % ne peut être assuré</translation>
    </message>
    <message>
        <source>Loan to value %1: mortgage insurance is required; its premium of %2, %3, is added to the loan</source>
        <translation>Ratio prêt-valeur de %1&#xa0;: l&apos;assurance prêt hypothécaire est exigée&#xa0;; sa prime de %2, soit %3, s&apos;ajoute au prêt</translation>
    </message>
    <message>
        <source>Loan to value %1: no mortgage insurance needed at 80% or less</source>
        <translation>Ratio prêt-valeur de %1&#xa0;: aucune assurance prêt hypothécaire n&apos;est requise à 80 % ou moins</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; at most %2 times</source>
        <translation>Prêt de %1 fois votre revenu brut&#xa0;; au plus %2 fois</translation>
    </message>
    <message>
        <source>Loan to value %1; at most 90% (a deposit of at least 10%)</source>
        <translation>Ratio prêt-valeur de %1&#xa0;; au plus 90 % (un apport d&apos;au moins 10 %)</translation>
    </message>
    <message>
        <source>Loan to value %1; banks may lend above 80% only in limited numbers</source>
        <translation>Ratio prêt-valeur de %1&#xa0;; les banques ne peuvent prêter au-delà de 80 % qu&apos;en nombre limité</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; lenders limit loans of 4.5 times or more</source>
        <translation>Prêt de %1 fois votre revenu brut&#xa0;; les prêteurs limitent les prêts de 4,5 fois ou plus</translation>
    </message>
    <message>
        <source>Lenders allow for rates rising: What If, Rates rise, is their stress test</source>
        <translation>Les prêteurs tiennent compte d&apos;une hausse des taux&#xa0;: Et si, Hausse des taux, est leur simulation de crise</translation>
    </message>
    <message>
        <source>Housing and other debts take %1 of your gross income; at most %2</source>
        <translation>Le logement et les autres dettes prennent %1 de votre revenu brut&#xa0;; au plus %2</translation>
    </message>
    <message>
        <source>Loan to value %1: private mortgage insurance is usually required, and can be cancelled at 80% of the original value</source>
        <translation>Ratio prêt-valeur de %1&#xa0;: l&apos;assurance hypothécaire privée est habituellement exigée et peut être résiliée à 80 % de la valeur d&apos;origine</translation>
    </message>
    <message>
        <source>Loan to value %1: no private mortgage insurance at 80% or less</source>
        <translation>Ratio prêt-valeur de %1&#xa0;: aucune assurance hypothécaire privée à 80 % ou moins</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Fails</source>
        <translation>Échoué</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>%1: %2 of %3 types pass the usual lender checks</source>
        <translation>%1&#xa0;: %2 types sur %3 réussissent les contrôles habituels</translation>
    </message>
    <message>
        <source>%1: %2 of %3 pass</source>
        <translation>%1&#xa0;: %2 sur %3 réussis</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1&#xa0;: réussi</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1&#xa0;: échoué</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>APRA: a serviceability buffer of 3 points (letter of October 2021, since November 2021); interest-only loans tested on principal and interest (APG 223); debt-to-income of 6 or more limited (from 1 February 2026). Lenders mortgage insurance is priced by insurers, usually above 80% loan to value.</source>
        <translation>APRA&#xa0;: une marge de viabilité de 3 points (lettre d&apos;octobre 2021, depuis novembre 2021)&#xa0;; les prêts à intérêts seulement testés sur le capital et les intérêts (APG 223)&#xa0;; un ratio dette-revenu de 6 ou plus limité (depuis le 1er février 2026). L&apos;assurance prêt hypothécaire du prêteur est tarifée par les assureurs, habituellement au-delà d&apos;un ratio prêt-valeur de 80 %.</translation>
    </message>
    <message>
        <source>OSFI and the Department of Finance: the minimum qualifying rate, the greater of the rate plus 2 points and 5.25% (since 1 June 2021); CMHC: gross and total debt service of 39% and 44% (since 5 July 2021) and its premiums; the minimum down payment (since 15 December 2024).</source>
        <translation>BSIF et ministère des Finances&#xa0;: le taux admissible minimal, le plus élevé du taux plus 2 points et de 5,25 % (depuis le 1er juin 2021)&#xa0;; SCHL&#xa0;: coefficients d&apos;amortissement brut et total de la dette de 39 % et 44 % (depuis le 5 juillet 2021) et ses primes&#xa0;; la mise de fonds minimale (depuis le 15 décembre 2024).</translation>
    </message>
    <message>
        <source>Central Bank of Ireland mortgage measures (since January 2023): loan to income 4 times for first-time buyers, 3.5 for others; a deposit of 10%.</source>
        <translation>Mesures hypothécaires de la Banque centrale d&apos;Irlande (depuis janvier 2023)&#xa0;: prêt de 4 fois le revenu pour les premiers acheteurs, 3,5 pour les autres&#xa0;; un apport de 10 %.</translation>
    </message>
    <message>
        <source>Reserve Bank of New Zealand: debt-to-income above 6 limited (since 1 July 2024); loan-to-value above 80% limited (since 1 December 2025).</source>
        <translation>Banque de réserve de Nouvelle-Zélande&#xa0;: ratio dette-revenu au-delà de 6 limité (depuis le 1er juillet 2024)&#xa0;; ratio prêt-valeur au-delà de 80 % limité (depuis le 1er décembre 2025).</translation>
    </message>
    <message>
        <source>Bank of England FPC: loans of 4.5 times income or more limited to 15% of new mortgages (since 2014); FCA MCOB 11.6.18R: lenders allow for rates rising.</source>
        <translation>FPC de la Banque d&apos;Angleterre&#xa0;: prêts de 4,5 fois le revenu ou plus limités à 15 % des nouveaux prêts (depuis 2014)&#xa0;; FCA MCOB 11.6.18R&#xa0;: les prêteurs tiennent compte d&apos;une hausse des taux.</translation>
    </message>
    <message>
        <source>Fannie Mae Selling Guide: debt-to-income 36% manual, 45% with compensating factors, 50% automated; the Homeowners Protection Act on private mortgage insurance.</source>
        <translation>Fannie Mae Selling Guide&#xa0;: ratio dette-revenu de 36 % en souscription manuelle, 45 % avec facteurs compensatoires, 50 % en souscription automatisée&#xa0;; le Homeowners Protection Act sur l&apos;assurance hypothécaire privée.</translation>
    </message>
</context>
<context>
    <name>hw::LoanQuestions</name>
    <message>
        <source>How often you pay can be worked out for the Table and Reducing Balance types.</source>
        <translation>La fréquence des versements peut être calculée pour les types Mensualités constantes et Amortissement constant.</translation>
    </message>
    <message>
        <source>The savings in the offset account must be between 0 and the amount borrowed.</source>
        <translation>L&apos;épargne du compte compensateur doit être comprise entre 0 et le montant emprunté.</translation>
    </message>
    <message>
        <source>The savings added each month must be at least 0 and less than the amount borrowed.</source>
        <translation>L&apos;épargne ajoutée chaque mois doit être d&apos;au moins 0 et inférieure au montant emprunté.</translation>
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
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>En savoir &amp;plus</translation>
    </message>
    <message>
        <source>&amp;Handbook</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;About Hearthwise</source>
        <translation>À &amp;propos de Hearthwise</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Qu&apos;est-ce que c&apos;est&#xa0;?</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Back returns to the previous page. Your entries are kept.</source>
        <translation>Précédent revient à la page précédente. Vos saisies sont conservées.</translation>
    </message>
    <message>
        <source>Next checks this page, works out its totals if needed and moves to the next page.</source>
        <translation>Suivant vérifie cette page, calcule ses totaux au besoin et passe à la page suivante.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Étape %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1, étape %2 sur %3</translation>
    </message>
    <message>
        <source>The handbook is not where Hearthwise looks for it: %1</source>
        <translation>Le manuel n&apos;est pas là où Hearthwise le cherche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing on this computer could open the handbook. You can open it in your web browser: %1</source>
        <translation>Rien sur cet ordinateur n&apos;a pu ouvrir le manuel. Vous pouvez l&apos;ouvrir dans votre navigateur Web&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save this case before leaving?</source>
        <translation>Enregistrer ce dossier avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before leaving?</source>
        <translation>Enregistrer les modifications de %1 avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Thank you for using Hearthwise.</source>
        <translation>Merci d&apos;avoir utilisé Hearthwise.</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Dossiers Hearthwise (*.hearthwise)</translation>
    </message>
    <message>
        <source>Fi&amp;le</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Case</source>
        <translation>&amp;Nouveau dossier</translation>
    </message>
    <message>
        <source>&amp;Open Case...</source>
        <translation>&amp;Ouvrir un dossier...</translation>
    </message>
    <message>
        <source>&amp;Save Case</source>
        <translation>&amp;Enregistrer le dossier</translation>
    </message>
    <message>
        <source>Save Case &amp;As...</source>
        <translation>Enregistrer le dossier &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Compare Cases...</source>
        <translation>&amp;Comparer des dossiers...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Save this case before opening another?</source>
        <translation>Enregistrer ce dossier avant d&apos;en ouvrir un autre&#xa0;?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before opening another case?</source>
        <translation>Enregistrer les modifications de %1 avant d&apos;ouvrir un autre dossier&#xa0;?</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Save this case before starting a new one?</source>
        <translation>Enregistrer ce dossier avant d&apos;en commencer un nouveau&#xa0;?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before starting a new case?</source>
        <translation>Enregistrer les modifications de %1 avant de commencer un nouveau dossier&#xa0;?</translation>
    </message>
    <message>
        <source>Save Case As</source>
        <translation>Enregistrer le dossier sous</translation>
    </message>
    <message>
        <source>case</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>The case could not be saved as %1: %2</source>
        <translation>Le dossier n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Hearthwise speaks %1 now, but could not keep the choice for its next start.</source>
        <translation>Hearthwise parle maintenant %1, mais n&apos;a pas pu conserver ce choix pour son prochain démarrage.</translation>
    </message>
    <message>
        <source>This case</source>
        <translation>Ce dossier</translation>
    </message>
</context>
<context>
    <name>hw::Message</name>
    <message>
        <source>For more information on any page click on &apos;Tell Me More&apos; in the Help menu.</source>
        <translation>Pour en savoir plus sur une page, cliquez sur «&#xa0;En savoir plus&#xa0;» dans le menu Aide.</translation>
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
        <translation>Question</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>hw::MortgageReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>Et si</translation>
    </message>
    <message>
        <source>Lender Checks</source>
        <translation>Contrôles des prêteurs</translation>
    </message>
    <message>
        <source>Monthly Repayments</source>
        <translation>Versements mensuels</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Objet&#xa0;:</translation>
    </message>
    <message>
        <source>Amount borrowed:</source>
        <translation>Montant emprunté&#xa0;:</translation>
    </message>
    <message>
        <source>Term in years:</source>
        <translation>Durée en années&#xa0;:</translation>
    </message>
    <message>
        <source>Interest rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Monthly spare income:</source>
        <translation>Revenu mensuel disponible&#xa0;:</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Type of Mortgage</source>
        <translation>Type de prêt</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>Cette option n&apos;est pas abordable</translation>
    </message>
    <message>
        <source>Term: the years the loan runs; for the endowment and revolving credit types, the years until it is paid off.</source>
        <translation>Durée&#xa0;: les années que dure le prêt&#xa0;; pour les types avec assurance-vie et à crédit renouvelable, les années jusqu&apos;à son remboursement.</translation>
    </message>
    <message>
        <source>Monthly Repayments: what you pay in the first and in the last month. The revolving credit types have no set repayment (Variant): your spare income goes into the loan each month.</source>
        <translation>Versements mensuels&#xa0;: ce que vous payez le premier et le dernier mois. Les types à crédit renouvelable n&apos;ont pas de versement fixe (Variable)&#xa0;: votre revenu disponible va dans le prêt chaque mois.</translation>
    </message>
    <message>
        <source>Total Paid: everything you pay over the term; Interest Total Paid: the part of it that is interest.</source>
        <translation>Total payé&#xa0;: tout ce que vous payez sur la durée&#xa0;; Total des intérêts payés&#xa0;: la part de celui-ci qui est de l&apos;intérêt.</translation>
    </message>
    <message>
        <source>Final Balance: what is still owed at the end of the term, to be repaid another way.</source>
        <translation>Solde final&#xa0;: ce qui reste dû à la fin de la durée, à rembourser autrement.</translation>
    </message>
    <message>
        <source>The figures are worked out from the amount, rate, term and spare income above. They are not an offer of a loan: ask your lender for its own figures.</source>
        <translation>Les montants sont calculés à partir du montant, du taux, de la durée et du revenu disponible ci-dessus. Ils ne sont pas une offre de prêt&#xa0;: demandez à votre prêteur ses propres chiffres.</translation>
    </message>
    <message>
        <source>Reading the table</source>
        <translation>Lire le tableau</translation>
    </message>
    <message>
        <source>Outstanding Balance over Time</source>
        <translation>Solde restant dû au fil du temps</translation>
    </message>
    <message>
        <source>What is still owed at the end of each month, for every type that is affordable.</source>
        <translation>Ce qui reste dû à la fin de chaque mois, pour chaque type abordable.</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>Options de prêt hypothécaire</translation>
    </message>
    <message>
        <source>Interest
Total Paid</source>
        <translation>Intérêts
payés au total</translation>
    </message>
    <message>
        <source>Final
Balance</source>
        <translation>Solde
final</translation>
    </message>
</context>
<context>
    <name>hw::NumericField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez entrer un nombre.</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>Ce montant est trop élevé.</translation>
    </message>
    <message>
        <source>Please enter a number of 0 or more.</source>
        <translation>Veuillez entrer un nombre de 0 ou plus.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Veuillez entrer un nombre entier.</translation>
    </message>
    <message>
        <source>This currency has no decimals: please enter a whole amount.</source>
        <translation>Cette devise n&apos;a pas de décimales&#xa0;: veuillez entrer un montant entier.</translation>
    </message>
    <message>
        <source>Please enter an amount with no more decimals than the currency shows.</source>
        <translation>Veuillez entrer un montant n&apos;ayant pas plus de décimales que la devise.</translation>
    </message>
</context>
<context>
    <name>hw::OptionTexts</name>
    <message>
        <source>Table</source>
        <translation>Mensualités constantes</translation>
    </message>
    <message>
        <source>Reducing Balance</source>
        <translation>Amortissement constant</translation>
    </message>
    <message>
        <source>Interest Only</source>
        <translation>Intérêts seulement</translation>
    </message>
    <message>
        <source>Table Endowment</source>
        <translation>Mensualités constantes avec assurance-vie</translation>
    </message>
    <message>
        <source>Interest Only Endowment</source>
        <translation>Intérêts seulement avec assurance-vie</translation>
    </message>
    <message>
        <source>Revolving Credit with Cash Management</source>
        <translation>Crédit renouvelable avec gestion de trésorerie</translation>
    </message>
    <message>
        <source>Revolving Credit with Credit Card Management</source>
        <translation>Crédit renouvelable avec carte de crédit</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Needs %1 a month; %2 is spare</source>
        <translation>Il faut %1 par mois&#xa0;; %2 disponible</translation>
    </message>
    <message>
        <source>The first month&apos;s interest, %1, is more than the %2 spare</source>
        <translation>L&apos;intérêt du premier mois, %1, dépasse les %2 disponibles</translation>
    </message>
    <message>
        <source>The fund never reaches the amount borrowed at this rate</source>
        <translation>Le fonds n&apos;atteint jamais le montant emprunté à ce taux</translation>
    </message>
    <message>
        <source>The spare income does not cover the interest</source>
        <translation>Le revenu disponible ne couvre pas l&apos;intérêt</translation>
    </message>
</context>
<context>
    <name>hw::PageBuilder</name>
    <message>
        <source>Current Domestic Residence:</source>
        <translation>Résidence principale actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Combined Rental Properties:</source>
        <translation>Immeubles locatifs combinés&#xa0;:</translation>
    </message>
    <message>
        <source>Combined Value of Vehicles:</source>
        <translation>Valeur combinée des véhicules&#xa0;:</translation>
    </message>
    <message>
        <source>Surrender Value Of Life Policies:</source>
        <translation>Valeur de rachat des assurances-vie&#xa0;:</translation>
    </message>
    <message>
        <source>Other Land or Section Value:</source>
        <translation>Valeur d&apos;un autre terrain&#xa0;:</translation>
    </message>
    <message>
        <source>Managed Funds:</source>
        <translation>Fonds gérés&#xa0;:</translation>
    </message>
    <message>
        <source>Superannuation:</source>
        <translation>Épargne-retraite&#xa0;:</translation>
    </message>
    <message>
        <source>Savings:</source>
        <translation>Épargne&#xa0;:</translation>
    </message>
    <message>
        <source>Shares:</source>
        <translation>Actions&#xa0;:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Autre&#xa0;:</translation>
    </message>
    <message>
        <source>Domestic Mortgage:</source>
        <translation>Prêt hypothécaire résidentiel&#xa0;:</translation>
    </message>
    <message>
        <source>Personal Loans:</source>
        <translation>Immeubles locatifs combinés&#xa0;:</translation>
    </message>
    <message>
        <source>Hire Purchases  (inc. Car):</source>
        <translation>Achats à crédit (y compris voiture)&#xa0;:</translation>
    </message>
    <message>
        <source>Credit Card Balances:</source>
        <translation>Soldes de cartes de crédit&#xa0;:</translation>
    </message>
    <message>
        <source>Annual Gross Taxable Income:</source>
        <translation>Revenu annuel brut imposable&#xa0;:</translation>
    </message>
    <message>
        <source>Other Annual Gross Income:</source>
        <translation>Autre revenu annuel brut&#xa0;:</translation>
    </message>
    <message>
        <source>Any Other Annual Gross Income:</source>
        <translation>Tout autre revenu annuel brut&#xa0;:</translation>
    </message>
    <message>
        <source>Tax Rate:</source>
        <translation>Taux d&apos;imposition&#xa0;:</translation>
    </message>
    <message>
        <source>Household Shopping (Food and Groceries, Meals out...):</source>
        <translation>Épicerie et repas (alimentation, restaurants...)&#xa0;:</translation>
    </message>
    <message>
        <source>Utilities (Telephone, Electricity, LPG...):</source>
        <translation>Services publics (téléphone, électricité, gaz...)&#xa0;:</translation>
    </message>
    <message>
        <source>Transportation (Fuel, Maintenance, Road Taxes...):</source>
        <translation>Transport (carburant, entretien, taxes routières...)&#xa0;:</translation>
    </message>
    <message>
        <source>Insurance (Vehicles, Medical, Life... ):</source>
        <translation>Assurances (véhicules, santé, vie... )&#xa0;:</translation>
    </message>
    <message>
        <source>Education (Schooling, University, Childcare...):</source>
        <translation>Éducation (école, université, garde d&apos;enfants...)&#xa0;:</translation>
    </message>
    <message>
        <source>Leisure (Entertainment, Gifts, TV...):</source>
        <translation>Loisirs (sorties, cadeaux, télé...)&#xa0;:</translation>
    </message>
    <message>
        <source>Other (Clothing, Pets, Donations...):</source>
        <translation>Autre (vêtements, animaux, dons...)&#xa0;:</translation>
    </message>
    <message>
        <source>Valuation Fees:</source>
        <translation>Frais d&apos;évaluation&#xa0;:</translation>
    </message>
    <message>
        <source>Legal or Conveyancing Costs:</source>
        <translation>Frais juridiques ou de notaire&#xa0;:</translation>
    </message>
    <message>
        <source>Bank Charges:</source>
        <translation>Frais bancaires&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>Term in Years:</source>
        <translation>Durée en années&#xa0;:</translation>
    </message>
    <message>
        <source>Property Tax a Year:</source>
        <translation>Impôt foncier par année&#xa0;:</translation>
    </message>
    <message>
        <source>Heating a Month:</source>
        <translation>Chauffage par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Condominium Fees a Month:</source>
        <translation>Frais de copropriété par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Payments on Other Debts a Month:</source>
        <translation>Versements sur d&apos;autres dettes par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Other Credit Card Balances:</source>
        <translation>Autres soldes de cartes de crédit&#xa0;:</translation>
    </message>
    <message>
        <source>Total Current Debts:</source>
        <translation>Total des dettes actuelles&#xa0;:</translation>
    </message>
    <message>
        <source>Total current Debts:</source>
        <translation>Total des dettes actuelles&#xa0;:</translation>
    </message>
    <message>
        <source>Your Contribution:</source>
        <translation>Votre apport&#xa0;:</translation>
    </message>
    <message>
        <source>Your Cash Contribution:</source>
        <translation>Votre apport en argent&#xa0;:</translation>
    </message>
    <message>
        <source>Cash you wish to withhold:</source>
        <translation>Somme que vous souhaitez retenir&#xa0;:</translation>
    </message>
    <message>
        <source>Your Equity:</source>
        <translation>Votre avoir propre&#xa0;:</translation>
    </message>
    <message>
        <source>Purchase Price:</source>
        <translation>Prix d&apos;achat&#xa0;:</translation>
    </message>
    <message>
        <source>Value of Land:</source>
        <translation>Valeur du terrain&#xa0;:</translation>
    </message>
    <message>
        <source>Total Cost to Build:</source>
        <translation>Coût total de construction&#xa0;:</translation>
    </message>
    <message>
        <source>Current Value of Your Home:</source>
        <translation>Valeur actuelle de votre maison&#xa0;:</translation>
    </message>
    <message>
        <source>Total Cost of the Improvements:</source>
        <translation>Coût total des rénovations&#xa0;:</translation>
    </message>
    <message>
        <source>Selling Price: </source>
        <translation>Prix de vente&#xa0;: </translation>
    </message>
    <message>
        <source>Real Estate Fees:</source>
        <translation>Frais de courtage immobilier&#xa0;:</translation>
    </message>
    <message>
        <source>Selling Price:</source>
        <translation>Prix de vente&#xa0;:</translation>
    </message>
    <message>
        <source>Cost of Land:</source>
        <translation>Coût du terrain&#xa0;:</translation>
    </message>
    <message>
        <source>Cost to Build:</source>
        <translation>Coût de construction&#xa0;:</translation>
    </message>
    <message>
        <source>Purchase Price of new Property:</source>
        <translation>Prix d&apos;achat de la nouvelle propriété&#xa0;:</translation>
    </message>
    <message>
        <source>Total Value of other Properties:</source>
        <translation>Valeur totale des autres propriétés&#xa0;:</translation>
    </message>
    <message>
        <source>Total Value of Properties:</source>
        <translation>Valeur totale des propriétés&#xa0;:</translation>
    </message>
    <message>
        <source>Total value of Properties: </source>
        <translation>Valeur totale des propriétés&#xa0;: </translation>
    </message>
    <message>
        <source>Amount You Want To Borrow:</source>
        <translation>Montant que vous voulez emprunter&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>Après impôt&#xa0;:</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Sous-total&#xa0;:</translation>
    </message>
    <message>
        <source>Total Before Bank Charges:</source>
        <translation>Total avant frais bancaires&#xa0;:</translation>
    </message>
</context>
<context>
    <name>hw::PicturePage</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Merci</translation>
    </message>
</context>
<context>
    <name>hw::PreviewWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>C&amp;hart Page</source>
        <translation>Page du &amp;graphique</translation>
    </message>
    <message>
        <source>Add a page with the chart of the balances over time</source>
        <translation>Ajouter une page avec le graphique des soldes au fil du temps</translation>
    </message>
    <message>
        <source>Wh&amp;at If Page</source>
        <translation>Page E&amp;t si</translation>
    </message>
    <message>
        <source>Add a page with the What If answers</source>
        <translation>Ajouter une page avec les réponses Et si</translation>
    </message>
    <message>
        <source>&amp;Lender Checks Page</source>
        <translation>Page des &amp;contrôles des prêteurs</translation>
    </message>
    <message>
        <source>Add a page with each type&apos;s lender checks</source>
        <translation>Ajouter une page avec les contrôles des prêteurs de chaque type</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Fit Width</source>
        <translation>Pleine &amp;largeur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print the report (Ctrl+P)</source>
        <translation>Imprimer le rapport (Ctrl+P)</translation>
    </message>
    <message>
        <source>Save the report as a PDF file (Ctrl+S)</source>
        <translation>Enregistrer le rapport en fichier PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report was saved as %1.</source>
        <translation>Le rapport a été enregistré sous %1.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>hw::PurposeChoicePage</name>
    <message>
        <source>First Home Buyer</source>
        <translation>Premier achat d&apos;une maison</translation>
    </message>
    <message>
        <source>First Home Builder</source>
        <translation>Première construction d&apos;une maison</translation>
    </message>
    <message>
        <source>Home Improvement</source>
        <translation>Rénovation de la maison</translation>
    </message>
    <message>
        <source>Selling and Buying</source>
        <translation>Vente et achat</translation>
    </message>
    <message>
        <source>Selling and Building</source>
        <translation>Vente et construction</translation>
    </message>
    <message>
        <source>Additional Real Estate Purchase</source>
        <translation>Achat d&apos;un autre bien immobilier</translation>
    </message>
    <message>
        <source>Additional Building</source>
        <translation>Autre construction</translation>
    </message>
    <message>
        <source>Refinance</source>
        <translation>Refinancement</translation>
    </message>
    <message>
        <source>Other Loans</source>
        <translation>Autres prêts</translation>
    </message>
    <message>
        <source>Purpose of the mortgage</source>
        <translation>Objet du prêt hypothécaire</translation>
    </message>
</context>
<context>
    <name>hw::RatePage</name>
    <message>
        <source>Fixed Rate</source>
        <translation>Taux fixe</translation>
    </message>
    <message>
        <source>Adjustable Rate</source>
        <translation>Taux variable</translation>
    </message>
    <message>
        <source>Capped Rate</source>
        <translation>Taux plafonné</translation>
    </message>
    <message>
        <source>Compounded:</source>
        <translation>Capitalisation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensuelle</translation>
    </message>
    <message>
        <source>Half-&amp;yearly</source>
        <translation>Semes&amp;trielle</translation>
    </message>
    <message>
        <source>How the interest rate compounds</source>
        <translation>Capitalisation du taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Types of interest rate:</source>
        <translation>Types de taux d&apos;intérêt&#xa0;:</translation>
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
        <translation>Le rapport n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>hw::RequirementPage</name>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Selling</source>
        <translation>Vente</translation>
    </message>
    <message>
        <source>Buying</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Construction</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Total&#xa0;: </translation>
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
        <translation>Utilisation&#xa0;: hearthwise [FICHIER]
       hearthwise --results FICHIER [--format csv|json]
       hearthwise --report FICHIER --pdf SORTIE.pdf [--chart]
  FICHIER          ouvrir le dossier enregistré dans la fenêtre
  --results FICHIER  afficher les résultats d&apos;un dossier enregistré et quitter
  --format FORMAT  csv (par défaut) ou json
  --report FICHIER écrire le rapport «&#xa0;Options de prêt hypothécaire&#xa0;» d&apos;un dossier enregistré
  --pdf SORTIE.pdf le fichier PDF où le rapport est écrit
  --chart          ajouter au rapport le graphique des soldes
  --version        afficher la version et quitter
  --help           afficher cette aide et quitter
</translation>
    </message>
    <message>
        <source>%1 (hearthwise --help lists the options)</source>
        <translation>%1 (hearthwise --help énumère les options)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Give one case file to open.</source>
        <translation>Indiquez un seul fichier de dossier à ouvrir.</translation>
    </message>
    <message>
        <source>Give the PDF file to write with --pdf OUT.pdf.</source>
        <translation>Indiquez le fichier PDF à écrire avec --pdf SORTIE.pdf.</translation>
    </message>
    <message>
        <source>The report would replace the case file it is made from: %1</source>
        <translation>Le rapport remplacerait le fichier du dossier dont il est tiré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Give the case file with --results FILE.</source>
        <translation>Indiquez le fichier de dossier avec --results FICHIER.</translation>
    </message>
    <message>
        <source>--pdf and --chart go with --report FILE.</source>
        <translation>--pdf et --chart vont avec --report FICHIER.</translation>
    </message>
    <message>
        <source>Unknown format: %1 (csv or json)</source>
        <translation>Format inconnu&#xa0;: %1 (csv ou json)</translation>
    </message>
    <message>
        <source>%1 stops short of its results: %2</source>
        <translation>%1 s&apos;arrête avant ses résultats&#xa0;: %2</translation>
    </message>
    <message>
        <source>The report needs the program&apos;s windows: hearthwise --report FILE --pdf OUT.pdf</source>
        <translation>Le rapport a besoin des fenêtres du programme&#xa0;: hearthwise --report FICHIER --pdf SORTIE.pdf</translation>
    </message>
</context>
<context>
    <name>hw::ResultsPage</name>
    <message>
        <source>Mortgage Type</source>
        <translation>Type de prêt</translation>
    </message>
    <message>
        <source> Term    Years</source>
        <translation> Durée    années</translation>
    </message>
    <message>
        <source>Monthly Repayments First                 Last</source>
        <translation>Versements mensuels Premier                 Dernier</translation>
    </message>
    <message>
        <source>Total   Amount Paid</source>
        <translation>Total   payé</translation>
    </message>
    <message>
        <source>Interest  Total Paid</source>
        <translation>Intérêts  payés au total</translation>
    </message>
    <message>
        <source>Final  Balance</source>
        <translation>Solde  final</translation>
    </message>
    <message>
        <source>&amp;What If</source>
        <translation>&amp;Et si</translation>
    </message>
    <message>
        <source>What if rates rise, how much could we borrow, paying extra, a fixed rate that ends</source>
        <translation>Et si les taux montent, combien pourrions-nous emprunter, payer davantage, un taux fixe qui prend fin</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>The balance of each type over the years, and its month-by-month schedule</source>
        <translation>Le solde de chaque type au fil des années, et son tableau d&apos;amortissement mois par mois</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>C&amp;omparer</translation>
    </message>
    <message>
        <source>This case beside saved cases</source>
        <translation>Ce dossier à côté de dossiers enregistrés</translation>
    </message>
    <message>
        <source>Lender Chec&amp;ks</source>
        <translation>Contrôles des prê&amp;teurs</translation>
    </message>
    <message>
        <source>The usual checks of lenders in your country, for each type</source>
        <translation>Les contrôles habituels des prêteurs de votre pays, pour chaque type</translation>
    </message>
    <message>
        <source>Shaded: the lowest first repayment and the lowest total paid among the types you can afford that repay the loan.</source>
        <translation>Ombrés&#xa0;: le premier versement et le total payé les plus bas des types abordables qui remboursent le prêt.</translation>
    </message>
    <message>
        <source>%1, term in years</source>
        <translation>%1, durée en années</translation>
    </message>
    <message>
        <source>%1, first monthly repayment</source>
        <translation>%1, premier versement mensuel</translation>
    </message>
    <message>
        <source>%1, last monthly repayment</source>
        <translation>%1, dernier versement mensuel</translation>
    </message>
    <message>
        <source>%1, total amount paid</source>
        <translation>%1, montant total payé</translation>
    </message>
    <message>
        <source>%1, interest total paid</source>
        <translation>%1, total des intérêts payés</translation>
    </message>
    <message>
        <source>%1, final balance</source>
        <translation>%1, solde final</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>Cette option n&apos;est pas abordable</translation>
    </message>
    <message>
        <source>%1: This option is not affordable</source>
        <translation>%1&#xa0;: Cette option n&apos;est pas abordable</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>Abordable</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>Non abordable</translation>
    </message>
    <message>
        <source>Not affordable: %1</source>
        <translation>Non abordable&#xa0;: %1</translation>
    </message>
    <message>
        <source>The lowest of the affordable types that repay the loan</source>
        <translation>Le plus bas des types abordables qui remboursent le prêt</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>Options de prêt hypothécaire</translation>
    </message>
    <message>
        <source>%1 compounded half-yearly</source>
        <translation>%1 capitalisé semestriellement</translation>
    </message>
    <message>
        <source>Amount borrowed:  %1  at  %2</source>
        <translation>Montant emprunté&#xa0;:  %1  à  %2</translation>
    </message>
</context>
<context>
    <name>hw::SaveAs</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The printing system could not make the PDF.</source>
        <translation>Le système d&apos;impression n&apos;a pas pu produire le PDF.</translation>
    </message>
</context>
<context>
    <name>hw::StepPage</name>
    <message>
        <source>If you are refinancing your debt must be over $0!</source>
        <translation>Si vous refinancez, votre dette doit être supérieure à 0 $&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter your income value.</source>
        <translation>Veuillez entrer votre revenu.</translation>
    </message>
    <message>
        <source>Tax rate must be less than 100%.</source>
        <translation>Le taux d&apos;imposition doit être inférieur à 100 %.</translation>
    </message>
    <message>
        <source>The amount you want to borrow must be over $0!</source>
        <translation>Le montant que vous voulez emprunter doit être supérieur à 0 $&#xa0;!</translation>
    </message>
    <message>
        <source>Interest rate must be less than 100%.</source>
        <translation>Le taux d&apos;intérêt doit être inférieur à 100 %.</translation>
    </message>
    <message>
        <source>Term in years must be between 0.1 and 100.</source>
        <translation>La durée en années doit être comprise entre 0,1 et 100.</translation>
    </message>
    <message>
        <source>Please enter Selling Price.</source>
        <translation>Veuillez entrer le prix de vente.</translation>
    </message>
    <message>
        <source>Please enter Purchase Price.</source>
        <translation>Veuillez entrer le prix d&apos;achat.</translation>
    </message>
    <message>
        <source>Please enter Cost to build.</source>
        <translation>Veuillez entrer le coût de construction.</translation>
    </message>
    <message>
        <source>Please enter required value.</source>
        <translation>Veuillez entrer la valeur requise.</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>Ce montant est trop élevé.</translation>
    </message>
    <message>
        <source>Bank Charges must be less than 100%.</source>
        <translation>Les frais bancaires doivent être inférieurs à 100 %.</translation>
    </message>
    <message>
        <source>ASSETS</source>
        <translation>ACTIF</translation>
    </message>
    <message>
        <source>LIABILITIES</source>
        <translation>PASSIF</translation>
    </message>
    <message>
        <source>INCOME</source>
        <translation>REVENUS</translation>
    </message>
    <message>
        <source>EXPENSES</source>
        <translation>DÉPENSES</translation>
    </message>
    <message>
        <source>FEES AND BANK CHARGES</source>
        <translation>FRAIS ET FRAIS BANCAIRES</translation>
    </message>
    <message>
        <source>INTEREST RATE AND TERM</source>
        <translation>TAUX D&apos;INTÉRÊT ET DURÉE</translation>
    </message>
    <message>
        <source>LENDER CHECKS</source>
        <translation>CONTRÔLES DES PRÊTEURS</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUYER</source>
        <translation>PREMIER ACHAT D&apos;UNE MAISON</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUILDER</source>
        <translation>PREMIÈRE CONSTRUCTION D&apos;UNE MAISON</translation>
    </message>
    <message>
        <source>HOME IMPROVEMENT</source>
        <translation>RÉNOVATION DE LA MAISON</translation>
    </message>
    <message>
        <source>SELLING AND BUYING</source>
        <translation>VENTE ET ACHAT</translation>
    </message>
    <message>
        <source>SELLING AND BUILDING</source>
        <translation>VENTE ET CONSTRUCTION</translation>
    </message>
    <message>
        <source>ADDITIONAL REAL ESTATE PURCHASE</source>
        <translation>ACHAT D&apos;UN AUTRE BIEN IMMOBILIER</translation>
    </message>
    <message>
        <source>ADDITIONAL BUILDING</source>
        <translation>AUTRE CONSTRUCTION</translation>
    </message>
    <message>
        <source>REFINANCE</source>
        <translation>REFINANCEMENT</translation>
    </message>
    <message>
        <source>OTHER LOANS</source>
        <translation>AUTRES PRÊTS</translation>
    </message>
    <message>
        <source>Fitting a mortgage to yourself means selecting the type of loan that is right for you. The right type depends on your own finances and on your plans for the years ahead.
Two aims guide the choice: pay the lowest rate of interest you can get, and never let savings sit idle while you still owe money on your home.
Choose early. How much you can borrow depends on your income, on the equity you bring and on the repayments you can afford, and knowing these before you look at houses puts you in a stronger position.
Hearthwise compares the total cost of the usual types of mortgage over the whole term, assuming the interest rate does not change. A wrong choice can cost you thousands, so use these figures to shop around.</source>
        <translation>Adapter un prêt hypothécaire à votre situation, c&apos;est choisir le type de prêt qui vous convient. Le bon type dépend de vos finances et de vos projets pour les années à venir.
Deux objectifs guident le choix&#xa0;: obtenir le taux d&apos;intérêt le plus bas possible, et ne jamais laisser dormir une épargne tant que vous devez encore de l&apos;argent sur votre maison.
Choisissez tôt. Le montant que vous pouvez emprunter dépend de votre revenu, de votre avoir propre et des versements que vous pouvez assumer&#xa0;; les connaître avant de visiter des maisons vous place en position de force.
Hearthwise compare le coût total des types de prêt hypothécaire courants sur toute la durée, en supposant que le taux d&apos;intérêt ne change pas. Un mauvais choix peut vous coûter des milliers de dollars&#xa0;: servez-vous de ces chiffres pour comparer les offres.</translation>
    </message>
    <message>
        <source>Because the average borrower has limited income and expenditure is tight, it is important to get as much from our money as we can. The savings come from a lower rate of interest and from putting your savings and any surplus income towards your debt.
Look for a loan whose interest is calculated on the daily reducing balance and that accepts extra payments at any time with little or no fee for repaying early.

REMEMBER: YOUR BEST INVESTMENT IS TO PAY OFF YOUR MORTGAGE AS SOON AS POSSIBLE.

Fit the mortgage to your own affairs, keep to your budget with discipline, but do not become a slave to it.</source>
        <translation>Comme l&apos;emprunteur moyen a un revenu limité et un budget serré, il importe de tirer le meilleur parti de son argent. Les économies viennent d&apos;un taux d&apos;intérêt plus bas et de l&apos;affectation de votre épargne et de tout surplus de revenu à votre dette.
Cherchez un prêt dont l&apos;intérêt est calculé sur le solde quotidien dégressif et qui accepte des versements supplémentaires en tout temps, sans frais ou presque pour un remboursement anticipé.

RAPPEL&#xa0;: VOTRE MEILLEUR PLACEMENT EST DE REMBOURSER VOTRE PRÊT HYPOTHÉCAIRE LE PLUS TÔT POSSIBLE.

Adaptez le prêt à votre situation, tenez votre budget avec discipline, mais n&apos;en devenez pas l&apos;esclave.</translation>
    </message>
    <message>
        <source>First we need to determine the purpose for your mortgage. Please select the option below that best represents your mortgage requirement.</source>
        <translation>Nous devons d&apos;abord déterminer l&apos;objet de votre prêt hypothécaire. Veuillez choisir ci-dessous l&apos;option qui correspond le mieux à votre besoin.</translation>
    </message>
    <message>
        <source>An asset is everything that you own that has monetary value. Your home, land, savings, shares, vehicles and life policies are all assets, and a lender is reassured to see that you own things of value and have built them up over time.
Enter each asset at the price it would fetch on the open market today. For a life policy enter its surrender value, what the insurer would pay you if you cashed it in today.</source>
        <translation>Un actif est tout ce que vous possédez qui a une valeur monétaire. Votre maison, un terrain, votre épargne, vos actions, vos véhicules et vos assurances-vie sont des actifs, et un prêteur est rassuré de voir que vous possédez des biens de valeur et que vous les avez constitués au fil du temps.
Inscrivez chaque actif au prix qu&apos;il obtiendrait aujourd&apos;hui sur le marché. Pour une assurance-vie, inscrivez sa valeur de rachat, ce que l&apos;assureur vous verserait si vous la rachetiez aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>The opposite of assets are liabilities. A liability is a legal duty to repay money that you owe, whether to a lender such as a bank or to other creditors such as a store or a credit card company.</source>
        <translation>Le contraire de l&apos;actif est le passif. Un passif est une obligation légale de rembourser l&apos;argent que vous devez, que ce soit à un prêteur comme une banque ou à d&apos;autres créanciers comme un magasin ou une société de cartes de crédit.</translation>
    </message>
    <message>
        <source>The first step in developing a budget is calculating total annual income. Multiply your pay by the number of pay periods in a year: 52 if you are paid weekly, 26 if you are paid fortnightly. If you are self-employed, use your lowest pay of the last six to twelve months.
Then add any other income you receive, such as dividends, the pay from a second job or the rent from a property.</source>
        <translation>La première étape d&apos;un budget consiste à calculer le revenu annuel total. Multipliez votre paie par le nombre de périodes de paie dans une année&#xa0;: 52 si vous êtes payé chaque semaine, 26 si vous êtes payé aux deux semaines. Si vous êtes travailleur autonome, prenez votre paie la plus basse des six à douze derniers mois.
Ajoutez ensuite tout autre revenu que vous recevez, comme des dividendes, la paie d&apos;un deuxième emploi ou le loyer d&apos;un immeuble.</translation>
    </message>
    <message>
        <source>The next step is setting expenses categories, for example; utilities, maintenance, insurance etc. The categories should mirror the way you really spend your money.
Enter the living expenses you pay as bills for the period selected, fortnightly or monthly, as if you already owned the new house. Leave out rent and the payments on any existing mortgage.</source>
        <translation>L&apos;étape suivante consiste à établir des catégories de dépenses, par exemple les services publics, l&apos;entretien, les assurances, etc. Les catégories doivent refléter la façon dont vous dépensez réellement votre argent.
Inscrivez les frais de subsistance que vous payez sous forme de factures pour la période choisie, aux deux semaines ou par mois, comme si vous possédiez déjà la nouvelle maison. Laissez de côté le loyer et les versements de tout prêt hypothécaire existant.</translation>
    </message>
    <message>
        <source>As a first time home buyer you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make (your deposit) and the purchase price of the home.</source>
        <translation>Comme premier acheteur, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer l&apos;apport que vous pouvez faire (votre mise de fonds) et le prix d&apos;achat de la maison.</translation>
    </message>
    <message>
        <source>As a first time home builder you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building the house.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Comme premier constructeur, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer l&apos;apport que vous pouvez faire, la valeur du terrain et le coût de construction de la maison.
Si vous possédez déjà le terrain, incluez sa valeur dans le champ «&#xa0;Votre apport&#xa0;».</translation>
    </message>
    <message>
        <source>As you wish to improve your home you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of your home and the total cost of the improvements.</source>
        <translation>Comme vous souhaitez rénover votre maison, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer l&apos;apport que vous pouvez faire, la valeur de votre maison et le coût total des rénovations.</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to purchase another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for and the purchase price of the new property.</source>
        <translation>Comme vous vendez votre propriété actuelle et souhaitez en acheter une autre, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer l&apos;apport que vous pouvez faire, le prix de vente que vous prévoyez et le prix d&apos;achat de la nouvelle propriété.</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to build another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Comme vous vendez votre propriété actuelle et souhaitez en construire une autre, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer l&apos;apport que vous pouvez faire, le prix de vente que vous prévoyez, la valeur du terrain et le coût de construction.
Si vous possédez déjà le terrain, incluez sa valeur dans le champ «&#xa0;Votre apport&#xa0;».</translation>
    </message>
    <message>
        <source>As you wish to make an additional purchase you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make and the purchase price of the new property.</source>
        <translation>Comme vous souhaitez faire un achat supplémentaire, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer l&apos;apport que vous pouvez faire et le prix d&apos;achat de la nouvelle propriété.</translation>
    </message>
    <message>
        <source>As you wish to do an additional build you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Comme vous souhaitez faire une construction supplémentaire, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer l&apos;apport que vous pouvez faire, la valeur du terrain et le coût de construction.
Si vous possédez déjà le terrain, incluez sa valeur dans le champ «&#xa0;Votre apport&#xa0;».</translation>
    </message>
    <message>
        <source>As you wish to refinance you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter any amount of money you wish to withhold from the new loan.</source>
        <translation>Comme vous souhaitez refinancer, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer toute somme que vous souhaitez retenir du nouveau prêt.</translation>
    </message>
    <message>
        <source>As you have chosen an alternative mortgage requirement option you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the amount you wish to borrow.</source>
        <translation>Comme vous avez choisi un autre besoin de prêt, vous devez fournir quelques détails de plus. Vos dettes actuelles ont été reprises des pages précédentes. Veuillez entrer le montant que vous souhaitez emprunter.</translation>
    </message>
    <message>
        <source>Now we need to know what other fees apply to this mortgage.
A lender may want a registered valuation of the property, and legal or conveyancing fees and the bank&apos;s own charges apply to most loans. The page starts with typical figures; yours may differ, so change them to match your case.</source>
        <translation>Nous devons maintenant connaître les autres frais qui s&apos;appliquent à ce prêt.
Un prêteur peut exiger une évaluation agréée de la propriété, et des frais juridiques ou de notaire ainsi que les frais de la banque s&apos;appliquent à la plupart des prêts. La page propose des montants courants&#xa0;; les vôtres peuvent différer, alors modifiez-les selon votre cas.</translation>
    </message>
    <message>
        <source>These figures represent your mortgage requirements and your Loan to Value Ratio. Your spare income, what is left of your income after tax once your living expenses are paid, is shown too. Enter the current interest rate and the term of the loan in years. Rates vary with the economy, and a difference of one percentage point makes a large difference to what you pay.</source>
        <translation>Ces montants représentent votre besoin de prêt et votre ratio prêt-valeur. Votre revenu disponible, ce qui reste de votre revenu après impôt une fois vos frais de subsistance payés, est aussi affiché. Entrez le taux d&apos;intérêt actuel et la durée du prêt en années. Les taux varient avec l&apos;économie, et un écart d&apos;un point de pourcentage change beaucoup ce que vous payez.</translation>
    </message>
    <message>
        <source>These figures represent the mortgage options available. Press the button of a mortgage type to learn more about it.
If you want to print these results, you can do so by pressing the Preview button.</source>
        <translation>Ces montants représentent les options de prêt hypothécaire offertes. Cliquez sur le bouton d&apos;un type de prêt pour en savoir plus.
Pour imprimer ces résultats, cliquez sur le bouton Aperçu.</translation>
    </message>
</context>
<context>
    <name>hw::SumPage</name>
    <message>
        <source>Total assets</source>
        <translation>Total de l&apos;actif</translation>
    </message>
    <message>
        <source>Total liabilities</source>
        <translation>Total du passif</translation>
    </message>
</context>
<context>
    <name>hw::Summary</name>
    <message>
        <source>Mortgage Requirement:</source>
        <translation>Besoin de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Loan to Value Ratio:</source>
        <translation>Ratio prêt-valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Total Monthly Income After Tax:</source>
        <translation>Revenu mensuel total après impôt&#xa0;:</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>Dépenses mensuelles&#xa0;:</translation>
    </message>
    <message>
        <source>Spare:</source>
        <translation>Disponible&#xa0;:</translation>
    </message>
</context>
<context>
    <name>hw::WhatIf</name>
    <message>
        <source>Rise in the rate, percentage points</source>
        <translation>Hausse du taux, en points de pourcentage</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <translation>Supplément chaque mois</translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation>Somme forfaitaire</translation>
    </message>
    <message>
        <source>Month of the lump sum</source>
        <translation>Mois de la somme forfaitaire</translation>
    </message>
    <message>
        <source>Years at the entered rate</source>
        <translation>Années au taux inscrit</translation>
    </message>
    <message>
        <source>The new rate</source>
        <translation>Le nouveau taux</translation>
    </message>
    <message>
        <source>Savings in the offset account</source>
        <translation>Épargne dans le compte compensateur</translation>
    </message>
    <message>
        <source>Savings added each month</source>
        <translation>Épargne ajoutée chaque mois</translation>
    </message>
    <message>
        <source>Balance of the current loan</source>
        <translation>Solde du prêt actuel</translation>
    </message>
    <message>
        <source>Rate of the current loan</source>
        <translation>Taux du prêt actuel</translation>
    </message>
    <message>
        <source>Years left on the current loan</source>
        <translation>Années restantes du prêt actuel</translation>
    </message>
    <message>
        <source>Costs of switching</source>
        <translation>Frais de changement</translation>
    </message>
    <message>
        <source>%1 must be 0 or more.</source>
        <translation>%1 doit être de 0 ou plus.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 est trop élevé.</translation>
    </message>
    <message>
        <source>The rise must be between %1 and %2 percentage points, in steps of %3.</source>
        <translation>La hausse doit être comprise entre %1 et %2 points de pourcentage, par pas de %3.</translation>
    </message>
    <message>
        <source>The extra amount each month</source>
        <translation>Le supplément chaque mois</translation>
    </message>
    <message>
        <source>The lump sum</source>
        <translation>La somme forfaitaire</translation>
    </message>
    <message>
        <source>The month of the lump sum must be a whole month from %1 to %2.</source>
        <translation>Le mois de la somme forfaitaire doit être un mois entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The fixed period must be at least a month and shorter than the term.</source>
        <translation>La période à taux fixe doit durer au moins un mois et être plus courte que la durée.</translation>
    </message>
    <message>
        <source>The rate after the fixed period must be between %1 and %2.</source>
        <translation>Le taux après la période fixe doit être compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>The savings in the offset account</source>
        <translation>L&apos;épargne dans le compte compensateur</translation>
    </message>
    <message>
        <source>The savings added each month</source>
        <translation>L&apos;épargne ajoutée chaque mois</translation>
    </message>
    <message>
        <source>The balance of the current loan must be more than 0.</source>
        <translation>Le solde du prêt actuel doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>The balance of the current loan</source>
        <translation>Le solde du prêt actuel</translation>
    </message>
    <message>
        <source>The rate of the current loan must be between %1 and %2.</source>
        <translation>Le taux du prêt actuel doit être compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>The years left on the current loan must be between %1 and %2.</source>
        <translation>Les années restantes du prêt actuel doivent être comprises entre %1 et %2.</translation>
    </message>
    <message>
        <source>The costs of switching</source>
        <translation>Les frais de changement</translation>
    </message>
    <message>
        <source>Please enter the amount, the rate and the term first.</source>
        <translation>Veuillez d&apos;abord entrer le montant, le taux et la durée.</translation>
    </message>
    <message>
        <source>The rate after the rise must be less than %1.</source>
        <translation>Le taux après la hausse doit être inférieur à %1.</translation>
    </message>
    <message>
        <source>Extra payments can be worked out for the Table and Reducing Balance types.</source>
        <translation>Les versements supplémentaires peuvent être calculés pour les types Mensualités constantes et Amortissement constant.</translation>
    </message>
    <message>
        <source>The extra amount each month must be less than the amount borrowed.</source>
        <translation>Le supplément chaque mois doit être inférieur au montant emprunté.</translation>
    </message>
    <message>
        <source>The lump sum must be no more than the amount borrowed.</source>
        <translation>La somme forfaitaire ne doit pas dépasser le montant emprunté.</translation>
    </message>
    <message>
        <source>The month of the lump sum must be between %1 and %2, the months of the term.</source>
        <translation>Le mois de la somme forfaitaire doit être compris entre %1 et %2, les mois de la durée.</translation>
    </message>
    <message>
        <source>Rates rise</source>
        <translation>Hausse des taux</translation>
    </message>
    <message>
        <source>If the rate rose by %1 points to %2:</source>
        <translation>Si le taux augmentait de %1 points pour atteindre %2&#xa0;:</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Type de prêt</translation>
    </message>
    <message>
        <source>First month</source>
        <translation>Premier mois</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Ensuite</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>abordable</translation>
    </message>
    <message>
        <source>no longer affordable</source>
        <translation>n&apos;est plus abordable</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>non abordable</translation>
    </message>
    <message>
        <source>How much could we borrow</source>
        <translation>Capacité d&apos;emprunt</translation>
    </message>
    <message>
        <source>The most you could borrow at this rate and term:</source>
        <translation>Le plus que vous pourriez emprunter à ce taux et pour cette durée&#xa0;:</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Montant le plus élevé</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>De la valeur de la propriété</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>The Table repayment equals your spare income over %1.</source>
        <translation>Le versement à mensualités constantes égale votre revenu disponible sur %1.</translation>
    </message>
    <message>
        <source>Your spare income does not cover the interest of a Table loan.</source>
        <translation>Votre revenu disponible ne couvre pas l&apos;intérêt d&apos;un prêt à mensualités constantes.</translation>
    </message>
    <message>
        <source>A Table loan fixed for %1 years, then at %2: the repayment goes from %3 to %4, which is %5.</source>
        <translation>Un prêt à mensualités constantes à taux fixe pendant %1 ans, puis à %2&#xa0;: le versement passe de %3 à %4, ce qui est %5.</translation>
    </message>
    <message>
        <source>A fixed rate that ends</source>
        <translation>Fin du taux fixe</translation>
    </message>
    <message>
        <source>Paying %1 more a month and %2 in month %3 on the %4 loan clears it in month %5 and saves %6 of interest.</source>
        <translation>En payant %1 de plus par mois et %2 au mois %3 sur le prêt %4, il est remboursé au mois %5 et vous économisez %6 d&apos;intérêts.</translation>
    </message>
    <message>
        <source>Keeping the term instead, the repayment falls from %1 to %2, and to %3 by the last month, and %4 of interest is saved.</source>
        <translation>En gardant plutôt la durée, le versement baisse de %1 à %2, et à %3 au dernier mois, et vous économisez %4 d&apos;intérêts.</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>Payer davantage</translation>
    </message>
    <message>
        <source>Paying the %1 loan fortnightly: %2 a fortnight, %3 of interest saved against paying monthly.</source>
        <translation>Payer le prêt %1 aux deux semaines&#xa0;: %2 aux deux semaines, %3 d&apos;intérêts économisés par rapport aux versements mensuels.</translation>
    </message>
    <message>
        <source>Paying half the monthly repayment each fortnight (%1) clears it in %2 and saves %3 of interest.</source>
        <translation>En payant la moitié du versement mensuel aux deux semaines (%1), il est remboursé en %2 et vous économisez %3 d&apos;intérêts.</translation>
    </message>
    <message>
        <source>How often you pay</source>
        <translation>Fréquence des versements</translation>
    </message>
    <message>
        <source>With %1 in an offset account and %2 added each month, the Table loan clears in month %3 and saves %4 of interest; paid into the loan instead (the %1 at once, the %2 each month), they would clear it in month %5 and save %6.</source>
        <translation>Avec %1 dans un compte compensateur et %2 ajoutés chaque mois, le prêt à mensualités constantes est remboursé au mois %3 et vous économisez %4 d&apos;intérêts&#xa0;; versés plutôt dans le prêt (les %1 d&apos;un coup, les %2 chaque mois), ils le rembourseraient au mois %5 et économiseraient %6.</translation>
    </message>
    <message>
        <source>An offset account</source>
        <translation>Compte compensateur</translation>
    </message>
    <message>
        <source>Refinancing</source>
        <translation>Refinancement</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan has cost no more than the current one by month %7.</source>
        <translation>Refinancement d&apos;un prêt actuel de %1 à %2 avec %3 ans restants&#xa0;: %4 par mois au lieu de %5&#xa0;; avec des frais de %6, le nouveau prêt ne vous a pas coûté plus que l&apos;actuel au mois %7.</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan always costs more.</source>
        <translation>Refinancement d&apos;un prêt actuel de %1 à %2 avec %3 ans restants&#xa0;: %4 par mois au lieu de %5&#xa0;; avec des frais de %6, le nouveau prêt coûte toujours plus.</translation>
    </message>
</context>
<context>
    <name>hw::WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>Et si</translation>
    </message>
    <message>
        <source>&amp;Rates rise</source>
        <translation>&amp;Hausse des taux</translation>
    </message>
    <message>
        <source>&amp;How much could we borrow</source>
        <translation>Capacité d&apos;&amp;emprunt</translation>
    </message>
    <message>
        <source>Paying &amp;extra</source>
        <translation>Payer &amp;davantage</translation>
    </message>
    <message>
        <source>A &amp;fixed rate that ends</source>
        <translation>Fin du taux fi&amp;xe</translation>
    </message>
    <message>
        <source>How often you &amp;pay</source>
        <translation>&amp;Fréquence des versements</translation>
    </message>
    <message>
        <source>An offset &amp;account</source>
        <translation>Compte compe&amp;nsateur</translation>
    </message>
    <message>
        <source>Refinan&amp;cing</source>
        <translation>Refinance&amp;ment</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Type de prêt</translation>
    </message>
    <message>
        <source>First month at the higher rate</source>
        <translation>Premier mois au taux plus élevé</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>After the rise</source>
        <translation>Après la hausse</translation>
    </message>
    <message>
        <source>Repayments if the rate rises</source>
        <translation>Versements si le taux augmente</translation>
    </message>
    <message>
        <source>Ri&amp;se in the rate (percentage points):</source>
        <translation>Ha&amp;usse du taux (points de pourcentage)&#xa0;:</translation>
    </message>
    <message>
        <source>Lenders test whether you could still pay if the rate rose. Each type at the entered rate plus the rise:</source>
        <translation>Les prêteurs vérifient si vous pourriez encore payer si le taux augmentait. Chaque type au taux inscrit plus la hausse&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>Abordable</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>Non abordable</translation>
    </message>
    <message>
        <source>No longer affordable</source>
        <translation>N&apos;est plus abordable</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Montant le plus élevé</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>De la valeur de la propriété</translation>
    </message>
    <message>
        <source>The most each type would lend</source>
        <translation>Le plus que chaque type prêterait</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>A Table loan of the amount entered would take %1 at a repayment equal to your spare income.</source>
        <translation>Un prêt à mensualités constantes du montant inscrit prendrait %1 avec un versement égal à votre revenu disponible.</translation>
    </message>
    <message>
        <source>Your spare income does not cover a month&apos;s interest: no Table term would clear the amount entered.</source>
        <translation>Votre revenu disponible ne couvre pas l&apos;intérêt d&apos;un mois&#xa0;: aucune durée à mensualités constantes ne rembourserait le montant inscrit.</translation>
    </message>
    <message>
        <source>The most each type would let you borrow at the entered rate and term, with your spare income:</source>
        <translation>Le plus que chaque type vous laisserait emprunter au taux et pour la durée inscrits, avec votre revenu disponible&#xa0;:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Repayment as entered</source>
        <translation>Versement tel qu&apos;inscrit</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>Payer davantage</translation>
    </message>
    <message>
        <source>Balance as entered</source>
        <translation>Solde tel qu&apos;inscrit</translation>
    </message>
    <message>
        <source>Balance paying extra</source>
        <translation>Solde en payant davantage</translation>
    </message>
    <message>
        <source>Month by month, as entered and paying extra</source>
        <translation>Mois par mois, tel qu&apos;inscrit et en payant davantage</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>&amp;Type de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;xtra each month:</source>
        <translation>Supplément chaque m&amp;ois&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Lump sum:</source>
        <translation>&amp;Somme forfaitaire&#xa0;:</translation>
    </message>
    <message>
        <source>In m&amp;onth:</source>
        <translation>A&amp;u mois&#xa0;:</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Ce que donne le supplément</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Cleared in month</source>
        <translation>Remboursé au mois</translation>
    </message>
    <message>
        <source>Interest saved</source>
        <translation>Intérêts économisés</translation>
    </message>
    <message>
        <source>Cleared in month %1,
instead of month %2.
Total paid: %3 instead of %4.
Interest saved: %5.</source>
        <translation>Remboursé au mois %1,
au lieu du mois %2.
Total payé&#xa0;: %3 au lieu de %4.
Intérêts économisés&#xa0;: %5.</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>Tel qu&apos;inscrit</translation>
    </message>
    <message>
        <source>&amp;Years at the entered rate:</source>
        <translation>&amp;Années au taux inscrit&#xa0;:</translation>
    </message>
    <message>
        <source>Then the &amp;new rate:</source>
        <translation>Pu&amp;is le nouveau taux&#xa0;:</translation>
    </message>
    <message>
        <source>A Table loan at the entered rate for the first years, then the repayment worked out again for the rest of the term:</source>
        <translation>Un prêt à mensualités constantes au taux inscrit pendant les premières années, puis le versement recalculé pour le reste de la durée&#xa0;:</translation>
    </message>
    <message>
        <source>The repayment goes from %1 to %2 a month, on the %3 still owed.
With your spare income that is %4.</source>
        <translation>Le versement passe de %1 à %2 par mois, sur les %3 encore dus.
Avec votre revenu disponible, c&apos;est %4.</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>abordable</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>non abordable</translation>
    </message>
    <message>
        <source>The repayment jumps to %1</source>
        <translation>Le versement grimpe à %1</translation>
    </message>
    <message>
        <source>The entered rate throughout</source>
        <translation>Le taux inscrit sur toute la durée</translation>
    </message>
    <message>
        <source>After the fixed rate ends</source>
        <translation>Après la fin du taux fixe</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Aux deux semaines</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Half the monthly repayment each fortnight</source>
        <translation>La moitié du versement mensuel aux deux semaines</translation>
    </message>
    <message>
        <source>A quarter of the monthly repayment each week</source>
        <translation>Le quart du versement mensuel chaque semaine</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Paid off in</source>
        <translation>Remboursé en</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Saved against monthly</source>
        <translation>Économie par rapport au mensuel</translation>
    </message>
    <message>
        <source>Repayments by how often you pay</source>
        <translation>Versements selon leur fréquence</translation>
    </message>
    <message>
        <source>Mortgage t&amp;ype:</source>
        <translation>&amp;Type de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>The loan repaid monthly, fortnightly or weekly. Interest is charged each period at the annual rate divided by the periods in a year (26 fortnights, 52 weeks). Paying half the monthly repayment every fortnight pays thirteen months a year, and clears the loan sooner.</source>
        <translation>Le prêt remboursé chaque mois, aux deux semaines ou chaque semaine. L&apos;intérêt est imputé à chaque période au taux annuel divisé par le nombre de périodes dans une année (26 quinzaines, 52 semaines). Payer la moitié du versement mensuel aux deux semaines revient à payer treize mois par année, et rembourse le prêt plus tôt.</translation>
    </message>
    <message>
        <source>Shortens the term</source>
        <translation>Raccourcit la durée</translation>
    </message>
    <message>
        <source>Keeps the term, lowers the repayment</source>
        <translation>Garde la durée, réduit le versement</translation>
    </message>
    <message>
        <source>%1, falling to %2</source>
        <translation>%1, baissant à %2</translation>
    </message>
    <message>
        <source>The savings</source>
        <translation>L&apos;épargne</translation>
    </message>
    <message>
        <source>What the offset account saves</source>
        <translation>Ce que le compte compensateur fait économiser</translation>
    </message>
    <message>
        <source>&amp;Savings in the account:</source>
        <translation>Épar&amp;gne dans le compte&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;dded each month:</source>
        <translation>A&amp;joutée chaque mois&#xa0;:</translation>
    </message>
    <message>
        <source>Savings held in an offset account beside a Table loan: interest is charged on the balance less the savings. The repayment stays as it is, so the loan clears sooner, and the savings stay yours to draw on. Beside it, the same savings paid into the loan instead: the starting savings at once, and each month&apos;s addition as an extra repayment.</source>
        <translation>Une épargne détenue dans un compte compensateur à côté d&apos;un prêt à mensualités constantes&#xa0;: l&apos;intérêt est imputé sur le solde moins l&apos;épargne. Le versement reste le même, le prêt est donc remboursé plus tôt, et l&apos;épargne reste à votre disposition. À côté, la même épargne versée plutôt dans le prêt&#xa0;: l&apos;épargne de départ d&apos;un coup, et l&apos;ajout de chaque mois comme versement supplémentaire.</translation>
    </message>
    <message>
        <source>Held in the offset account</source>
        <translation>Détenue dans le compte compensateur</translation>
    </message>
    <message>
        <source>Paid into the loan instead: at once, and each month</source>
        <translation>Versée plutôt dans le prêt&#xa0;: d&apos;un coup, et chaque mois</translation>
    </message>
    <message>
        <source>Current &amp;balance:</source>
        <translation>&amp;Solde actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Current ra&amp;te:</source>
        <translation>&amp;Taux actuel&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Years left:</source>
        <translation>Années &amp;restantes&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;osts of switching:</source>
        <translation>Fr&amp;ais de changement&#xa0;:</translation>
    </message>
    <message>
        <source>Your current loan, repaid as a Table loan over the years it has left, against the loan of this case at its rate and term. The loan of this case already carries the fees and bank charges you entered: the costs of switching are what you would pay beside it (a break fee, for instance).</source>
        <translation>Votre prêt actuel, remboursé à mensualités constantes sur les années qui lui restent, face au prêt de ce dossier à son taux et sa durée. Le prêt de ce dossier comprend déjà les frais et frais bancaires inscrits&#xa0;: les frais de changement sont ce que vous paieriez en plus (une pénalité de remboursement anticipé, par exemple).</translation>
    </message>
    <message>
        <source>The current loan costs %1 a month, the new one %2.</source>
        <translation>Le prêt actuel coûte %1 par mois, le nouveau %2.</translation>
    </message>
    <message>
        <source>You save %1 a month.</source>
        <translation>Vous économisez %1 par mois.</translation>
    </message>
    <message>
        <source>The new loan costs %1 more a month.</source>
        <translation>Le nouveau prêt coûte %1 de plus par mois.</translation>
    </message>
    <message>
        <source>Counting what you pay month by month, the new loan with its costs has cost you no more than the current loan would by month %1.</source>
        <translation>En comptant ce que vous payez mois par mois, le nouveau prêt avec ses frais ne vous a pas coûté plus que le prêt actuel au mois %1.</translation>
    </message>
    <message>
        <source>Counting what you pay month by month until both loans end, the new loan with its costs always costs you more: the costs are never repaid.</source>
        <translation>En comptant ce que vous payez mois par mois jusqu&apos;à la fin des deux prêts, le nouveau prêt avec ses frais vous coûte toujours plus&#xa0;: les frais ne sont jamais récupérés.</translation>
    </message>
    <message>
        <source>To their ends, the current loan costs %1 and the new one %2, the costs included.</source>
        <translation>À leur terme, le prêt actuel coûte %1 et le nouveau %2, frais compris.</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>&amp;Calculer</translation>
    </message>
</context>
</TS>
