<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>hw::AboutWindow</name>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>El sistema operativo se quedó sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image).</source>
        <translation>El archivo .exe no es válido (.exe que no es Win32® o error en la imagen .exe).</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>El sistema operativo denegó el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>No se pudo completar la transacción DDE porque se estaban procesando otras transacciones DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>No se pudo completar la transacción DDE porque se agotó el tiempo de la solicitud.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension.</source>
        <translation>No hay ninguna aplicación asociada con la extensión de este nombre de archivo.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Se produjo una infracción de uso compartido.</translation>
    </message>
    <message>
        <source>About Hearthwise</source>
        <translation>Acerca de Hearthwise</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Derechos de autor:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Abrir la guía del usuario en su navegador</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web page in your browser</source>
        <translation>Abrir la página web del fabricante en su navegador</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>¡Error desconocido!</translation>
    </message>
    <message>
        <source>Hearthwise user guide</source>
        <translation>Guía del usuario de Hearthwise</translation>
    </message>
</context>
<context>
    <name>hw::BalanceChart</name>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Outstanding balance of each mortgage type over the years</source>
        <translation>Saldo pendiente de cada tipo de crédito a lo largo de los años</translation>
    </message>
</context>
<context>
    <name>hw::BudgetPage</name>
    <message>
        <source>&amp;Fortnightly</source>
        <translation>Cada &amp;dos semanas</translation>
    </message>
    <message>
        <source>M&amp;onthly</source>
        <translation>&amp;Mensual</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>Gastos mensuales:</translation>
    </message>
    <message>
        <source>Monthly expenditure</source>
        <translation>Gastos mensuales</translation>
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
        <translation>%1, tasa de impuesto</translation>
    </message>
</context>
<context>
    <name>hw::CaseFile</name>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must hold named figures in braces, {...}.</source>
        <translation>Su sección &quot;%1&quot; está dañada: debe contener cifras con nombre entre llaves, {...}.</translation>
    </message>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must be a list in brackets, [...], of at most %2 entries.</source>
        <translation>Su sección &quot;%1&quot; está dañada: debe ser una lista entre corchetes, [...], de %2 elementos como máximo.</translation>
    </message>
    <message>
        <source>an amount written in quotes, such as &quot;1234.50&quot;</source>
        <translation>un importe escrito entre comillas, como &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>an amount of 0 or more</source>
        <translation>un importe de 0 o más</translation>
    </message>
    <message>
        <source>a plain amount such as &quot;1234.50&quot;</source>
        <translation>un importe simple como &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>a percentage from %1 to %2</source>
        <translation>un porcentaje de %1 a %2</translation>
    </message>
    <message>
        <source>What If, %1</source>
        <translation>¿Qué pasaría si?, %1</translation>
    </message>
    <message>
        <source>%1 (%2 is &quot;%3&quot;.)</source>
        <translation>%1 (%2 es &quot;%3&quot;.)</translation>
    </message>
    <message>
        <source>%1 must be %2.</source>
        <translation>%1 debe ser %2.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it must be %3.</source>
        <translation>%1 es &quot;%2&quot;; debe ser %3.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it is too large.</source>
        <translation>%1 es &quot;%2&quot;; es demasiado grande.</translation>
    </message>
    <message>
        <source>a whole amount (the currency has no decimals)</source>
        <translation>un importe entero (la moneda no tiene decimales)</translation>
    </message>
    <message>
        <source>an amount with no more than %1 decimals</source>
        <translation>un importe con no más de %1 decimales</translation>
    </message>
    <message>
        <source>a number written without quotes</source>
        <translation>un número escrito sin comillas</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>%1, figure %2</source>
        <translation>%1, cifra %2</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Tipo de crédito</translation>
    </message>
    <message>
        <source>&quot;table&quot; or &quot;reducing-balance&quot;</source>
        <translation>&quot;table&quot; o &quot;reducing-balance&quot;</translation>
    </message>
    <message>
        <source>The lender country</source>
        <translation>El país del prestamista</translation>
    </message>
    <message>
        <source>one of &quot;none&quot;, &quot;au&quot;, &quot;ca&quot;, &quot;ie&quot;, &quot;nz&quot;, &quot;uk&quot;, &quot;us&quot;</source>
        <translation>uno de &quot;none&quot;, &quot;au&quot;, &quot;ca&quot;, &quot;ie&quot;, &quot;nz&quot;, &quot;uk&quot;, &quot;us&quot;</translation>
    </message>
    <message>
        <source>It is too large to be a Hearthwise case.</source>
        <translation>Es demasiado grande para ser un caso de Hearthwise.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Está vacío.</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case, or it is damaged: %1.</source>
        <translation>No es un caso de Hearthwise, o está dañado: %1.</translation>
    </message>
    <message>
        <source>no case in it</source>
        <translation>no contiene ningún caso</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case.</source>
        <translation>No es un caso de Hearthwise.</translation>
    </message>
    <message>
        <source>Its version, &quot;%1&quot;, is not one Hearthwise knows.</source>
        <translation>Su versión, &quot;%1&quot;, no es una que Hearthwise conozca.</translation>
    </message>
    <message>
        <source>It comes from a newer Hearthwise (version %1): please open it there.</source>
        <translation>Viene de una versión más reciente de Hearthwise (versión %1): ábralo allí.</translation>
    </message>
    <message>
        <source>The purpose</source>
        <translation>El propósito</translation>
    </message>
    <message>
        <source>one of the nine purposes</source>
        <translation>uno de los nueve propósitos</translation>
    </message>
    <message>
        <source>Income, row %1</source>
        <translation>Ingresos, fila %1</translation>
    </message>
    <message>
        <source>named figures in braces, {...}</source>
        <translation>cifras con nombre entre llaves, {...}</translation>
    </message>
    <message>
        <source>The budget period</source>
        <translation>El periodo del presupuesto</translation>
    </message>
    <message>
        <source>&quot;fortnightly&quot; or &quot;monthly&quot;</source>
        <translation>&quot;fortnightly&quot; o &quot;monthly&quot;</translation>
    </message>
    <message>
        <source>The bank charges&apos; mode</source>
        <translation>El modo de las comisiones bancarias</translation>
    </message>
    <message>
        <source>&quot;percent&quot; or &quot;fixed-amount&quot;</source>
        <translation>&quot;percent&quot; o &quot;fixed-amount&quot;</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 y %2</translation>
    </message>
    <message>
        <source>The rate&apos;s compounding</source>
        <translation>La capitalización de la tasa</translation>
    </message>
    <message>
        <source>&quot;monthly&quot; or &quot;half-yearly&quot;</source>
        <translation>&quot;monthly&quot; o &quot;half-yearly&quot;</translation>
    </message>
    <message>
        <source>%1 could not be opened. %2</source>
        <translation>No se pudo abrir %1. %2</translation>
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
        <translation>Porcentaje de comisiones bancarias</translation>
    </message>
    <message>
        <source>&amp;Percent</source>
        <translation>&amp;Porcentaje</translation>
    </message>
    <message>
        <source>Bank charges amount</source>
        <translation>Importe de comisiones bancarias</translation>
    </message>
    <message>
        <source>&amp;Fixed Amount</source>
        <translation>Importe &amp;fijo</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>hw::ChartWindow</name>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Mortgage Options Chart</source>
        <translation>Gráfica de las opciones de crédito</translation>
    </message>
    <message>
        <source>&amp;Balance over time</source>
        <translation>&amp;Saldo a lo largo del tiempo</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Tabla de amortización</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>T&amp;ipo de crédito:</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>CSV files, comma-separated (*.csv)</source>
        <translation>Archivos CSV, separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>CSV files for your spreadsheet, %1-separated (*.csv)</source>
        <translation>Archivos CSV para su hoja de cálculo, separados por &quot;%1&quot; (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>The schedule was saved as %1.</source>
        <translation>La tabla de amortización se guardó como %1.</translation>
    </message>
    <message>
        <source>The schedule could not be saved as %1: %2</source>
        <translation>No se pudo guardar la tabla de amortización como %1: %2</translation>
    </message>
</context>
<context>
    <name>hw::CompareWindow</name>
    <message>
        <source>Compare Cases</source>
        <translation>Comparar casos</translation>
    </message>
    <message>
        <source>The offers side by side</source>
        <translation>Las ofertas lado a lado</translation>
    </message>
    <message>
        <source>In bold: the lowest figure of its row among the offers that are affordable.</source>
        <translation>En negritas: la cifra más baja de su fila entre las ofertas que puede pagar.</translation>
    </message>
    <message>
        <source>&amp;Add Saved Cases...</source>
        <translation>&amp;Agregar casos guardados...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Add Saved Cases</source>
        <translation>Agregar casos guardados</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Casos de Hearthwise (*.hearthwise)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>comparison.pdf</source>
        <translation>comparacion.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer did not start.</source>
        <translation>No se pudo imprimir la comparación: la impresora no arrancó.</translation>
    </message>
    <message>
        <source>Up to %1 saved cases can be compared with this one.</source>
        <translation>Se pueden comparar hasta %1 casos guardados con este.</translation>
    </message>
    <message>
        <source>Amount borrowed</source>
        <translation>Importe del crédito</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Tasa de interés</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Plazo en años</translation>
    </message>
    <message>
        <source>Monthly spare income</source>
        <translation>Ingreso mensual disponible</translation>
    </message>
    <message>
        <source>Lender checks</source>
        <translation>Criterios de los prestamistas</translation>
    </message>
    <message>
        <source>%1: first repayment</source>
        <translation>%1: primer pago</translation>
    </message>
    <message>
        <source>%1: total paid</source>
        <translation>%1: total pagado</translation>
    </message>
    <message>
        <source>%1: interest</source>
        <translation>%1: intereses</translation>
    </message>
    <message>
        <source>%1: affordable</source>
        <translation>%1: lo puede pagar</translation>
    </message>
    <message>
        <source>The case is not complete</source>
        <translation>El caso no está completo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>the lowest of the row</source>
        <translation>la más baja de la fila</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The comparison was saved as %1.</source>
        <translation>La comparación se guardó como %1.</translation>
    </message>
    <message>
        <source>The comparison could not be saved as %1: %2</source>
        <translation>No se pudo guardar la comparación como %1: %2</translation>
    </message>
</context>
<context>
    <name>hw::Durations</name>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 año</numerusform>
            <numerusform>%1 años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 mes</numerusform>
            <numerusform>%1 meses</numerusform>
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
        <translation>%1, tasa de impuesto</translation>
    </message>
    <message>
        <source>%1, after tax</source>
        <translation>%1, después de impuestos</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Monthly gross taxable income</source>
        <translation>Ingreso mensual bruto gravable</translation>
    </message>
    <message>
        <source>Monthly income after tax</source>
        <translation>Ingreso mensual después de impuestos</translation>
    </message>
    <message>
        <source>Monthly Gross Taxable Income:</source>
        <translation>Ingreso mensual bruto gravable:</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>Después de impuestos:</translation>
    </message>
</context>
<context>
    <name>hw::InformationWindow</name>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Tell Me More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>&amp;Más información</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecks</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nueva Zelanda</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecksWindow</name>
    <message>
        <source>Lender Checks</source>
        <translation>Criterios de los prestamistas</translation>
    </message>
    <message>
        <source>The usual checks of lenders in the country you choose, for each mortgage type: the published rules of that country, not advice. The debts on the Liabilities page are repaid by this loan; enter below only the debts it leaves.</source>
        <translation>Los criterios habituales de los prestamistas del país que elija, para cada tipo de crédito: las reglas publicadas de ese país, no una recomendación. Las deudas de la página Pasivos se liquidan con este crédito; anote abajo solo las deudas que quedan.</translation>
    </message>
    <message>
        <source>Lender &amp;Country:</source>
        <translation>&amp;País del prestamista:</translation>
    </message>
    <message>
        <source>&amp;Property Tax a Year:</source>
        <translation>&amp;Impuesto predial al año:</translation>
    </message>
    <message>
        <source>&amp;Heating a Month:</source>
        <translation>&amp;Calefacción al mes:</translation>
    </message>
    <message>
        <source>Payments on Other &amp;Debts a Month:</source>
        <translation>Pagos de otras &amp;deudas al mes:</translation>
    </message>
    <message>
        <source>Other Credit Card &amp;Balances:</source>
        <translation>Otros saldos de tarjetas de c&amp;rédito:</translation>
    </message>
    <message>
        <source>Lender checks of each mortgage type</source>
        <translation>Criterios de los prestamistas para cada tipo de crédito</translation>
    </message>
    <message>
        <source>Mortgage Type and Check</source>
        <translation>Tipo de crédito y criterio</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>What It Comes To</source>
        <translation>Lo que resulta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1: cumple</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1: no cumple</translation>
    </message>
    <message>
        <source>Choose a lender country to see its usual checks.</source>
        <translation>Elija el país de un prestamista para ver sus criterios habituales.</translation>
    </message>
    <message>
        <source>Condominium &amp;Fees a Month:</source>
        <translation>Cu&amp;otas de condominio al mes:</translation>
    </message>
</context>
<context>
    <name>hw::LenderTexts</name>
    <message>
        <source>Repayments at a higher rate</source>
        <translation>Pagos a una tasa más alta</translation>
    </message>
    <message>
        <source>Lenders mortgage insurance</source>
        <translation>Seguro hipotecario del prestamista</translation>
    </message>
    <message>
        <source>Debt to income</source>
        <translation>Deuda respecto al ingreso</translation>
    </message>
    <message>
        <source>Gross debt service</source>
        <translation>Servicio bruto de la deuda</translation>
    </message>
    <message>
        <source>Total debt service</source>
        <translation>Servicio total de la deuda</translation>
    </message>
    <message>
        <source>Minimum down payment</source>
        <translation>Enganche mínimo</translation>
    </message>
    <message>
        <source>Mortgage insurance</source>
        <translation>Seguro hipotecario</translation>
    </message>
    <message>
        <source>Loan to income</source>
        <translation>Crédito respecto al ingreso</translation>
    </message>
    <message>
        <source>Minimum deposit</source>
        <translation>Enganche mínimo</translation>
    </message>
    <message>
        <source>Loan to value</source>
        <translation>Relación préstamo-valor</translation>
    </message>
    <message>
        <source>Rates rising</source>
        <translation>Alza de tasas</translation>
    </message>
    <message>
        <source>Debt to income, manual underwriting</source>
        <translation>Deuda respecto al ingreso, análisis manual</translation>
    </message>
    <message>
        <source>Debt to income, with compensating factors</source>
        <translation>Deuda respecto al ingreso, con factores compensatorios</translation>
    </message>
    <message>
        <source>Debt to income, automated underwriting</source>
        <translation>Deuda respecto al ingreso, análisis automatizado</translation>
    </message>
    <message>
        <source>Private mortgage insurance</source>
        <translation>Seguro hipotecario privado</translation>
    </message>
    <message>
        <source>There is no gross income to test the loan against.</source>
        <translation>No hay ingreso bruto con el que comparar el crédito.</translation>
    </message>
    <message>
        <source>Tested at %1 (your rate plus the 3-point buffer): %2 a month; %3 is spare</source>
        <translation>Evaluado a %1 (su tasa más el margen de 3 puntos): %2 al mes; %3 disponibles</translation>
    </message>
    <message>
        <source>Loan to value %1: lenders mortgage insurance is usually required above 80%</source>
        <translation>Préstamo-valor de %1: el seguro hipotecario del prestamista suele exigirse por encima del 80%</translation>
    </message>
    <message>
        <source>Loan to value %1: no lenders mortgage insurance at 80% or less</source>
        <translation>Préstamo-valor de %1: sin seguro hipotecario del prestamista al 80% o menos</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; banks may lend above 6 times only in limited numbers</source>
        <translation>Deudas de %1 veces su ingreso bruto; los bancos solo pueden prestar más de 6 veces en número limitado</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; lenders limit loans of 6 times or more</source>
        <translation>Deudas de %1 veces su ingreso bruto; los prestamistas limitan los créditos de 6 veces o más</translation>
    </message>
    <message>
        <source>Tested at %1: housing costs take %2 of your gross income; at most %3</source>
        <translation>Evaluado a %1: la vivienda se lleva %2 de su ingreso bruto; como máximo %3</translation>
    </message>
    <message>
        <source>Tested at %1: housing and other debts take %2 of your gross income; at most %3</source>
        <translation>Evaluado a %1: la vivienda y otras deudas se llevan %2 de su ingreso bruto; como máximo %3</translation>
    </message>
    <message>
        <source>Down payment %1; at least %2 is needed</source>
        <translation>Enganche de %1; se necesita al menos %2</translation>
    </message>
    <message>
        <source>Loan to value %1: no loan above 95% can be insured</source>
        <translation>Préstamo-valor de %1: ningún crédito por encima del 95% puede asegurarse</translation>
    </message>
    <message>
        <source>Loan to value %1: mortgage insurance is required; its premium of %2, %3, is added to the loan</source>
        <translation>Préstamo-valor de %1: se exige seguro hipotecario; su prima de %2, %3, se suma al crédito</translation>
    </message>
    <message>
        <source>Loan to value %1: no mortgage insurance needed at 80% or less</source>
        <translation>Préstamo-valor de %1: no se necesita seguro hipotecario al 80% o menos</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; at most %2 times</source>
        <translation>Crédito de %1 veces su ingreso bruto; como máximo %2 veces</translation>
    </message>
    <message>
        <source>Loan to value %1; at most 90% (a deposit of at least 10%)</source>
        <translation>Préstamo-valor de %1; como máximo 90% (un enganche de al menos 10%)</translation>
    </message>
    <message>
        <source>Loan to value %1; banks may lend above 80% only in limited numbers</source>
        <translation>Préstamo-valor de %1; los bancos solo pueden prestar por encima del 80% en número limitado</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; lenders limit loans of 4.5 times or more</source>
        <translation>Crédito de %1 veces su ingreso bruto; los prestamistas limitan los créditos de 4.5 veces o más</translation>
    </message>
    <message>
        <source>Lenders allow for rates rising: What If, Rates rise, is their stress test</source>
        <translation>Los prestamistas prevén alzas de tasas: ¿Qué pasaría si?, Alza de tasas, es su prueba de estrés</translation>
    </message>
    <message>
        <source>Housing and other debts take %1 of your gross income; at most %2</source>
        <translation>La vivienda y otras deudas se llevan %1 de su ingreso bruto; como máximo %2</translation>
    </message>
    <message>
        <source>Loan to value %1: private mortgage insurance is usually required, and can be cancelled at 80% of the original value</source>
        <translation>Préstamo-valor de %1: el seguro hipotecario privado suele exigirse y puede cancelarse al 80% del valor original</translation>
    </message>
    <message>
        <source>Loan to value %1: no private mortgage insurance at 80% or less</source>
        <translation>Préstamo-valor de %1: sin seguro hipotecario privado al 80% o menos</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Cumple</translation>
    </message>
    <message>
        <source>Fails</source>
        <translation>No cumple</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>%1: %2 of %3 types pass the usual lender checks</source>
        <translation>%1: %2 de %3 tipos cumplen los criterios habituales</translation>
    </message>
    <message>
        <source>%1: %2 of %3 pass</source>
        <translation>%1: %2 de %3 cumplen</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1: cumple</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1: no cumple</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>APRA: a serviceability buffer of 3 points (letter of October 2021, since November 2021); interest-only loans tested on principal and interest (APG 223); debt-to-income of 6 or more limited (from 1 February 2026). Lenders mortgage insurance is priced by insurers, usually above 80% loan to value.</source>
        <translation>APRA: un margen de capacidad de pago de 3 puntos (carta de octubre de 2021, desde noviembre de 2021); los créditos de solo intereses se evalúan con capital e intereses (APG 223); deuda respecto al ingreso de 6 o más limitada (desde el 1 de febrero de 2026). El seguro hipotecario del prestamista lo tarifican las aseguradoras, normalmente por encima del 80% préstamo-valor.</translation>
    </message>
    <message>
        <source>OSFI and the Department of Finance: the minimum qualifying rate, the greater of the rate plus 2 points and 5.25% (since 1 June 2021); CMHC: gross and total debt service of 39% and 44% (since 5 July 2021) and its premiums; the minimum down payment (since 15 December 2024).</source>
        <translation>OSFI y el Departamento de Finanzas: la tasa mínima de calificación, la mayor entre la tasa más 2 puntos y 5.25% (desde el 1 de junio de 2021); CMHC: servicio bruto y total de la deuda de 39% y 44% (desde el 5 de julio de 2021) y sus primas; el enganche mínimo (desde el 15 de diciembre de 2024).</translation>
    </message>
    <message>
        <source>Central Bank of Ireland mortgage measures (since January 2023): loan to income 4 times for first-time buyers, 3.5 for others; a deposit of 10%.</source>
        <translation>Medidas hipotecarias del Banco Central de Irlanda (desde enero de 2023): crédito de 4 veces el ingreso para quienes compran por primera vez, 3.5 para los demás; un enganche de 10%.</translation>
    </message>
    <message>
        <source>Reserve Bank of New Zealand: debt-to-income above 6 limited (since 1 July 2024); loan-to-value above 80% limited (since 1 December 2025).</source>
        <translation>Banco de la Reserva de Nueva Zelanda: deuda respecto al ingreso por encima de 6 limitada (desde el 1 de julio de 2024); préstamo-valor por encima del 80% limitado (desde el 1 de diciembre de 2025).</translation>
    </message>
    <message>
        <source>Bank of England FPC: loans of 4.5 times income or more limited to 15% of new mortgages (since 2014); FCA MCOB 11.6.18R: lenders allow for rates rising.</source>
        <translation>FPC del Banco de Inglaterra: créditos de 4.5 veces el ingreso o más limitados al 15% de los nuevos créditos hipotecarios (desde 2014); FCA MCOB 11.6.18R: los prestamistas prevén alzas de tasas.</translation>
    </message>
    <message>
        <source>Fannie Mae Selling Guide: debt-to-income 36% manual, 45% with compensating factors, 50% automated; the Homeowners Protection Act on private mortgage insurance.</source>
        <translation>Fannie Mae Selling Guide: deuda respecto al ingreso de 36% en análisis manual, 45% con factores compensatorios, 50% en análisis automatizado; la Homeowners Protection Act sobre el seguro hipotecario privado.</translation>
    </message>
</context>
<context>
    <name>hw::LoanQuestions</name>
    <message>
        <source>How often you pay can be worked out for the Table and Reducing Balance types.</source>
        <translation>La frecuencia de pago se puede calcular para los tipos Pagos fijos y Amortización constante.</translation>
    </message>
    <message>
        <source>The savings in the offset account must be between 0 and the amount borrowed.</source>
        <translation>Los ahorros en la cuenta de compensación deben estar entre 0 y el importe del crédito.</translation>
    </message>
    <message>
        <source>The savings added each month must be at least 0 and less than the amount borrowed.</source>
        <translation>Los ahorros agregados cada mes deben ser al menos 0 y menores que el importe del crédito.</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>&amp;Más información</translation>
    </message>
    <message>
        <source>&amp;Handbook</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;About Hearthwise</source>
        <translation>&amp;Acerca de Hearthwise</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>Back returns to the previous page. Your entries are kept.</source>
        <translation>Atrás regresa a la página anterior. Sus datos se conservan.</translation>
    </message>
    <message>
        <source>Next checks this page, works out its totals if needed and moves to the next page.</source>
        <translation>Siguiente revisa esta página, calcula sus totales si hace falta y pasa a la página siguiente.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Paso %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1, paso %2 de %3</translation>
    </message>
    <message>
        <source>The handbook is not where Hearthwise looks for it: %1</source>
        <translation>El manual no está donde Hearthwise lo busca: %1</translation>
    </message>
    <message>
        <source>Nothing on this computer could open the handbook. You can open it in your web browser: %1</source>
        <translation>Nada en esta computadora pudo abrir el manual. Puede abrirlo en su navegador web: %1</translation>
    </message>
    <message>
        <source>Save this case before leaving?</source>
        <translation>¿Guardar este caso antes de salir?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before leaving?</source>
        <translation>¿Guardar los cambios de %1 antes de salir?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>¿Seguro que quiere salir?</translation>
    </message>
    <message>
        <source>Thank you for using Hearthwise.</source>
        <translation>Gracias por usar Hearthwise.</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Casos de Hearthwise (*.hearthwise)</translation>
    </message>
    <message>
        <source>Fi&amp;le</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Case</source>
        <translation>&amp;Nuevo caso</translation>
    </message>
    <message>
        <source>&amp;Open Case...</source>
        <translation>A&amp;brir caso...</translation>
    </message>
    <message>
        <source>&amp;Save Case</source>
        <translation>&amp;Guardar caso</translation>
    </message>
    <message>
        <source>Save Case &amp;As...</source>
        <translation>Guardar caso &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Compare Cases...</source>
        <translation>Com&amp;parar casos...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Save this case before opening another?</source>
        <translation>¿Guardar este caso antes de abrir otro?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before opening another case?</source>
        <translation>¿Guardar los cambios de %1 antes de abrir otro caso?</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Abrir caso</translation>
    </message>
    <message>
        <source>Save this case before starting a new one?</source>
        <translation>¿Guardar este caso antes de empezar uno nuevo?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before starting a new case?</source>
        <translation>¿Guardar los cambios de %1 antes de empezar un caso nuevo?</translation>
    </message>
    <message>
        <source>Save Case As</source>
        <translation>Guardar caso como</translation>
    </message>
    <message>
        <source>case</source>
        <translation>caso</translation>
    </message>
    <message>
        <source>The case could not be saved as %1: %2</source>
        <translation>No se pudo guardar el caso como %1: %2</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Hearthwise speaks %1 now, but could not keep the choice for its next start.</source>
        <translation>Hearthwise habla ahora %1, pero no pudo guardar la elección para su próximo inicio.</translation>
    </message>
    <message>
        <source>This case</source>
        <translation>Este caso</translation>
    </message>
</context>
<context>
    <name>hw::Message</name>
    <message>
        <source>For more information on any page click on &apos;Tell Me More&apos; in the Help menu.</source>
        <translation>Para más información sobre cualquier página, haga clic en &quot;Más información&quot; en el menú Ayuda.</translation>
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
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>hw::MortgageReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>¿Qué pasaría si?</translation>
    </message>
    <message>
        <source>Lender Checks</source>
        <translation>Criterios de los prestamistas</translation>
    </message>
    <message>
        <source>Monthly Repayments</source>
        <translation>Pagos mensuales</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Propósito:</translation>
    </message>
    <message>
        <source>Amount borrowed:</source>
        <translation>Importe del crédito:</translation>
    </message>
    <message>
        <source>Term in years:</source>
        <translation>Plazo en años:</translation>
    </message>
    <message>
        <source>Interest rate:</source>
        <translation>Tasa de interés:</translation>
    </message>
    <message>
        <source>Monthly spare income:</source>
        <translation>Ingreso mensual disponible:</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>Total pagado</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Type of Mortgage</source>
        <translation>Tipo de crédito</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>Esta opción no la puede pagar</translation>
    </message>
    <message>
        <source>Term: the years the loan runs; for the endowment and revolving credit types, the years until it is paid off.</source>
        <translation>Plazo: los años que dura el crédito; para los tipos con seguro dotal y de crédito revolvente, los años hasta que se liquida.</translation>
    </message>
    <message>
        <source>Monthly Repayments: what you pay in the first and in the last month. The revolving credit types have no set repayment (Variant): your spare income goes into the loan each month.</source>
        <translation>Pagos mensuales: lo que paga el primer y el último mes. Los tipos de crédito revolvente no tienen un pago fijo (Variable): su ingreso disponible entra al crédito cada mes.</translation>
    </message>
    <message>
        <source>Total Paid: everything you pay over the term; Interest Total Paid: the part of it that is interest.</source>
        <translation>Total pagado: todo lo que paga durante el plazo; Intereses pagados en total: la parte que es interés.</translation>
    </message>
    <message>
        <source>Final Balance: what is still owed at the end of the term, to be repaid another way.</source>
        <translation>Saldo final: lo que aún se debe al final del plazo, a liquidar de otra forma.</translation>
    </message>
    <message>
        <source>The figures are worked out from the amount, rate, term and spare income above. They are not an offer of a loan: ask your lender for its own figures.</source>
        <translation>Las cifras se calculan a partir del importe, la tasa, el plazo y el ingreso disponible de arriba. No son una oferta de crédito: pida a su prestamista sus propias cifras.</translation>
    </message>
    <message>
        <source>Reading the table</source>
        <translation>Cómo leer la tabla</translation>
    </message>
    <message>
        <source>Outstanding Balance over Time</source>
        <translation>Saldo pendiente a lo largo del tiempo</translation>
    </message>
    <message>
        <source>What is still owed at the end of each month, for every type that is affordable.</source>
        <translation>Lo que aún se debe al final de cada mes, para cada tipo que puede pagar.</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>Opciones de crédito hipotecario</translation>
    </message>
    <message>
        <source>Interest
Total Paid</source>
        <translation>Intereses
pagados en total</translation>
    </message>
    <message>
        <source>Final
Balance</source>
        <translation>Saldo
final</translation>
    </message>
</context>
<context>
    <name>hw::NumericField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Escriba un número.</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>Este importe es demasiado grande.</translation>
    </message>
    <message>
        <source>Please enter a number of 0 or more.</source>
        <translation>Escriba un número de 0 o más.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Escriba un número entero.</translation>
    </message>
    <message>
        <source>This currency has no decimals: please enter a whole amount.</source>
        <translation>Esta moneda no tiene decimales: escriba un importe entero.</translation>
    </message>
    <message>
        <source>Please enter an amount with no more decimals than the currency shows.</source>
        <translation>Escriba un importe con no más decimales de los que muestra la moneda.</translation>
    </message>
</context>
<context>
    <name>hw::OptionTexts</name>
    <message>
        <source>Table</source>
        <translation>Pagos fijos</translation>
    </message>
    <message>
        <source>Reducing Balance</source>
        <translation>Amortización constante</translation>
    </message>
    <message>
        <source>Interest Only</source>
        <translation>Solo intereses</translation>
    </message>
    <message>
        <source>Table Endowment</source>
        <translation>Pagos fijos con seguro dotal</translation>
    </message>
    <message>
        <source>Interest Only Endowment</source>
        <translation>Solo intereses con seguro dotal</translation>
    </message>
    <message>
        <source>Revolving Credit with Cash Management</source>
        <translation>Crédito revolvente con gestión de efectivo</translation>
    </message>
    <message>
        <source>Revolving Credit with Credit Card Management</source>
        <translation>Crédito revolvente con tarjeta de crédito</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Needs %1 a month; %2 is spare</source>
        <translation>Necesita %1 al mes; hay %2 disponibles</translation>
    </message>
    <message>
        <source>The first month&apos;s interest, %1, is more than the %2 spare</source>
        <translation>El interés del primer mes, %1, es mayor que los %2 disponibles</translation>
    </message>
    <message>
        <source>The fund never reaches the amount borrowed at this rate</source>
        <translation>El fondo nunca alcanza el importe del crédito a esta tasa</translation>
    </message>
    <message>
        <source>The spare income does not cover the interest</source>
        <translation>El ingreso disponible no cubre los intereses</translation>
    </message>
</context>
<context>
    <name>hw::PageBuilder</name>
    <message>
        <source>Current Domestic Residence:</source>
        <translation>Vivienda actual:</translation>
    </message>
    <message>
        <source>Combined Rental Properties:</source>
        <translation>Propiedades en renta combinadas:</translation>
    </message>
    <message>
        <source>Combined Value of Vehicles:</source>
        <translation>Valor combinado de vehículos:</translation>
    </message>
    <message>
        <source>Surrender Value Of Life Policies:</source>
        <translation>Valor de rescate de seguros de vida:</translation>
    </message>
    <message>
        <source>Other Land or Section Value:</source>
        <translation>Valor de otro terreno o lote:</translation>
    </message>
    <message>
        <source>Managed Funds:</source>
        <translation>Fondos de inversión:</translation>
    </message>
    <message>
        <source>Superannuation:</source>
        <translation>Ahorro para el retiro:</translation>
    </message>
    <message>
        <source>Savings:</source>
        <translation>Ahorros:</translation>
    </message>
    <message>
        <source>Shares:</source>
        <translation>Acciones:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Otro:</translation>
    </message>
    <message>
        <source>Domestic Mortgage:</source>
        <translation>Hipoteca de la vivienda:</translation>
    </message>
    <message>
        <source>Personal Loans:</source>
        <translation>Propiedades en renta combinadas:</translation>
    </message>
    <message>
        <source>Hire Purchases  (inc. Car):</source>
        <translation>Compras a plazos (incl. auto):</translation>
    </message>
    <message>
        <source>Credit Card Balances:</source>
        <translation>Saldos de tarjetas de crédito:</translation>
    </message>
    <message>
        <source>Annual Gross Taxable Income:</source>
        <translation>Ingreso anual bruto gravable:</translation>
    </message>
    <message>
        <source>Other Annual Gross Income:</source>
        <translation>Otro ingreso anual bruto:</translation>
    </message>
    <message>
        <source>Any Other Annual Gross Income:</source>
        <translation>Cualquier otro ingreso anual bruto:</translation>
    </message>
    <message>
        <source>Tax Rate:</source>
        <translation>Tasa de impuesto:</translation>
    </message>
    <message>
        <source>Household Shopping (Food and Groceries, Meals out...):</source>
        <translation>Compras del hogar (alimentos y despensa, comidas fuera...):</translation>
    </message>
    <message>
        <source>Utilities (Telephone, Electricity, LPG...):</source>
        <translation>Servicios (teléfono, electricidad, gas...):</translation>
    </message>
    <message>
        <source>Transportation (Fuel, Maintenance, Road Taxes...):</source>
        <translation>Transporte (gasolina, mantenimiento, tenencia...):</translation>
    </message>
    <message>
        <source>Insurance (Vehicles, Medical, Life... ):</source>
        <translation>Seguros (vehículos, gastos médicos, vida... ):</translation>
    </message>
    <message>
        <source>Education (Schooling, University, Childcare...):</source>
        <translation>Educación (colegiaturas, universidad, guardería...):</translation>
    </message>
    <message>
        <source>Leisure (Entertainment, Gifts, TV...):</source>
        <translation>Esparcimiento (entretenimiento, regalos, TV...):</translation>
    </message>
    <message>
        <source>Other (Clothing, Pets, Donations...):</source>
        <translation>Otros (ropa, mascotas, donativos...):</translation>
    </message>
    <message>
        <source>Valuation Fees:</source>
        <translation>Avalúo:</translation>
    </message>
    <message>
        <source>Legal or Conveyancing Costs:</source>
        <translation>Gastos notariales o de escrituración:</translation>
    </message>
    <message>
        <source>Bank Charges:</source>
        <translation>Comisiones bancarias:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Tasa de interés:</translation>
    </message>
    <message>
        <source>Term in Years:</source>
        <translation>Plazo en años:</translation>
    </message>
    <message>
        <source>Property Tax a Year:</source>
        <translation>Impuesto predial al año:</translation>
    </message>
    <message>
        <source>Heating a Month:</source>
        <translation>Calefacción al mes:</translation>
    </message>
    <message>
        <source>Condominium Fees a Month:</source>
        <translation>Cuotas de condominio al mes:</translation>
    </message>
    <message>
        <source>Payments on Other Debts a Month:</source>
        <translation>Pagos de otras deudas al mes:</translation>
    </message>
    <message>
        <source>Other Credit Card Balances:</source>
        <translation>Otros saldos de tarjetas de crédito:</translation>
    </message>
    <message>
        <source>Total Current Debts:</source>
        <translation>Total de deudas actuales:</translation>
    </message>
    <message>
        <source>Total current Debts:</source>
        <translation>Total de deudas actuales:</translation>
    </message>
    <message>
        <source>Your Contribution:</source>
        <translation>Su aportación:</translation>
    </message>
    <message>
        <source>Your Cash Contribution:</source>
        <translation>Su aportación en efectivo:</translation>
    </message>
    <message>
        <source>Cash you wish to withhold:</source>
        <translation>Efectivo que desea retener:</translation>
    </message>
    <message>
        <source>Your Equity:</source>
        <translation>Su capital propio:</translation>
    </message>
    <message>
        <source>Purchase Price:</source>
        <translation>Precio de compra:</translation>
    </message>
    <message>
        <source>Value of Land:</source>
        <translation>Valor del terreno:</translation>
    </message>
    <message>
        <source>Total Cost to Build:</source>
        <translation>Costo total de construcción:</translation>
    </message>
    <message>
        <source>Current Value of Your Home:</source>
        <translation>Valor actual de su vivienda:</translation>
    </message>
    <message>
        <source>Total Cost of the Improvements:</source>
        <translation>Costo total de las mejoras:</translation>
    </message>
    <message>
        <source>Selling Price: </source>
        <translation>Precio de venta: </translation>
    </message>
    <message>
        <source>Real Estate Fees:</source>
        <translation>Comisión inmobiliaria:</translation>
    </message>
    <message>
        <source>Selling Price:</source>
        <translation>Precio de venta:</translation>
    </message>
    <message>
        <source>Cost of Land:</source>
        <translation>Costo del terreno:</translation>
    </message>
    <message>
        <source>Cost to Build:</source>
        <translation>Costo de construcción:</translation>
    </message>
    <message>
        <source>Purchase Price of new Property:</source>
        <translation>Precio de compra de la nueva propiedad:</translation>
    </message>
    <message>
        <source>Total Value of other Properties:</source>
        <translation>Valor total de otras propiedades:</translation>
    </message>
    <message>
        <source>Total Value of Properties:</source>
        <translation>Valor total de las propiedades:</translation>
    </message>
    <message>
        <source>Total value of Properties: </source>
        <translation>Valor total de las propiedades: </translation>
    </message>
    <message>
        <source>Amount You Want To Borrow:</source>
        <translation>Importe que desea pedir prestado:</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>Después de impuestos:</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Subtotal:</translation>
    </message>
    <message>
        <source>Total Before Bank Charges:</source>
        <translation>Total antes de comisiones bancarias:</translation>
    </message>
</context>
<context>
    <name>hw::PicturePage</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Gracias</translation>
    </message>
</context>
<context>
    <name>hw::PreviewWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Guardar como PDF...</translation>
    </message>
    <message>
        <source>C&amp;hart Page</source>
        <translation>&amp;Página de la gráfica</translation>
    </message>
    <message>
        <source>Add a page with the chart of the balances over time</source>
        <translation>Agregar una página con la gráfica de los saldos a lo largo del tiempo</translation>
    </message>
    <message>
        <source>Wh&amp;at If Page</source>
        <translation>Página de ¿&amp;Qué pasaría si?</translation>
    </message>
    <message>
        <source>Add a page with the What If answers</source>
        <translation>Agregar una página con las respuestas de ¿Qué pasaría si?</translation>
    </message>
    <message>
        <source>&amp;Lender Checks Page</source>
        <translation>Página de &amp;criterios de los prestamistas</translation>
    </message>
    <message>
        <source>Add a page with each type&apos;s lender checks</source>
        <translation>Agregar una página con los criterios de los prestamistas de cada tipo</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Fit Width</source>
        <translation>Ajustar al a&amp;ncho</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Print the report (Ctrl+P)</source>
        <translation>Imprimir el reporte (Ctrl+P)</translation>
    </message>
    <message>
        <source>Save the report as a PDF file (Ctrl+S)</source>
        <translation>Guardar el reporte como archivo PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report was saved as %1.</source>
        <translation>El reporte se guardó como %1.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>No se pudo guardar el reporte como %1: %2</translation>
    </message>
</context>
<context>
    <name>hw::PurposeChoicePage</name>
    <message>
        <source>First Home Buyer</source>
        <translation>Primera vivienda (compra)</translation>
    </message>
    <message>
        <source>First Home Builder</source>
        <translation>Primera vivienda (construcción)</translation>
    </message>
    <message>
        <source>Home Improvement</source>
        <translation>Mejoras a la vivienda</translation>
    </message>
    <message>
        <source>Selling and Buying</source>
        <translation>Vender y comprar</translation>
    </message>
    <message>
        <source>Selling and Building</source>
        <translation>Vender y construir</translation>
    </message>
    <message>
        <source>Additional Real Estate Purchase</source>
        <translation>Compra de otro inmueble</translation>
    </message>
    <message>
        <source>Additional Building</source>
        <translation>Otra construcción</translation>
    </message>
    <message>
        <source>Refinance</source>
        <translation>Refinanciamiento</translation>
    </message>
    <message>
        <source>Other Loans</source>
        <translation>Otros créditos</translation>
    </message>
    <message>
        <source>Purpose of the mortgage</source>
        <translation>Propósito del crédito hipotecario</translation>
    </message>
</context>
<context>
    <name>hw::RatePage</name>
    <message>
        <source>Fixed Rate</source>
        <translation>Tasa fija</translation>
    </message>
    <message>
        <source>Adjustable Rate</source>
        <translation>Tasa variable</translation>
    </message>
    <message>
        <source>Capped Rate</source>
        <translation>Tasa con tope</translation>
    </message>
    <message>
        <source>Compounded:</source>
        <translation>Capitalización:</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensual</translation>
    </message>
    <message>
        <source>Half-&amp;yearly</source>
        <translation>S&amp;emestral</translation>
    </message>
    <message>
        <source>How the interest rate compounds</source>
        <translation>Cómo se capitaliza la tasa de interés</translation>
    </message>
    <message>
        <source>Types of interest rate:</source>
        <translation>Tipos de tasa de interés:</translation>
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
        <translation>No se pudo guardar el reporte como %1: %2</translation>
    </message>
</context>
<context>
    <name>hw::RequirementPage</name>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Selling</source>
        <translation>Venta</translation>
    </message>
    <message>
        <source>Buying</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Construcción</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>Total: </translation>
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
        <translation>Uso: hearthwise [ARCHIVO]
       hearthwise --results ARCHIVO [--format csv|json]
       hearthwise --report ARCHIVO --pdf SALIDA.pdf [--chart]
  ARCHIVO          abrir el caso guardado en la ventana
  --results ARCHIVO  imprimir los resultados de un caso guardado y salir
  --format FORMATO csv (el predeterminado) o json
  --report ARCHIVO escribir el reporte &quot;Opciones de crédito hipotecario&quot; de un caso guardado
  --pdf SALIDA.pdf el archivo PDF en el que se escribe el reporte
  --chart          agregar al reporte la gráfica de los saldos
  --version        imprimir la versión y salir
  --help           imprimir esta ayuda y salir
</translation>
    </message>
    <message>
        <source>%1 (hearthwise --help lists the options)</source>
        <translation>%1 (hearthwise --help enumera las opciones)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opción desconocida: %1</translation>
    </message>
    <message>
        <source>Give one case file to open.</source>
        <translation>Indique un solo archivo de caso para abrir.</translation>
    </message>
    <message>
        <source>Give the PDF file to write with --pdf OUT.pdf.</source>
        <translation>Indique el archivo PDF que se escribirá con --pdf SALIDA.pdf.</translation>
    </message>
    <message>
        <source>The report would replace the case file it is made from: %1</source>
        <translation>El reporte reemplazaría el archivo del caso del que se obtiene: %1</translation>
    </message>
    <message>
        <source>Give the case file with --results FILE.</source>
        <translation>Indique el archivo del caso con --results ARCHIVO.</translation>
    </message>
    <message>
        <source>--pdf and --chart go with --report FILE.</source>
        <translation>--pdf y --chart van con --report ARCHIVO.</translation>
    </message>
    <message>
        <source>Unknown format: %1 (csv or json)</source>
        <translation>Formato desconocido: %1 (csv o json)</translation>
    </message>
    <message>
        <source>%1 stops short of its results: %2</source>
        <translation>%1 se detiene antes de sus resultados: %2</translation>
    </message>
    <message>
        <source>The report needs the program&apos;s windows: hearthwise --report FILE --pdf OUT.pdf</source>
        <translation>El reporte necesita las ventanas del programa: hearthwise --report ARCHIVO --pdf SALIDA.pdf</translation>
    </message>
</context>
<context>
    <name>hw::ResultsPage</name>
    <message>
        <source>Mortgage Type</source>
        <translation>Tipo de crédito</translation>
    </message>
    <message>
        <source> Term    Years</source>
        <translation> Plazo    años</translation>
    </message>
    <message>
        <source>Monthly Repayments First                 Last</source>
        <translation>Pagos mensuales Primero                 Último</translation>
    </message>
    <message>
        <source>Total   Amount Paid</source>
        <translation>Total   pagado</translation>
    </message>
    <message>
        <source>Interest  Total Paid</source>
        <translation>Intereses  pagados en total</translation>
    </message>
    <message>
        <source>Final  Balance</source>
        <translation>Saldo  final</translation>
    </message>
    <message>
        <source>&amp;What If</source>
        <translation>¿&amp;Qué pasaría si?</translation>
    </message>
    <message>
        <source>What if rates rise, how much could we borrow, paying extra, a fixed rate that ends</source>
        <translation>Qué pasaría si suben las tasas, cuánto podríamos pedir prestado, pagar de más, una tasa fija que termina</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>G&amp;ráfica</translation>
    </message>
    <message>
        <source>The balance of each type over the years, and its month-by-month schedule</source>
        <translation>El saldo de cada tipo a lo largo de los años, y su tabla de amortización mes a mes</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>C&amp;omparar</translation>
    </message>
    <message>
        <source>This case beside saved cases</source>
        <translation>Este caso junto a casos guardados</translation>
    </message>
    <message>
        <source>Lender Chec&amp;ks</source>
        <translation>Criterios de &amp;los prestamistas</translation>
    </message>
    <message>
        <source>The usual checks of lenders in your country, for each type</source>
        <translation>Los criterios habituales de los prestamistas de su país, para cada tipo</translation>
    </message>
    <message>
        <source>Shaded: the lowest first repayment and the lowest total paid among the types you can afford that repay the loan.</source>
        <translation>Sombreados: el primer pago y el total pagado más bajos de los tipos que puede pagar y que liquidan el crédito.</translation>
    </message>
    <message>
        <source>%1, term in years</source>
        <translation>%1, plazo en años</translation>
    </message>
    <message>
        <source>%1, first monthly repayment</source>
        <translation>%1, primer pago mensual</translation>
    </message>
    <message>
        <source>%1, last monthly repayment</source>
        <translation>%1, último pago mensual</translation>
    </message>
    <message>
        <source>%1, total amount paid</source>
        <translation>%1, importe total pagado</translation>
    </message>
    <message>
        <source>%1, interest total paid</source>
        <translation>%1, intereses pagados en total</translation>
    </message>
    <message>
        <source>%1, final balance</source>
        <translation>%1, saldo final</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>Esta opción no la puede pagar</translation>
    </message>
    <message>
        <source>%1: This option is not affordable</source>
        <translation>%1: Esta opción no la puede pagar</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>Lo puede pagar</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>No lo puede pagar</translation>
    </message>
    <message>
        <source>Not affordable: %1</source>
        <translation>No lo puede pagar: %1</translation>
    </message>
    <message>
        <source>The lowest of the affordable types that repay the loan</source>
        <translation>El más bajo de los tipos que puede pagar y que liquidan el crédito</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>Opciones de crédito hipotecario</translation>
    </message>
    <message>
        <source>%1 compounded half-yearly</source>
        <translation>%1 capitalizable semestralmente</translation>
    </message>
    <message>
        <source>Amount borrowed:  %1  at  %2</source>
        <translation>Importe del crédito:  %1  a  %2</translation>
    </message>
</context>
<context>
    <name>hw::SaveAs</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The printing system could not make the PDF.</source>
        <translation>El sistema de impresión no pudo generar el PDF.</translation>
    </message>
</context>
<context>
    <name>hw::StepPage</name>
    <message>
        <source>If you are refinancing your debt must be over $0!</source>
        <translation>¡Si va a refinanciar, su deuda debe ser mayor que $0!</translation>
    </message>
    <message>
        <source>Please enter your income value.</source>
        <translation>Escriba su ingreso.</translation>
    </message>
    <message>
        <source>Tax rate must be less than 100%.</source>
        <translation>La tasa de impuesto debe ser menor que 100%.</translation>
    </message>
    <message>
        <source>The amount you want to borrow must be over $0!</source>
        <translation>¡El importe que desea pedir prestado debe ser mayor que $0!</translation>
    </message>
    <message>
        <source>Interest rate must be less than 100%.</source>
        <translation>La tasa de interés debe ser menor que 100%.</translation>
    </message>
    <message>
        <source>Term in years must be between 0.1 and 100.</source>
        <translation>El plazo en años debe estar entre 0.1 y 100.</translation>
    </message>
    <message>
        <source>Please enter Selling Price.</source>
        <translation>Escriba el precio de venta.</translation>
    </message>
    <message>
        <source>Please enter Purchase Price.</source>
        <translation>Escriba el precio de compra.</translation>
    </message>
    <message>
        <source>Please enter Cost to build.</source>
        <translation>Escriba el costo de construcción.</translation>
    </message>
    <message>
        <source>Please enter required value.</source>
        <translation>Escriba el valor requerido.</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>Este importe es demasiado grande.</translation>
    </message>
    <message>
        <source>Bank Charges must be less than 100%.</source>
        <translation>Las comisiones bancarias deben ser menores que 100%.</translation>
    </message>
    <message>
        <source>ASSETS</source>
        <translation>ACTIVOS</translation>
    </message>
    <message>
        <source>LIABILITIES</source>
        <translation>PASIVOS</translation>
    </message>
    <message>
        <source>INCOME</source>
        <translation>INGRESOS</translation>
    </message>
    <message>
        <source>EXPENSES</source>
        <translation>GASTOS</translation>
    </message>
    <message>
        <source>FEES AND BANK CHARGES</source>
        <translation>GASTOS Y COMISIONES BANCARIAS</translation>
    </message>
    <message>
        <source>INTEREST RATE AND TERM</source>
        <translation>TASA DE INTERÉS Y PLAZO</translation>
    </message>
    <message>
        <source>LENDER CHECKS</source>
        <translation>CRITERIOS DE LOS PRESTAMISTAS</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUYER</source>
        <translation>PRIMERA VIVIENDA (COMPRA)</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUILDER</source>
        <translation>PRIMERA VIVIENDA (CONSTRUCCIÓN)</translation>
    </message>
    <message>
        <source>HOME IMPROVEMENT</source>
        <translation>MEJORAS A LA VIVIENDA</translation>
    </message>
    <message>
        <source>SELLING AND BUYING</source>
        <translation>VENDER Y COMPRAR</translation>
    </message>
    <message>
        <source>SELLING AND BUILDING</source>
        <translation>VENDER Y CONSTRUIR</translation>
    </message>
    <message>
        <source>ADDITIONAL REAL ESTATE PURCHASE</source>
        <translation>COMPRA DE OTRO INMUEBLE</translation>
    </message>
    <message>
        <source>ADDITIONAL BUILDING</source>
        <translation>OTRA CONSTRUCCIÓN</translation>
    </message>
    <message>
        <source>REFINANCE</source>
        <translation>REFINANCIAMIENTO</translation>
    </message>
    <message>
        <source>OTHER LOANS</source>
        <translation>OTROS CRÉDITOS</translation>
    </message>
    <message>
        <source>Fitting a mortgage to yourself means selecting the type of loan that is right for you. The right type depends on your own finances and on your plans for the years ahead.
Two aims guide the choice: pay the lowest rate of interest you can get, and never let savings sit idle while you still owe money on your home.
Choose early. How much you can borrow depends on your income, on the equity you bring and on the repayments you can afford, and knowing these before you look at houses puts you in a stronger position.
Hearthwise compares the total cost of the usual types of mortgage over the whole term, assuming the interest rate does not change. A wrong choice can cost you thousands, so use these figures to shop around.</source>
        <translation>Ajustar un crédito hipotecario a usted significa elegir el tipo de crédito adecuado. El tipo adecuado depende de sus finanzas y de sus planes para los próximos años.
Dos objetivos guían la elección: pagar la tasa de interés más baja que consiga y nunca dejar ahorros sin trabajar mientras aún deba dinero de su vivienda.
Elija pronto. Cuánto puede pedir prestado depende de su ingreso, del capital que aporta y de los pagos que puede cubrir; saberlo antes de ver casas le da una posición más fuerte.
Hearthwise compara el costo total de los tipos de crédito hipotecario habituales durante todo el plazo, suponiendo que la tasa de interés no cambia. Una mala elección puede costarle miles, así que use estas cifras para comparar ofertas.</translation>
    </message>
    <message>
        <source>Because the average borrower has limited income and expenditure is tight, it is important to get as much from our money as we can. The savings come from a lower rate of interest and from putting your savings and any surplus income towards your debt.
Look for a loan whose interest is calculated on the daily reducing balance and that accepts extra payments at any time with little or no fee for repaying early.

REMEMBER: YOUR BEST INVESTMENT IS TO PAY OFF YOUR MORTGAGE AS SOON AS POSSIBLE.

Fit the mortgage to your own affairs, keep to your budget with discipline, but do not become a slave to it.</source>
        <translation>Como el acreditado promedio tiene un ingreso limitado y un gasto ajustado, es importante sacar el mayor provecho de nuestro dinero. El ahorro viene de una tasa de interés más baja y de destinar sus ahorros y cualquier ingreso sobrante a su deuda.
Busque un crédito cuyo interés se calcule sobre el saldo insoluto diario y que acepte pagos anticipados en cualquier momento sin comisión o con una comisión mínima.

RECUERDE: SU MEJOR INVERSIÓN ES LIQUIDAR SU CRÉDITO HIPOTECARIO LO ANTES POSIBLE.

Ajuste el crédito a sus propias circunstancias, cumpla su presupuesto con disciplina, pero no se vuelva esclavo de él.</translation>
    </message>
    <message>
        <source>First we need to determine the purpose for your mortgage. Please select the option below that best represents your mortgage requirement.</source>
        <translation>Primero necesitamos saber el propósito de su crédito hipotecario. Elija abajo la opción que mejor describa lo que necesita.</translation>
    </message>
    <message>
        <source>An asset is everything that you own that has monetary value. Your home, land, savings, shares, vehicles and life policies are all assets, and a lender is reassured to see that you own things of value and have built them up over time.
Enter each asset at the price it would fetch on the open market today. For a life policy enter its surrender value, what the insurer would pay you if you cashed it in today.</source>
        <translation>Un activo es todo lo que usted posee que tiene valor monetario. Su casa, un terreno, sus ahorros, acciones, vehículos y seguros de vida son activos, y a un prestamista le da confianza ver que usted posee cosas de valor y que las ha formado con el tiempo.
Anote cada activo al precio que obtendría hoy en el mercado. Para un seguro de vida anote su valor de rescate, lo que la aseguradora le pagaría si lo cancelara hoy.</translation>
    </message>
    <message>
        <source>The opposite of assets are liabilities. A liability is a legal duty to repay money that you owe, whether to a lender such as a bank or to other creditors such as a store or a credit card company.</source>
        <translation>Lo opuesto a los activos son los pasivos. Un pasivo es una obligación legal de pagar dinero que usted debe, ya sea a un prestamista como un banco o a otros acreedores como una tienda o una compañía de tarjetas de crédito.</translation>
    </message>
    <message>
        <source>The first step in developing a budget is calculating total annual income. Multiply your pay by the number of pay periods in a year: 52 if you are paid weekly, 26 if you are paid fortnightly. If you are self-employed, use your lowest pay of the last six to twelve months.
Then add any other income you receive, such as dividends, the pay from a second job or the rent from a property.</source>
        <translation>El primer paso para hacer un presupuesto es calcular el ingreso anual total. Multiplique su sueldo por el número de periodos de pago del año: 52 si le pagan cada semana, 26 si le pagan cada dos semanas. Si trabaja por su cuenta, use su ingreso más bajo de los últimos seis a doce meses.
Luego sume cualquier otro ingreso que reciba, como dividendos, el sueldo de un segundo empleo o la renta de una propiedad.</translation>
    </message>
    <message>
        <source>The next step is setting expenses categories, for example; utilities, maintenance, insurance etc. The categories should mirror the way you really spend your money.
Enter the living expenses you pay as bills for the period selected, fortnightly or monthly, as if you already owned the new house. Leave out rent and the payments on any existing mortgage.</source>
        <translation>El siguiente paso es definir categorías de gastos, por ejemplo: servicios, mantenimiento, seguros, etc. Las categorías deben reflejar cómo gasta realmente su dinero.
Anote los gastos de manutención que paga como recibos en el periodo elegido, cada dos semanas o mensual, como si ya fuera dueño de la nueva casa. No incluya la renta ni los pagos de ningún crédito hipotecario actual.</translation>
    </message>
    <message>
        <source>As a first time home buyer you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make (your deposit) and the purchase price of the home.</source>
        <translation>Como comprador de su primera vivienda, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba la aportación que puede hacer (su enganche) y el precio de compra de la vivienda.</translation>
    </message>
    <message>
        <source>As a first time home builder you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building the house.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Como constructor de su primera vivienda, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba la aportación que puede hacer, el valor del terreno y el costo de construir la casa.
Si ya es dueño del terreno, incluya su valor en el campo &quot;Su aportación&quot;.</translation>
    </message>
    <message>
        <source>As you wish to improve your home you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of your home and the total cost of the improvements.</source>
        <translation>Como desea hacer mejoras a su vivienda, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba la aportación que puede hacer, el valor de su vivienda y el costo total de las mejoras.</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to purchase another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for and the purchase price of the new property.</source>
        <translation>Como va a vender su propiedad actual y desea comprar otra, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba la aportación que puede hacer, el precio al que espera vender y el precio de compra de la nueva propiedad.</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to build another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Como va a vender su propiedad actual y desea construir otra, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba la aportación que puede hacer, el precio al que espera vender, el valor del terreno y el costo de construcción.
Si ya es dueño del terreno, incluya su valor en el campo &quot;Su aportación&quot;.</translation>
    </message>
    <message>
        <source>As you wish to make an additional purchase you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make and the purchase price of the new property.</source>
        <translation>Como desea hacer una compra adicional, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba la aportación que puede hacer y el precio de compra de la nueva propiedad.</translation>
    </message>
    <message>
        <source>As you wish to do an additional build you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>Como desea hacer una construcción adicional, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba la aportación que puede hacer, el valor del terreno y el costo de construcción.
Si ya es dueño del terreno, incluya su valor en el campo &quot;Su aportación&quot;.</translation>
    </message>
    <message>
        <source>As you wish to refinance you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter any amount of money you wish to withhold from the new loan.</source>
        <translation>Como desea refinanciar, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba el efectivo que desee retener del nuevo crédito.</translation>
    </message>
    <message>
        <source>As you have chosen an alternative mortgage requirement option you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the amount you wish to borrow.</source>
        <translation>Como eligió otra necesidad de crédito, necesita dar algunos datos más. Sus deudas actuales se tomaron de las páginas anteriores. Escriba el importe que desea pedir prestado.</translation>
    </message>
    <message>
        <source>Now we need to know what other fees apply to this mortgage.
A lender may want a registered valuation of the property, and legal or conveyancing fees and the bank&apos;s own charges apply to most loans. The page starts with typical figures; yours may differ, so change them to match your case.</source>
        <translation>Ahora necesitamos saber qué otros gastos se aplican a este crédito.
Un prestamista puede pedir un avalúo de la propiedad, y los gastos notariales o de escrituración y las comisiones del banco se aplican a la mayoría de los créditos. La página empieza con cifras habituales; las suyas pueden ser distintas, así que cámbielas según su caso.</translation>
    </message>
    <message>
        <source>These figures represent your mortgage requirements and your Loan to Value Ratio. Your spare income, what is left of your income after tax once your living expenses are paid, is shown too. Enter the current interest rate and the term of the loan in years. Rates vary with the economy, and a difference of one percentage point makes a large difference to what you pay.</source>
        <translation>Estas cifras representan lo que necesita de crédito y su relación préstamo-valor. También se muestra su ingreso disponible, lo que queda de su ingreso después de impuestos una vez pagados sus gastos de manutención. Escriba la tasa de interés actual y el plazo del crédito en años. Las tasas cambian con la economía, y una diferencia de un punto porcentual cambia mucho lo que usted paga.</translation>
    </message>
    <message>
        <source>These figures represent the mortgage options available. Press the button of a mortgage type to learn more about it.
If you want to print these results, you can do so by pressing the Preview button.</source>
        <translation>Estas cifras representan las opciones de crédito hipotecario disponibles. Presione el botón de un tipo de crédito para saber más de él.
Si quiere imprimir estos resultados, presione el botón Vista previa.</translation>
    </message>
</context>
<context>
    <name>hw::SumPage</name>
    <message>
        <source>Total assets</source>
        <translation>Total de activos</translation>
    </message>
    <message>
        <source>Total liabilities</source>
        <translation>Total de pasivos</translation>
    </message>
</context>
<context>
    <name>hw::Summary</name>
    <message>
        <source>Mortgage Requirement:</source>
        <translation>Crédito necesario:</translation>
    </message>
    <message>
        <source>Loan to Value Ratio:</source>
        <translation>Relación préstamo-valor:</translation>
    </message>
    <message>
        <source>Total Monthly Income After Tax:</source>
        <translation>Ingreso mensual total después de impuestos:</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>Gastos mensuales:</translation>
    </message>
    <message>
        <source>Spare:</source>
        <translation>Disponible:</translation>
    </message>
</context>
<context>
    <name>hw::WhatIf</name>
    <message>
        <source>Rise in the rate, percentage points</source>
        <translation>Alza de la tasa, en puntos porcentuales</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <translation>Pago adicional cada mes</translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation>Pago único</translation>
    </message>
    <message>
        <source>Month of the lump sum</source>
        <translation>Mes del pago único</translation>
    </message>
    <message>
        <source>Years at the entered rate</source>
        <translation>Años a la tasa anotada</translation>
    </message>
    <message>
        <source>The new rate</source>
        <translation>La nueva tasa</translation>
    </message>
    <message>
        <source>Savings in the offset account</source>
        <translation>Ahorros en la cuenta de compensación</translation>
    </message>
    <message>
        <source>Savings added each month</source>
        <translation>Ahorros agregados cada mes</translation>
    </message>
    <message>
        <source>Balance of the current loan</source>
        <translation>Saldo del crédito actual</translation>
    </message>
    <message>
        <source>Rate of the current loan</source>
        <translation>Tasa del crédito actual</translation>
    </message>
    <message>
        <source>Years left on the current loan</source>
        <translation>Años que le quedan al crédito actual</translation>
    </message>
    <message>
        <source>Costs of switching</source>
        <translation>Costos del cambio</translation>
    </message>
    <message>
        <source>%1 must be 0 or more.</source>
        <translation>%1 debe ser 0 o más.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 es demasiado grande.</translation>
    </message>
    <message>
        <source>The rise must be between %1 and %2 percentage points, in steps of %3.</source>
        <translation>El alza debe estar entre %1 y %2 puntos porcentuales, en pasos de %3.</translation>
    </message>
    <message>
        <source>The extra amount each month</source>
        <translation>El pago adicional cada mes</translation>
    </message>
    <message>
        <source>The lump sum</source>
        <translation>El pago único</translation>
    </message>
    <message>
        <source>The month of the lump sum must be a whole month from %1 to %2.</source>
        <translation>El mes del pago único debe ser un mes entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The fixed period must be at least a month and shorter than the term.</source>
        <translation>El periodo fijo debe ser de al menos un mes y más corto que el plazo.</translation>
    </message>
    <message>
        <source>The rate after the fixed period must be between %1 and %2.</source>
        <translation>La tasa después del periodo fijo debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>The savings in the offset account</source>
        <translation>Los ahorros en la cuenta de compensación</translation>
    </message>
    <message>
        <source>The savings added each month</source>
        <translation>Los ahorros agregados cada mes</translation>
    </message>
    <message>
        <source>The balance of the current loan must be more than 0.</source>
        <translation>El saldo del crédito actual debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>The balance of the current loan</source>
        <translation>El saldo del crédito actual</translation>
    </message>
    <message>
        <source>The rate of the current loan must be between %1 and %2.</source>
        <translation>La tasa del crédito actual debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>The years left on the current loan must be between %1 and %2.</source>
        <translation>Los años que le quedan al crédito actual deben estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>The costs of switching</source>
        <translation>Los costos del cambio</translation>
    </message>
    <message>
        <source>Please enter the amount, the rate and the term first.</source>
        <translation>Primero escriba el importe, la tasa y el plazo.</translation>
    </message>
    <message>
        <source>The rate after the rise must be less than %1.</source>
        <translation>La tasa después del alza debe ser menor que %1.</translation>
    </message>
    <message>
        <source>Extra payments can be worked out for the Table and Reducing Balance types.</source>
        <translation>Los pagos adicionales se pueden calcular para los tipos Pagos fijos y Amortización constante.</translation>
    </message>
    <message>
        <source>The extra amount each month must be less than the amount borrowed.</source>
        <translation>El pago adicional cada mes debe ser menor que el importe del crédito.</translation>
    </message>
    <message>
        <source>The lump sum must be no more than the amount borrowed.</source>
        <translation>El pago único no debe ser mayor que el importe del crédito.</translation>
    </message>
    <message>
        <source>The month of the lump sum must be between %1 and %2, the months of the term.</source>
        <translation>El mes del pago único debe estar entre %1 y %2, los meses del plazo.</translation>
    </message>
    <message>
        <source>Rates rise</source>
        <translation>Alza de tasas</translation>
    </message>
    <message>
        <source>If the rate rose by %1 points to %2:</source>
        <translation>Si la tasa subiera %1 puntos hasta %2:</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Tipo de crédito</translation>
    </message>
    <message>
        <source>First month</source>
        <translation>Primer mes</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>lo puede pagar</translation>
    </message>
    <message>
        <source>no longer affordable</source>
        <translation>ya no lo puede pagar</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>no lo puede pagar</translation>
    </message>
    <message>
        <source>How much could we borrow</source>
        <translation>Cuánto podríamos pedir prestado</translation>
    </message>
    <message>
        <source>The most you could borrow at this rate and term:</source>
        <translation>Lo más que podría pedir prestado a esta tasa y plazo:</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Importe máximo</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>Del valor de la propiedad</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>The Table repayment equals your spare income over %1.</source>
        <translation>El pago fijo iguala su ingreso disponible en %1.</translation>
    </message>
    <message>
        <source>Your spare income does not cover the interest of a Table loan.</source>
        <translation>Su ingreso disponible no cubre el interés de un crédito de pagos fijos.</translation>
    </message>
    <message>
        <source>A Table loan fixed for %1 years, then at %2: the repayment goes from %3 to %4, which is %5.</source>
        <translation>Un crédito de pagos fijos a tasa fija durante %1 años, luego a %2: el pago pasa de %3 a %4, lo cual %5.</translation>
    </message>
    <message>
        <source>A fixed rate that ends</source>
        <translation>Una tasa fija que termina</translation>
    </message>
    <message>
        <source>Paying %1 more a month and %2 in month %3 on the %4 loan clears it in month %5 and saves %6 of interest.</source>
        <translation>Pagando %1 más al mes y %2 en el mes %3 sobre el crédito de %4, se liquida en el mes %5 y ahorra %6 de intereses.</translation>
    </message>
    <message>
        <source>Keeping the term instead, the repayment falls from %1 to %2, and to %3 by the last month, and %4 of interest is saved.</source>
        <translation>Si en cambio conserva el plazo, el pago baja de %1 a %2, y a %3 en el último mes, y ahorra %4 de intereses.</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>Pagar de más</translation>
    </message>
    <message>
        <source>Paying the %1 loan fortnightly: %2 a fortnight, %3 of interest saved against paying monthly.</source>
        <translation>Pagar el crédito de %1 cada dos semanas: %2 cada dos semanas, %3 de intereses ahorrados frente a pagar mensualmente.</translation>
    </message>
    <message>
        <source>Paying half the monthly repayment each fortnight (%1) clears it in %2 and saves %3 of interest.</source>
        <translation>Pagando la mitad del pago mensual cada dos semanas (%1) se liquida en %2 y ahorra %3 de intereses.</translation>
    </message>
    <message>
        <source>How often you pay</source>
        <translation>Con qué frecuencia paga</translation>
    </message>
    <message>
        <source>With %1 in an offset account and %2 added each month, the Table loan clears in month %3 and saves %4 of interest; paid into the loan instead (the %1 at once, the %2 each month), they would clear it in month %5 and save %6.</source>
        <translation>Con %1 en una cuenta de compensación y %2 agregados cada mes, el crédito de pagos fijos se liquida en el mes %3 y ahorra %4 de intereses; abonados en cambio al crédito (los %1 de inmediato, los %2 cada mes), lo liquidarían en el mes %5 y ahorrarían %6.</translation>
    </message>
    <message>
        <source>An offset account</source>
        <translation>Una cuenta de compensación</translation>
    </message>
    <message>
        <source>Refinancing</source>
        <translation>Refinanciamiento</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan has cost no more than the current one by month %7.</source>
        <translation>Refinanciar un crédito actual de %1 a %2 con %3 años restantes: %4 al mes en lugar de %5; con costos de %6, el nuevo crédito no le ha costado más que el actual para el mes %7.</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan always costs more.</source>
        <translation>Refinanciar un crédito actual de %1 a %2 con %3 años restantes: %4 al mes en lugar de %5; con costos de %6, el nuevo crédito siempre cuesta más.</translation>
    </message>
</context>
<context>
    <name>hw::WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>¿Qué pasaría si?</translation>
    </message>
    <message>
        <source>&amp;Rates rise</source>
        <translation>Alza de &amp;tasas</translation>
    </message>
    <message>
        <source>&amp;How much could we borrow</source>
        <translation>C&amp;uánto podríamos pedir prestado</translation>
    </message>
    <message>
        <source>Paying &amp;extra</source>
        <translation>Pagar de má&amp;s</translation>
    </message>
    <message>
        <source>A &amp;fixed rate that ends</source>
        <translation>Una tasa &amp;fija que termina</translation>
    </message>
    <message>
        <source>How often you &amp;pay</source>
        <translation>Con qué frecuencia pa&amp;ga</translation>
    </message>
    <message>
        <source>An offset &amp;account</source>
        <translation>Una cuenta de compensació&amp;n</translation>
    </message>
    <message>
        <source>Refinan&amp;cing</source>
        <translation>&amp;Refinanciamiento</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>Tipo de crédito</translation>
    </message>
    <message>
        <source>First month at the higher rate</source>
        <translation>Primer mes a la tasa más alta</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>After the rise</source>
        <translation>Después del alza</translation>
    </message>
    <message>
        <source>Repayments if the rate rises</source>
        <translation>Pagos si la tasa sube</translation>
    </message>
    <message>
        <source>Ri&amp;se in the rate (percentage points):</source>
        <translation>Al&amp;za de la tasa (puntos porcentuales):</translation>
    </message>
    <message>
        <source>Lenders test whether you could still pay if the rate rose. Each type at the entered rate plus the rise:</source>
        <translation>Los prestamistas prueban si usted aún podría pagar si la tasa subiera. Cada tipo a la tasa anotada más el alza:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>Lo puede pagar</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>No lo puede pagar</translation>
    </message>
    <message>
        <source>No longer affordable</source>
        <translation>Ya no lo puede pagar</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>Importe máximo</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>Del valor de la propiedad</translation>
    </message>
    <message>
        <source>The most each type would lend</source>
        <translation>Lo más que prestaría cada tipo</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>A Table loan of the amount entered would take %1 at a repayment equal to your spare income.</source>
        <translation>Un crédito de pagos fijos por el importe anotado tardaría %1 con un pago igual a su ingreso disponible.</translation>
    </message>
    <message>
        <source>Your spare income does not cover a month&apos;s interest: no Table term would clear the amount entered.</source>
        <translation>Su ingreso disponible no cubre el interés de un mes: ningún plazo de pagos fijos liquidaría el importe anotado.</translation>
    </message>
    <message>
        <source>The most each type would let you borrow at the entered rate and term, with your spare income:</source>
        <translation>Lo más que cada tipo le dejaría pedir prestado a la tasa y plazo anotados, con su ingreso disponible:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Repayment as entered</source>
        <translation>Pago como se anotó</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>Pagar de más</translation>
    </message>
    <message>
        <source>Balance as entered</source>
        <translation>Saldo como se anotó</translation>
    </message>
    <message>
        <source>Balance paying extra</source>
        <translation>Saldo pagando de más</translation>
    </message>
    <message>
        <source>Month by month, as entered and paying extra</source>
        <translation>Mes a mes, como se anotó y pagando de más</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>T&amp;ipo de crédito:</translation>
    </message>
    <message>
        <source>E&amp;xtra each month:</source>
        <translation>A&amp;dicional cada mes:</translation>
    </message>
    <message>
        <source>&amp;Lump sum:</source>
        <translation>&amp;Pago único:</translation>
    </message>
    <message>
        <source>In m&amp;onth:</source>
        <translation>&amp;En el mes:</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Lo que logra el pago adicional</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Cleared in month</source>
        <translation>Liquidado en el mes</translation>
    </message>
    <message>
        <source>Interest saved</source>
        <translation>Intereses ahorrados</translation>
    </message>
    <message>
        <source>Cleared in month %1,
instead of month %2.
Total paid: %3 instead of %4.
Interest saved: %5.</source>
        <translation>Liquidado en el mes %1,
en lugar del mes %2.
Total pagado: %3 en lugar de %4.
Intereses ahorrados: %5.</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>Como se anotó</translation>
    </message>
    <message>
        <source>&amp;Years at the entered rate:</source>
        <translation>&amp;Años a la tasa anotada:</translation>
    </message>
    <message>
        <source>Then the &amp;new rate:</source>
        <translation>&amp;Luego la nueva tasa:</translation>
    </message>
    <message>
        <source>A Table loan at the entered rate for the first years, then the repayment worked out again for the rest of the term:</source>
        <translation>Un crédito de pagos fijos a la tasa anotada durante los primeros años y luego el pago calculado de nuevo para el resto del plazo:</translation>
    </message>
    <message>
        <source>The repayment goes from %1 to %2 a month, on the %3 still owed.
With your spare income that is %4.</source>
        <translation>El pago pasa de %1 a %2 al mes, sobre los %3 que aún se deben.
Con su ingreso disponible eso %4.</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>lo puede pagar</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>no lo puede pagar</translation>
    </message>
    <message>
        <source>The repayment jumps to %1</source>
        <translation>El pago salta a %1</translation>
    </message>
    <message>
        <source>The entered rate throughout</source>
        <translation>La tasa anotada durante todo el plazo</translation>
    </message>
    <message>
        <source>After the fixed rate ends</source>
        <translation>Después de que termina la tasa fija</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Half the monthly repayment each fortnight</source>
        <translation>La mitad del pago mensual cada dos semanas</translation>
    </message>
    <message>
        <source>A quarter of the monthly repayment each week</source>
        <translation>Una cuarta parte del pago mensual cada semana</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Paid off in</source>
        <translation>Liquidado en</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total pagado</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Saved against monthly</source>
        <translation>Ahorro frente a mensual</translation>
    </message>
    <message>
        <source>Repayments by how often you pay</source>
        <translation>Pagos según la frecuencia</translation>
    </message>
    <message>
        <source>Mortgage t&amp;ype:</source>
        <translation>Tip&amp;o de crédito:</translation>
    </message>
    <message>
        <source>The loan repaid monthly, fortnightly or weekly. Interest is charged each period at the annual rate divided by the periods in a year (26 fortnights, 52 weeks). Paying half the monthly repayment every fortnight pays thirteen months a year, and clears the loan sooner.</source>
        <translation>El crédito pagado cada mes, cada dos semanas o cada semana. El interés se cobra en cada periodo a la tasa anual dividida entre los periodos del año (26 periodos de dos semanas, 52 semanas). Pagar la mitad del pago mensual cada dos semanas equivale a pagar trece meses al año, y liquida el crédito antes.</translation>
    </message>
    <message>
        <source>Shortens the term</source>
        <translation>Acorta el plazo</translation>
    </message>
    <message>
        <source>Keeps the term, lowers the repayment</source>
        <translation>Conserva el plazo, baja el pago</translation>
    </message>
    <message>
        <source>%1, falling to %2</source>
        <translation>%1, bajando a %2</translation>
    </message>
    <message>
        <source>The savings</source>
        <translation>Los ahorros</translation>
    </message>
    <message>
        <source>What the offset account saves</source>
        <translation>Lo que ahorra la cuenta de compensación</translation>
    </message>
    <message>
        <source>&amp;Savings in the account:</source>
        <translation>&amp;Ahorros en la cuenta:</translation>
    </message>
    <message>
        <source>A&amp;dded each month:</source>
        <translation>Agregados ca&amp;da mes:</translation>
    </message>
    <message>
        <source>Savings held in an offset account beside a Table loan: interest is charged on the balance less the savings. The repayment stays as it is, so the loan clears sooner, and the savings stay yours to draw on. Beside it, the same savings paid into the loan instead: the starting savings at once, and each month&apos;s addition as an extra repayment.</source>
        <translation>Ahorros en una cuenta de compensación junto a un crédito de pagos fijos: el interés se cobra sobre el saldo menos los ahorros. El pago no cambia, así que el crédito se liquida antes, y los ahorros siguen siendo suyos para disponer de ellos. Al lado, los mismos ahorros abonados en cambio al crédito: los ahorros iniciales de inmediato y lo agregado cada mes como pago adicional.</translation>
    </message>
    <message>
        <source>Held in the offset account</source>
        <translation>En la cuenta de compensación</translation>
    </message>
    <message>
        <source>Paid into the loan instead: at once, and each month</source>
        <translation>Abonados en cambio al crédito: de inmediato y cada mes</translation>
    </message>
    <message>
        <source>Current &amp;balance:</source>
        <translation>Saldo &amp;actual:</translation>
    </message>
    <message>
        <source>Current ra&amp;te:</source>
        <translation>Tasa actua&amp;l:</translation>
    </message>
    <message>
        <source>&amp;Years left:</source>
        <translation>Años r&amp;estantes:</translation>
    </message>
    <message>
        <source>C&amp;osts of switching:</source>
        <translation>C&amp;ostos del cambio:</translation>
    </message>
    <message>
        <source>Your current loan, repaid as a Table loan over the years it has left, against the loan of this case at its rate and term. The loan of this case already carries the fees and bank charges you entered: the costs of switching are what you would pay beside it (a break fee, for instance).</source>
        <translation>Su crédito actual, pagado con pagos fijos durante los años que le quedan, frente al crédito de este caso a su tasa y plazo. El crédito de este caso ya incluye los gastos y comisiones bancarias que anotó: los costos del cambio son lo que pagaría además (una penalización por pago anticipado, por ejemplo).</translation>
    </message>
    <message>
        <source>The current loan costs %1 a month, the new one %2.</source>
        <translation>El crédito actual cuesta %1 al mes; el nuevo, %2.</translation>
    </message>
    <message>
        <source>You save %1 a month.</source>
        <translation>Ahorra %1 al mes.</translation>
    </message>
    <message>
        <source>The new loan costs %1 more a month.</source>
        <translation>El nuevo crédito cuesta %1 más al mes.</translation>
    </message>
    <message>
        <source>Counting what you pay month by month, the new loan with its costs has cost you no more than the current loan would by month %1.</source>
        <translation>Contando lo que paga mes a mes, el nuevo crédito con sus costos no le ha costado más que el actual para el mes %1.</translation>
    </message>
    <message>
        <source>Counting what you pay month by month until both loans end, the new loan with its costs always costs you more: the costs are never repaid.</source>
        <translation>Contando lo que paga mes a mes hasta que terminan ambos créditos, el nuevo crédito con sus costos siempre le cuesta más: los costos nunca se recuperan.</translation>
    </message>
    <message>
        <source>To their ends, the current loan costs %1 and the new one %2, the costs included.</source>
        <translation>Hasta su término, el crédito actual cuesta %1 y el nuevo %2, con los costos incluidos.</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>&amp;Calcular</translation>
    </message>
</context>
</TS>
