<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>hw::AboutWindow</name>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>操作系统内存或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image).</source>
        <translation>.exe 文件无效（非 Win32® .exe 或 .exe 映像有错误）。</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>操作系统拒绝访问指定的文件。</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>文件名关联不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>无法完成 DDE 事务，因为正在处理其他 DDE 事务。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>无法完成 DDE 事务，因为请求超时。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension.</source>
        <translation>没有与该文件扩展名关联的应用程序。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成操作。</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>About Hearthwise</source>
        <translation>关于 Hearthwise</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>版权：</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>在浏览器中打开用户指南</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web page in your browser</source>
        <translation>在浏览器中打开制作者的网页</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>未知错误！</translation>
    </message>
    <message>
        <source>Hearthwise user guide</source>
        <translation>Hearthwise 用户指南</translation>
    </message>
</context>
<context>
    <name>hw::BalanceChart</name>
    <message>
        <source>Years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Outstanding balance of each mortgage type over the years</source>
        <translation>各种房贷方式历年的剩余本金</translation>
    </message>
</context>
<context>
    <name>hw::BudgetPage</name>
    <message>
        <source>&amp;Fortnightly</source>
        <translation>每两周(&amp;F)</translation>
    </message>
    <message>
        <source>M&amp;onthly</source>
        <translation>每月(&amp;O)</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>每月支出：</translation>
    </message>
    <message>
        <source>Monthly expenditure</source>
        <translation>每月支出</translation>
    </message>
</context>
<context>
    <name>hw::CaseFields</name>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1, tax rate</source>
        <translation>%1，税率</translation>
    </message>
</context>
<context>
    <name>hw::CaseFile</name>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must hold named figures in braces, {...}.</source>
        <translation>其中的“%1”部分已损坏：它必须是花括号 {...} 中的具名数额。</translation>
    </message>
    <message>
        <source>Its section &quot;%1&quot; is damaged: it must be a list in brackets, [...], of at most %2 entries.</source>
        <translation>其中的“%1”部分已损坏：它必须是方括号 [...] 中的列表，最多 %2 项。</translation>
    </message>
    <message>
        <source>an amount written in quotes, such as &quot;1234.50&quot;</source>
        <translation>用引号括起的金额，例如 &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>an amount of 0 or more</source>
        <translation>0 或以上的金额</translation>
    </message>
    <message>
        <source>a plain amount such as &quot;1234.50&quot;</source>
        <translation>普通金额，例如 &quot;1234.50&quot;</translation>
    </message>
    <message>
        <source>a percentage from %1 to %2</source>
        <translation>%1 至 %2 的百分比</translation>
    </message>
    <message>
        <source>What If, %1</source>
        <translation>假设分析，%1</translation>
    </message>
    <message>
        <source>%1 (%2 is &quot;%3&quot;.)</source>
        <translation>%1（%2 为“%3”。）</translation>
    </message>
    <message>
        <source>%1 must be %2.</source>
        <translation>%1 必须是%2。</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it must be %3.</source>
        <translation>%1 为“%2”；它必须是%3。</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;; it is too large.</source>
        <translation>%1 为“%2”；数额过大。</translation>
    </message>
    <message>
        <source>a whole amount (the currency has no decimals)</source>
        <translation>整数金额（该货币没有小数）</translation>
    </message>
    <message>
        <source>an amount with no more than %1 decimals</source>
        <translation>最多 %1 位小数的金额</translation>
    </message>
    <message>
        <source>a number written without quotes</source>
        <translation>不带引号的数字</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>%1, figure %2</source>
        <translation>%1，第 %2 项</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>房贷方式</translation>
    </message>
    <message>
        <source>&quot;table&quot; or &quot;reducing-balance&quot;</source>
        <translation>&quot;table&quot; 或 &quot;reducing-balance&quot;</translation>
    </message>
    <message>
        <source>The lender country</source>
        <translation>贷款机构所在国家</translation>
    </message>
    <message>
        <source>one of &quot;none&quot;, &quot;au&quot;, &quot;ca&quot;, &quot;ie&quot;, &quot;nz&quot;, &quot;uk&quot;, &quot;us&quot;</source>
        <translation>&quot;none&quot;、&quot;au&quot;、&quot;ca&quot;、&quot;ie&quot;、&quot;nz&quot;、&quot;uk&quot;、&quot;us&quot; 之一</translation>
    </message>
    <message>
        <source>It is too large to be a Hearthwise case.</source>
        <translation>文件太大，不可能是 Hearthwise 方案。</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>文件是空的。</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case, or it is damaged: %1.</source>
        <translation>这不是 Hearthwise 方案，或者已损坏：%1。</translation>
    </message>
    <message>
        <source>no case in it</source>
        <translation>其中没有方案</translation>
    </message>
    <message>
        <source>It is not a Hearthwise case.</source>
        <translation>这不是 Hearthwise 方案。</translation>
    </message>
    <message>
        <source>Its version, &quot;%1&quot;, is not one Hearthwise knows.</source>
        <translation>它的版本“%1”不是 Hearthwise 认识的版本。</translation>
    </message>
    <message>
        <source>It comes from a newer Hearthwise (version %1): please open it there.</source>
        <translation>它来自较新的 Hearthwise（版本 %1）：请在该版本中打开。</translation>
    </message>
    <message>
        <source>The purpose</source>
        <translation>贷款用途</translation>
    </message>
    <message>
        <source>one of the nine purposes</source>
        <translation>九种用途之一</translation>
    </message>
    <message>
        <source>Income, row %1</source>
        <translation>收入，第 %1 行</translation>
    </message>
    <message>
        <source>named figures in braces, {...}</source>
        <translation>花括号 {...} 中的具名数额</translation>
    </message>
    <message>
        <source>The budget period</source>
        <translation>预算周期</translation>
    </message>
    <message>
        <source>&quot;fortnightly&quot; or &quot;monthly&quot;</source>
        <translation>&quot;fortnightly&quot; 或 &quot;monthly&quot;</translation>
    </message>
    <message>
        <source>The bank charges&apos; mode</source>
        <translation>银行手续费的计算方式</translation>
    </message>
    <message>
        <source>&quot;percent&quot; or &quot;fixed-amount&quot;</source>
        <translation>&quot;percent&quot; 或 &quot;fixed-amount&quot;</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>介于 %1 和 %2 之间</translation>
    </message>
    <message>
        <source>The rate&apos;s compounding</source>
        <translation>利率的复利方式</translation>
    </message>
    <message>
        <source>&quot;monthly&quot; or &quot;half-yearly&quot;</source>
        <translation>&quot;monthly&quot; 或 &quot;half-yearly&quot;</translation>
    </message>
    <message>
        <source>%1 could not be opened. %2</source>
        <translation>无法打开 %1。%2</translation>
    </message>
</context>
<context>
    <name>hw::CaseResults</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>hw::ChargesPage</name>
    <message>
        <source>Bank charges percentage</source>
        <translation>银行手续费百分比</translation>
    </message>
    <message>
        <source>&amp;Percent</source>
        <translation>百分比(&amp;P)</translation>
    </message>
    <message>
        <source>Bank charges amount</source>
        <translation>银行手续费金额</translation>
    </message>
    <message>
        <source>&amp;Fixed Amount</source>
        <translation>固定金额(&amp;F)</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>合计：</translation>
    </message>
</context>
<context>
    <name>hw::ChartWindow</name>
    <message>
        <source>Month</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>还款额</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>本金</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>余额</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>基金</translation>
    </message>
    <message>
        <source>Mortgage Options Chart</source>
        <translation>房贷方案图表</translation>
    </message>
    <message>
        <source>&amp;Balance over time</source>
        <translation>余额走势(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>还款计划表(&amp;S)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>房贷方式(&amp;T)：</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>复制(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>导出 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>CSV files, comma-separated (*.csv)</source>
        <translation>CSV 文件，逗号分隔 (*.csv)</translation>
    </message>
    <message>
        <source>CSV files for your spreadsheet, %1-separated (*.csv)</source>
        <translation>供电子表格使用的 CSV 文件，以“%1”分隔 (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>The schedule was saved as %1.</source>
        <translation>还款计划表已保存为 %1。</translation>
    </message>
    <message>
        <source>The schedule could not be saved as %1: %2</source>
        <translation>无法将还款计划表保存为 %1：%2</translation>
    </message>
</context>
<context>
    <name>hw::CompareWindow</name>
    <message>
        <source>Compare Cases</source>
        <translation>比较方案</translation>
    </message>
    <message>
        <source>The offers side by side</source>
        <translation>各方案并列比较</translation>
    </message>
    <message>
        <source>In bold: the lowest figure of its row among the offers that are affordable.</source>
        <translation>粗体：在负担得起的方案中该行最低的数额。</translation>
    </message>
    <message>
        <source>&amp;Add Saved Cases...</source>
        <translation>添加已保存的方案(&amp;A)...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>另存为 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Add Saved Cases</source>
        <translation>添加已保存的方案</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Hearthwise 方案 (*.hearthwise)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>另存为 PDF</translation>
    </message>
    <message>
        <source>comparison.pdf</source>
        <translation>比较.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer did not start.</source>
        <translation>无法打印比较结果：打印机没有启动。</translation>
    </message>
    <message>
        <source>Up to %1 saved cases can be compared with this one.</source>
        <translation>最多可将 %1 个已保存的方案与本方案比较。</translation>
    </message>
    <message>
        <source>Amount borrowed</source>
        <translation>贷款金额</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>利率</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>贷款年限</translation>
    </message>
    <message>
        <source>Monthly spare income</source>
        <translation>每月结余</translation>
    </message>
    <message>
        <source>Lender checks</source>
        <translation>贷款机构审核</translation>
    </message>
    <message>
        <source>%1: first repayment</source>
        <translation>%1：首期还款</translation>
    </message>
    <message>
        <source>%1: total paid</source>
        <translation>%1：还款总额</translation>
    </message>
    <message>
        <source>%1: interest</source>
        <translation>%1：利息</translation>
    </message>
    <message>
        <source>%1: affordable</source>
        <translation>%1：负担得起</translation>
    </message>
    <message>
        <source>The case is not complete</source>
        <translation>方案尚不完整</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>the lowest of the row</source>
        <translation>该行最低</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The comparison was saved as %1.</source>
        <translation>比较结果已保存为 %1。</translation>
    </message>
    <message>
        <source>The comparison could not be saved as %1: %2</source>
        <translation>无法将比较结果保存为 %1：%2</translation>
    </message>
</context>
<context>
    <name>hw::Durations</name>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 个月</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>hw::IncomePage</name>
    <message>
        <source>%1, tax rate</source>
        <translation>%1，税率</translation>
    </message>
    <message>
        <source>%1, after tax</source>
        <translation>%1，税后</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>Monthly gross taxable income</source>
        <translation>每月应税总收入</translation>
    </message>
    <message>
        <source>Monthly income after tax</source>
        <translation>每月税后收入</translation>
    </message>
    <message>
        <source>Monthly Gross Taxable Income:</source>
        <translation>每月应税总收入：</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>税后：</translation>
    </message>
</context>
<context>
    <name>hw::InformationWindow</name>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Tell Me More</source>
        <translation>了解更多</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助文本</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>了解更多(&amp;M)</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecks</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳大利亚</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>加拿大</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>爱尔兰</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>新西兰</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>英国</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>美国</translation>
    </message>
</context>
<context>
    <name>hw::LenderChecksWindow</name>
    <message>
        <source>Lender Checks</source>
        <translation>贷款机构审核</translation>
    </message>
    <message>
        <source>The usual checks of lenders in the country you choose, for each mortgage type: the published rules of that country, not advice. The debts on the Liabilities page are repaid by this loan; enter below only the debts it leaves.</source>
        <translation>所选国家的贷款机构对每种房贷方式的常规审核：该国公布的规则，而非建议。“负债”页上的债务由本笔贷款偿还；下面只需填写偿还后仍剩下的债务。</translation>
    </message>
    <message>
        <source>Lender &amp;Country:</source>
        <translation>贷款机构所在国家(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Property Tax a Year:</source>
        <translation>每年房产税(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Heating a Month:</source>
        <translation>每月取暖费(&amp;H)：</translation>
    </message>
    <message>
        <source>Payments on Other &amp;Debts a Month:</source>
        <translation>每月其他债务还款(&amp;D)：</translation>
    </message>
    <message>
        <source>Other Credit Card &amp;Balances:</source>
        <translation>其他信用卡欠款(&amp;B)：</translation>
    </message>
    <message>
        <source>Lender checks of each mortgage type</source>
        <translation>各种房贷方式的贷款机构审核</translation>
    </message>
    <message>
        <source>Mortgage Type and Check</source>
        <translation>房贷方式与审核项目</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>What It Comes To</source>
        <translation>计算所得</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1：通过</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1：未通过</translation>
    </message>
    <message>
        <source>Choose a lender country to see its usual checks.</source>
        <translation>请选择贷款机构所在国家，以查看其常规审核。</translation>
    </message>
    <message>
        <source>Condominium &amp;Fees a Month:</source>
        <translation>每月物业费(&amp;F)：</translation>
    </message>
</context>
<context>
    <name>hw::LenderTexts</name>
    <message>
        <source>Repayments at a higher rate</source>
        <translation>按更高利率计算的还款额</translation>
    </message>
    <message>
        <source>Lenders mortgage insurance</source>
        <translation>贷款机构按揭保险</translation>
    </message>
    <message>
        <source>Debt to income</source>
        <translation>债务收入比</translation>
    </message>
    <message>
        <source>Gross debt service</source>
        <translation>总偿债比率（住房）</translation>
    </message>
    <message>
        <source>Total debt service</source>
        <translation>总偿债比率（全部）</translation>
    </message>
    <message>
        <source>Minimum down payment</source>
        <translation>最低首付</translation>
    </message>
    <message>
        <source>Mortgage insurance</source>
        <translation>按揭保险</translation>
    </message>
    <message>
        <source>Loan to income</source>
        <translation>贷款收入比</translation>
    </message>
    <message>
        <source>Minimum deposit</source>
        <translation>最低首付</translation>
    </message>
    <message>
        <source>Loan to value</source>
        <translation>贷款价值比</translation>
    </message>
    <message>
        <source>Rates rising</source>
        <translation>利率上升</translation>
    </message>
    <message>
        <source>Debt to income, manual underwriting</source>
        <translation>债务收入比，人工审核</translation>
    </message>
    <message>
        <source>Debt to income, with compensating factors</source>
        <translation>债务收入比，有补偿因素</translation>
    </message>
    <message>
        <source>Debt to income, automated underwriting</source>
        <translation>债务收入比，自动审核</translation>
    </message>
    <message>
        <source>Private mortgage insurance</source>
        <translation>私人按揭保险</translation>
    </message>
    <message>
        <source>There is no gross income to test the loan against.</source>
        <translation>没有可用来衡量这笔贷款的总收入。</translation>
    </message>
    <message>
        <source>Tested at %1 (your rate plus the 3-point buffer): %2 a month; %3 is spare</source>
        <translation>按 %1 测试（您的利率加 3 个百分点的缓冲）：每月 %2；结余 %3</translation>
    </message>
    <message>
        <source>Loan to value %1: lenders mortgage insurance is usually required above 80%</source>
        <translation>贷款价值比 %1：超过 80% 通常需要贷款机构按揭保险</translation>
    </message>
    <message>
        <source>Loan to value %1: no lenders mortgage insurance at 80% or less</source>
        <translation>贷款价值比 %1：80% 或以下无需贷款机构按揭保险</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; banks may lend above 6 times only in limited numbers</source>
        <translation>债务为您总收入的 %1 倍；银行只能有限度地发放超过 6 倍的贷款</translation>
    </message>
    <message>
        <source>Debts %1 times your gross income; lenders limit loans of 6 times or more</source>
        <translation>债务为您总收入的 %1 倍；贷款机构限制 6 倍或以上的贷款</translation>
    </message>
    <message>
        <source>Tested at %1: housing costs take %2 of your gross income; at most %3</source>
        <translation>按 %1 测试：住房支出占您总收入的 %2；上限 %3</translation>
    </message>
    <message>
        <source>Tested at %1: housing and other debts take %2 of your gross income; at most %3</source>
        <translation>按 %1 测试：住房及其他债务占您总收入的 %2；上限 %3</translation>
    </message>
    <message>
        <source>Down payment %1; at least %2 is needed</source>
        <translation>首付 %1；至少需要 %2</translation>
    </message>
    <message>
        <source>Loan to value %1: no loan above 95% can be insured</source>
        <translation>贷款价值比 %1：超过 95% 的贷款无法投保</translation>
    </message>
    <message>
        <source>Loan to value %1: mortgage insurance is required; its premium of %2, %3, is added to the loan</source>
        <translation>贷款价值比 %1：需要按揭保险；其保费 %2（%3）计入贷款</translation>
    </message>
    <message>
        <source>Loan to value %1: no mortgage insurance needed at 80% or less</source>
        <translation>贷款价值比 %1：80% 或以下无需按揭保险</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; at most %2 times</source>
        <translation>贷款为您总收入的 %1 倍；上限 %2 倍</translation>
    </message>
    <message>
        <source>Loan to value %1; at most 90% (a deposit of at least 10%)</source>
        <translation>贷款价值比 %1；上限 90%（首付至少 10%）</translation>
    </message>
    <message>
        <source>Loan to value %1; banks may lend above 80% only in limited numbers</source>
        <translation>贷款价值比 %1；银行只能有限度地发放超过 80% 的贷款</translation>
    </message>
    <message>
        <source>Loan %1 times your gross income; lenders limit loans of 4.5 times or more</source>
        <translation>贷款为您总收入的 %1 倍；贷款机构限制 4.5 倍或以上的贷款</translation>
    </message>
    <message>
        <source>Lenders allow for rates rising: What If, Rates rise, is their stress test</source>
        <translation>贷款机构会考虑利率上升：“假设分析”中的“利率上升”就是它们的压力测试</translation>
    </message>
    <message>
        <source>Housing and other debts take %1 of your gross income; at most %2</source>
        <translation>住房及其他债务占您总收入的 %1；上限 %2</translation>
    </message>
    <message>
        <source>Loan to value %1: private mortgage insurance is usually required, and can be cancelled at 80% of the original value</source>
        <translation>贷款价值比 %1：通常需要私人按揭保险，在降至原价值的 80% 时可以取消</translation>
    </message>
    <message>
        <source>Loan to value %1: no private mortgage insurance at 80% or less</source>
        <translation>贷款价值比 %1：80% 或以下无需私人按揭保险</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>Fails</source>
        <translation>未通过</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>%1: %2 of %3 types pass the usual lender checks</source>
        <translation>%1：%3 种房贷方式中有 %2 种通过贷款机构的常规审核</translation>
    </message>
    <message>
        <source>%1: %2 of %3 pass</source>
        <translation>%1：%3 项中通过 %2 项</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1：通过</translation>
    </message>
    <message>
        <source>%1: fails</source>
        <translation>%1：未通过</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1（%2）：%3</translation>
    </message>
    <message>
        <source>APRA: a serviceability buffer of 3 points (letter of October 2021, since November 2021); interest-only loans tested on principal and interest (APG 223); debt-to-income of 6 or more limited (from 1 February 2026). Lenders mortgage insurance is priced by insurers, usually above 80% loan to value.</source>
        <translation>APRA：3 个百分点的偿付能力缓冲（2021 年 10 月函件，自 2021 年 11 月起）；只还利息贷款按本息测试（APG 223）；债务收入比 6 倍或以上受限（自 2026 年 2 月 1 日起）。贷款机构按揭保险由保险公司定价，通常在贷款价值比超过 80% 时需要。</translation>
    </message>
    <message>
        <source>OSFI and the Department of Finance: the minimum qualifying rate, the greater of the rate plus 2 points and 5.25% (since 1 June 2021); CMHC: gross and total debt service of 39% and 44% (since 5 July 2021) and its premiums; the minimum down payment (since 15 December 2024).</source>
        <translation>OSFI 与加拿大财政部：最低合格利率，取利率加 2 个百分点与 5.25% 中的较高者（自 2021 年 6 月 1 日起）；CMHC：住房总偿债比率 39% 和全部总偿债比率 44%（自 2021 年 7 月 5 日起）及其保费；最低首付（自 2024 年 12 月 15 日起）。</translation>
    </message>
    <message>
        <source>Central Bank of Ireland mortgage measures (since January 2023): loan to income 4 times for first-time buyers, 3.5 for others; a deposit of 10%.</source>
        <translation>爱尔兰中央银行按揭措施（自 2023 年 1 月起）：首次购房者贷款收入比 4 倍，其他人 3.5 倍；首付 10%。</translation>
    </message>
    <message>
        <source>Reserve Bank of New Zealand: debt-to-income above 6 limited (since 1 July 2024); loan-to-value above 80% limited (since 1 December 2025).</source>
        <translation>新西兰储备银行：债务收入比超过 6 倍受限（自 2024 年 7 月 1 日起）；贷款价值比超过 80% 受限（自 2025 年 12 月 1 日起）。</translation>
    </message>
    <message>
        <source>Bank of England FPC: loans of 4.5 times income or more limited to 15% of new mortgages (since 2014); FCA MCOB 11.6.18R: lenders allow for rates rising.</source>
        <translation>英格兰银行金融政策委员会：收入 4.5 倍或以上的贷款不得超过新增按揭的 15%（自 2014 年起）；FCA MCOB 11.6.18R：贷款机构须考虑利率上升。</translation>
    </message>
    <message>
        <source>Fannie Mae Selling Guide: debt-to-income 36% manual, 45% with compensating factors, 50% automated; the Homeowners Protection Act on private mortgage insurance.</source>
        <translation>Fannie Mae Selling Guide：债务收入比人工审核 36%，有补偿因素 45%，自动审核 50%；《房主保护法》关于私人按揭保险的规定。</translation>
    </message>
</context>
<context>
    <name>hw::LoanQuestions</name>
    <message>
        <source>How often you pay can be worked out for the Table and Reducing Balance types.</source>
        <translation>还款频率只能针对等额本息和等额本金方式计算。</translation>
    </message>
    <message>
        <source>The savings in the offset account must be between 0 and the amount borrowed.</source>
        <translation>抵息账户中的存款必须介于 0 和贷款金额之间。</translation>
    </message>
    <message>
        <source>The savings added each month must be at least 0 and less than the amount borrowed.</source>
        <translation>每月增加的存款必须至少为 0 且小于贷款金额。</translation>
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
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Tell Me &amp;More</source>
        <translation>了解更多(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Handbook</source>
        <translation>手册(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Hearthwise</source>
        <translation>关于 Hearthwise(&amp;A)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>这是什么？</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>上一步(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一步(&amp;N)</translation>
    </message>
    <message>
        <source>Back returns to the previous page. Your entries are kept.</source>
        <translation>“上一步”返回上一页。您填写的内容会保留。</translation>
    </message>
    <message>
        <source>Next checks this page, works out its totals if needed and moves to the next page.</source>
        <translation>“下一步”检查本页，必要时计算合计，然后进入下一页。</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>第 %1 步，共 %2 步：%3</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1，第 %2 步，共 %3 步</translation>
    </message>
    <message>
        <source>The handbook is not where Hearthwise looks for it: %1</source>
        <translation>手册不在 Hearthwise 查找的位置：%1</translation>
    </message>
    <message>
        <source>Nothing on this computer could open the handbook. You can open it in your web browser: %1</source>
        <translation>这台电脑上没有程序能打开手册。您可以在网页浏览器中打开它：%1</translation>
    </message>
    <message>
        <source>Save this case before leaving?</source>
        <translation>退出前保存此方案吗？</translation>
    </message>
    <message>
        <source>Save the changes to %1 before leaving?</source>
        <translation>退出前保存对 %1 的更改吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Thank you for using Hearthwise.</source>
        <translation>感谢使用 Hearthwise。</translation>
    </message>
    <message>
        <source>Hearthwise cases (*.hearthwise)</source>
        <translation>Hearthwise 方案 (*.hearthwise)</translation>
    </message>
    <message>
        <source>Fi&amp;le</source>
        <translation>文件(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;New Case</source>
        <translation>新建方案(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Case...</source>
        <translation>打开方案(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Case</source>
        <translation>保存方案(&amp;S)</translation>
    </message>
    <message>
        <source>Save Case &amp;As...</source>
        <translation>方案另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Compare Cases...</source>
        <translation>比较方案(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Save this case before opening another?</source>
        <translation>打开另一个方案前保存此方案吗？</translation>
    </message>
    <message>
        <source>Save the changes to %1 before opening another case?</source>
        <translation>打开另一个方案前保存对 %1 的更改吗？</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>打开方案</translation>
    </message>
    <message>
        <source>Save this case before starting a new one?</source>
        <translation>开始新方案前保存此方案吗？</translation>
    </message>
    <message>
        <source>Save the changes to %1 before starting a new case?</source>
        <translation>开始新方案前保存对 %1 的更改吗？</translation>
    </message>
    <message>
        <source>Save Case As</source>
        <translation>方案另存为</translation>
    </message>
    <message>
        <source>case</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>The case could not be saved as %1: %2</source>
        <translation>无法将方案保存为 %1：%2</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>语言(&amp;G)</translation>
    </message>
    <message>
        <source>Hearthwise speaks %1 now, but could not keep the choice for its next start.</source>
        <translation>Hearthwise 现在使用%1，但无法为下次启动保存这一选择。</translation>
    </message>
    <message>
        <source>This case</source>
        <translation>本方案</translation>
    </message>
</context>
<context>
    <name>hw::Message</name>
    <message>
        <source>For more information on any page click on &apos;Tell Me More&apos; in the Help menu.</source>
        <translation>要了解任何一页的更多信息，请点击“帮助”菜单中的“了解更多”。</translation>
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
        <translation>问题</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>不保存(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>hw::MortgageReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>假设分析</translation>
    </message>
    <message>
        <source>Lender Checks</source>
        <translation>贷款机构审核</translation>
    </message>
    <message>
        <source>Monthly Repayments</source>
        <translation>每月还款</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>用途：</translation>
    </message>
    <message>
        <source>Amount borrowed:</source>
        <translation>贷款金额：</translation>
    </message>
    <message>
        <source>Term in years:</source>
        <translation>贷款年限：</translation>
    </message>
    <message>
        <source>Interest rate:</source>
        <translation>利率：</translation>
    </message>
    <message>
        <source>Monthly spare income:</source>
        <translation>每月结余：</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>期限</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>还款总额</translation>
    </message>
    <message>
        <source>First</source>
        <translation>首期</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>末期</translation>
    </message>
    <message>
        <source>Type of Mortgage</source>
        <translation>房贷方式</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>此方案负担不起</translation>
    </message>
    <message>
        <source>Term: the years the loan runs; for the endowment and revolving credit types, the years until it is paid off.</source>
        <translation>期限：贷款的年数；对于附两全保险和循环信用方式，是还清贷款所需的年数。</translation>
    </message>
    <message>
        <source>Monthly Repayments: what you pay in the first and in the last month. The revolving credit types have no set repayment (Variant): your spare income goes into the loan each month.</source>
        <translation>每月还款：第一个月和最后一个月的还款额。循环信用方式没有固定还款额（浮动）：您每月的结余都存入贷款账户。</translation>
    </message>
    <message>
        <source>Total Paid: everything you pay over the term; Interest Total Paid: the part of it that is interest.</source>
        <translation>还款总额：整个期限内支付的全部金额；利息总额：其中属于利息的部分。</translation>
    </message>
    <message>
        <source>Final Balance: what is still owed at the end of the term, to be repaid another way.</source>
        <translation>期末余额：期限结束时仍欠的金额，需要另行偿还。</translation>
    </message>
    <message>
        <source>The figures are worked out from the amount, rate, term and spare income above. They are not an offer of a loan: ask your lender for its own figures.</source>
        <translation>以上数字根据上面的金额、利率、期限和每月结余计算。它们不是贷款要约：请向贷款机构索取其自己的数字。</translation>
    </message>
    <message>
        <source>Reading the table</source>
        <translation>如何阅读此表</translation>
    </message>
    <message>
        <source>Outstanding Balance over Time</source>
        <translation>剩余本金走势</translation>
    </message>
    <message>
        <source>What is still owed at the end of each month, for every type that is affordable.</source>
        <translation>每种负担得起的方式在每月月底仍欠的金额。</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>房贷方案</translation>
    </message>
    <message>
        <source>Interest
Total Paid</source>
        <translation>利息
总额</translation>
    </message>
    <message>
        <source>Final
Balance</source>
        <translation>期末
余额</translation>
    </message>
</context>
<context>
    <name>hw::NumericField</name>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入一个数字。</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>此金额过大。</translation>
    </message>
    <message>
        <source>Please enter a number of 0 or more.</source>
        <translation>请输入 0 或以上的数字。</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>This currency has no decimals: please enter a whole amount.</source>
        <translation>该货币没有小数：请输入整数金额。</translation>
    </message>
    <message>
        <source>Please enter an amount with no more decimals than the currency shows.</source>
        <translation>请输入小数位数不超过该货币所显示位数的金额。</translation>
    </message>
</context>
<context>
    <name>hw::OptionTexts</name>
    <message>
        <source>Table</source>
        <translation>等额本息</translation>
    </message>
    <message>
        <source>Reducing Balance</source>
        <translation>等额本金</translation>
    </message>
    <message>
        <source>Interest Only</source>
        <translation>只还利息</translation>
    </message>
    <message>
        <source>Table Endowment</source>
        <translation>等额本息附两全保险</translation>
    </message>
    <message>
        <source>Interest Only Endowment</source>
        <translation>只还利息附两全保险</translation>
    </message>
    <message>
        <source>Revolving Credit with Cash Management</source>
        <translation>循环信用（现金管理）</translation>
    </message>
    <message>
        <source>Revolving Credit with Credit Card Management</source>
        <translation>循环信用（信用卡管理）</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>浮动</translation>
    </message>
    <message>
        <source>Needs %1 a month; %2 is spare</source>
        <translation>每月需要 %1；结余为 %2</translation>
    </message>
    <message>
        <source>The first month&apos;s interest, %1, is more than the %2 spare</source>
        <translation>第一个月的利息 %1 超过了 %2 的结余</translation>
    </message>
    <message>
        <source>The fund never reaches the amount borrowed at this rate</source>
        <translation>按此利率，基金永远达不到贷款金额</translation>
    </message>
    <message>
        <source>The spare income does not cover the interest</source>
        <translation>结余不足以支付利息</translation>
    </message>
</context>
<context>
    <name>hw::PageBuilder</name>
    <message>
        <source>Current Domestic Residence:</source>
        <translation>现有自住房产：</translation>
    </message>
    <message>
        <source>Combined Rental Properties:</source>
        <translation>出租房产合计：</translation>
    </message>
    <message>
        <source>Combined Value of Vehicles:</source>
        <translation>车辆价值合计：</translation>
    </message>
    <message>
        <source>Surrender Value Of Life Policies:</source>
        <translation>人寿保单退保价值：</translation>
    </message>
    <message>
        <source>Other Land or Section Value:</source>
        <translation>其他土地价值：</translation>
    </message>
    <message>
        <source>Managed Funds:</source>
        <translation>托管基金：</translation>
    </message>
    <message>
        <source>Superannuation:</source>
        <translation>养老金：</translation>
    </message>
    <message>
        <source>Savings:</source>
        <translation>储蓄：</translation>
    </message>
    <message>
        <source>Shares:</source>
        <translation>股票：</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>其他：</translation>
    </message>
    <message>
        <source>Domestic Mortgage:</source>
        <translation>自住房贷款：</translation>
    </message>
    <message>
        <source>Personal Loans:</source>
        <translation>出租房产合计：</translation>
    </message>
    <message>
        <source>Hire Purchases  (inc. Car):</source>
        <translation>分期付款（含汽车）：</translation>
    </message>
    <message>
        <source>Credit Card Balances:</source>
        <translation>信用卡欠款：</translation>
    </message>
    <message>
        <source>Annual Gross Taxable Income:</source>
        <translation>年应税总收入：</translation>
    </message>
    <message>
        <source>Other Annual Gross Income:</source>
        <translation>其他年总收入：</translation>
    </message>
    <message>
        <source>Any Other Annual Gross Income:</source>
        <translation>任何其他年总收入：</translation>
    </message>
    <message>
        <source>Tax Rate:</source>
        <translation>税率：</translation>
    </message>
    <message>
        <source>Household Shopping (Food and Groceries, Meals out...):</source>
        <translation>家庭购物（食品杂货、外出就餐...）：</translation>
    </message>
    <message>
        <source>Utilities (Telephone, Electricity, LPG...):</source>
        <translation>公用事业（电话、电费、燃气...）：</translation>
    </message>
    <message>
        <source>Transportation (Fuel, Maintenance, Road Taxes...):</source>
        <translation>交通（燃油、保养、车船税...）：</translation>
    </message>
    <message>
        <source>Insurance (Vehicles, Medical, Life... ):</source>
        <translation>保险（车辆、医疗、人寿... ）：</translation>
    </message>
    <message>
        <source>Education (Schooling, University, Childcare...):</source>
        <translation>教育（学费、大学、托儿...）：</translation>
    </message>
    <message>
        <source>Leisure (Entertainment, Gifts, TV...):</source>
        <translation>休闲（娱乐、礼品、电视...）：</translation>
    </message>
    <message>
        <source>Other (Clothing, Pets, Donations...):</source>
        <translation>其他（服装、宠物、捐款...）：</translation>
    </message>
    <message>
        <source>Valuation Fees:</source>
        <translation>评估费：</translation>
    </message>
    <message>
        <source>Legal or Conveyancing Costs:</source>
        <translation>律师费或过户费：</translation>
    </message>
    <message>
        <source>Bank Charges:</source>
        <translation>银行手续费：</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>利率：</translation>
    </message>
    <message>
        <source>Term in Years:</source>
        <translation>贷款年限：</translation>
    </message>
    <message>
        <source>Property Tax a Year:</source>
        <translation>每年房产税：</translation>
    </message>
    <message>
        <source>Heating a Month:</source>
        <translation>每月取暖费：</translation>
    </message>
    <message>
        <source>Condominium Fees a Month:</source>
        <translation>每月物业费：</translation>
    </message>
    <message>
        <source>Payments on Other Debts a Month:</source>
        <translation>每月其他债务还款：</translation>
    </message>
    <message>
        <source>Other Credit Card Balances:</source>
        <translation>其他信用卡欠款：</translation>
    </message>
    <message>
        <source>Total Current Debts:</source>
        <translation>现有债务合计：</translation>
    </message>
    <message>
        <source>Total current Debts:</source>
        <translation>现有债务合计：</translation>
    </message>
    <message>
        <source>Your Contribution:</source>
        <translation>您的自有资金：</translation>
    </message>
    <message>
        <source>Your Cash Contribution:</source>
        <translation>您的现金出资：</translation>
    </message>
    <message>
        <source>Cash you wish to withhold:</source>
        <translation>您希望保留的现金：</translation>
    </message>
    <message>
        <source>Your Equity:</source>
        <translation>您的房产净值：</translation>
    </message>
    <message>
        <source>Purchase Price:</source>
        <translation>购买价格：</translation>
    </message>
    <message>
        <source>Value of Land:</source>
        <translation>土地价值：</translation>
    </message>
    <message>
        <source>Total Cost to Build:</source>
        <translation>建造总成本：</translation>
    </message>
    <message>
        <source>Current Value of Your Home:</source>
        <translation>您的住房现值：</translation>
    </message>
    <message>
        <source>Total Cost of the Improvements:</source>
        <translation>装修总费用：</translation>
    </message>
    <message>
        <source>Selling Price: </source>
        <translation>出售价格：</translation>
    </message>
    <message>
        <source>Real Estate Fees:</source>
        <translation>房产中介费：</translation>
    </message>
    <message>
        <source>Selling Price:</source>
        <translation>出售价格：</translation>
    </message>
    <message>
        <source>Cost of Land:</source>
        <translation>土地成本：</translation>
    </message>
    <message>
        <source>Cost to Build:</source>
        <translation>建造成本：</translation>
    </message>
    <message>
        <source>Purchase Price of new Property:</source>
        <translation>新房产购买价格：</translation>
    </message>
    <message>
        <source>Total Value of other Properties:</source>
        <translation>其他房产总价值：</translation>
    </message>
    <message>
        <source>Total Value of Properties:</source>
        <translation>房产总价值：</translation>
    </message>
    <message>
        <source>Total value of Properties: </source>
        <translation>房产总价值：</translation>
    </message>
    <message>
        <source>Amount You Want To Borrow:</source>
        <translation>您想借的金额：</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>After Tax:</source>
        <translation>税后：</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>小计：</translation>
    </message>
    <message>
        <source>Total Before Bank Charges:</source>
        <translation>银行手续费前合计：</translation>
    </message>
</context>
<context>
    <name>hw::PicturePage</name>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>谢谢</translation>
    </message>
</context>
<context>
    <name>hw::PreviewWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>另存为 PDF(&amp;S)...</translation>
    </message>
    <message>
        <source>C&amp;hart Page</source>
        <translation>图表页(&amp;H)</translation>
    </message>
    <message>
        <source>Add a page with the chart of the balances over time</source>
        <translation>添加一页余额走势图表</translation>
    </message>
    <message>
        <source>Wh&amp;at If Page</source>
        <translation>假设分析页(&amp;A)</translation>
    </message>
    <message>
        <source>Add a page with the What If answers</source>
        <translation>添加一页假设分析的结果</translation>
    </message>
    <message>
        <source>&amp;Lender Checks Page</source>
        <translation>贷款机构审核页(&amp;L)</translation>
    </message>
    <message>
        <source>Add a page with each type&apos;s lender checks</source>
        <translation>添加一页各方式的贷款机构审核</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Fit Width</source>
        <translation>适合宽度(&amp;F)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Print the report (Ctrl+P)</source>
        <translation>打印报告 (Ctrl+P)</translation>
    </message>
    <message>
        <source>Save the report as a PDF file (Ctrl+S)</source>
        <translation>将报告另存为 PDF 文件 (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>另存为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The report was saved as %1.</source>
        <translation>报告已保存为 %1。</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>无法将报告保存为 %1：%2</translation>
    </message>
</context>
<context>
    <name>hw::PurposeChoicePage</name>
    <message>
        <source>First Home Buyer</source>
        <translation>首次购房</translation>
    </message>
    <message>
        <source>First Home Builder</source>
        <translation>首次建房</translation>
    </message>
    <message>
        <source>Home Improvement</source>
        <translation>住房装修</translation>
    </message>
    <message>
        <source>Selling and Buying</source>
        <translation>卖房并购房</translation>
    </message>
    <message>
        <source>Selling and Building</source>
        <translation>卖房并建房</translation>
    </message>
    <message>
        <source>Additional Real Estate Purchase</source>
        <translation>再购置房产</translation>
    </message>
    <message>
        <source>Additional Building</source>
        <translation>再建房</translation>
    </message>
    <message>
        <source>Refinance</source>
        <translation>转贷</translation>
    </message>
    <message>
        <source>Other Loans</source>
        <translation>其他贷款</translation>
    </message>
    <message>
        <source>Purpose of the mortgage</source>
        <translation>房贷用途</translation>
    </message>
</context>
<context>
    <name>hw::RatePage</name>
    <message>
        <source>Fixed Rate</source>
        <translation>固定利率</translation>
    </message>
    <message>
        <source>Adjustable Rate</source>
        <translation>浮动利率</translation>
    </message>
    <message>
        <source>Capped Rate</source>
        <translation>封顶利率</translation>
    </message>
    <message>
        <source>Compounded:</source>
        <translation>复利方式：</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>按月(&amp;M)</translation>
    </message>
    <message>
        <source>Half-&amp;yearly</source>
        <translation>按半年(&amp;Y)</translation>
    </message>
    <message>
        <source>How the interest rate compounds</source>
        <translation>利率的复利方式</translation>
    </message>
    <message>
        <source>Types of interest rate:</source>
        <translation>利率类型：</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>hw::ReportCommand</name>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>无法将报告保存为 %1：%2</translation>
    </message>
</context>
<context>
    <name>hw::RequirementPage</name>
    <message>
        <source>Total:</source>
        <translation>合计：</translation>
    </message>
    <message>
        <source>Selling</source>
        <translation>出售</translation>
    </message>
    <message>
        <source>Buying</source>
        <translation>购买</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>建造</translation>
    </message>
    <message>
        <source>Total: </source>
        <translation>合计：</translation>
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
        <translation>用法：hearthwise [文件]
      hearthwise --results 文件 [--format csv|json]
      hearthwise --report 文件 --pdf 输出.pdf [--chart]
  文件             在窗口中打开已保存的方案
  --results 文件   打印已保存方案的结果后退出
  --format 格式    csv（默认）或 json
  --report 文件    写出已保存方案的报告“房贷方案”
  --pdf 输出.pdf   报告写入的 PDF 文件
  --chart          在报告中加入余额走势图表
  --version        打印版本后退出
  --help           打印此帮助后退出
</translation>
    </message>
    <message>
        <source>%1 (hearthwise --help lists the options)</source>
        <translation>%1（hearthwise --help 列出所有选项）</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <source>Give one case file to open.</source>
        <translation>请指定一个要打开的方案文件。</translation>
    </message>
    <message>
        <source>Give the PDF file to write with --pdf OUT.pdf.</source>
        <translation>请用 --pdf 输出.pdf 指定要写入的 PDF 文件。</translation>
    </message>
    <message>
        <source>The report would replace the case file it is made from: %1</source>
        <translation>报告会覆盖生成它的方案文件：%1</translation>
    </message>
    <message>
        <source>Give the case file with --results FILE.</source>
        <translation>请用 --results 文件 指定方案文件。</translation>
    </message>
    <message>
        <source>--pdf and --chart go with --report FILE.</source>
        <translation>--pdf 和 --chart 须与 --report 文件 一起使用。</translation>
    </message>
    <message>
        <source>Unknown format: %1 (csv or json)</source>
        <translation>未知格式：%1（csv 或 json）</translation>
    </message>
    <message>
        <source>%1 stops short of its results: %2</source>
        <translation>%1 在得出结果前中止：%2</translation>
    </message>
    <message>
        <source>The report needs the program&apos;s windows: hearthwise --report FILE --pdf OUT.pdf</source>
        <translation>报告需要程序的窗口：hearthwise --report 文件 --pdf 输出.pdf</translation>
    </message>
</context>
<context>
    <name>hw::ResultsPage</name>
    <message>
        <source>Mortgage Type</source>
        <translation>房贷方式</translation>
    </message>
    <message>
        <source> Term    Years</source>
        <translation>期限  （年）</translation>
    </message>
    <message>
        <source>Monthly Repayments First                 Last</source>
        <translation>每月还款 首期                 末期</translation>
    </message>
    <message>
        <source>Total   Amount Paid</source>
        <translation>还款  总额</translation>
    </message>
    <message>
        <source>Interest  Total Paid</source>
        <translation>利息  总额</translation>
    </message>
    <message>
        <source>Final  Balance</source>
        <translation>期末  余额</translation>
    </message>
    <message>
        <source>&amp;What If</source>
        <translation>假设分析(&amp;W)</translation>
    </message>
    <message>
        <source>What if rates rise, how much could we borrow, paying extra, a fixed rate that ends</source>
        <translation>利率上升怎么办、我们能借多少、多还款、固定利率到期</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>图表(&amp;C)</translation>
    </message>
    <message>
        <source>The balance of each type over the years, and its month-by-month schedule</source>
        <translation>各方式历年的余额，以及逐月还款计划表</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>预览(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>比较(&amp;O)</translation>
    </message>
    <message>
        <source>This case beside saved cases</source>
        <translation>将本方案与已保存的方案并列</translation>
    </message>
    <message>
        <source>Lender Chec&amp;ks</source>
        <translation>贷款机构审核(&amp;K)</translation>
    </message>
    <message>
        <source>The usual checks of lenders in your country, for each type</source>
        <translation>您所在国家贷款机构对每种方式的常规审核</translation>
    </message>
    <message>
        <source>Shaded: the lowest first repayment and the lowest total paid among the types you can afford that repay the loan.</source>
        <translation>底纹：在负担得起且能还清贷款的方式中，首期还款最低和还款总额最低者。</translation>
    </message>
    <message>
        <source>%1, term in years</source>
        <translation>%1，贷款年限</translation>
    </message>
    <message>
        <source>%1, first monthly repayment</source>
        <translation>%1，首期月还款</translation>
    </message>
    <message>
        <source>%1, last monthly repayment</source>
        <translation>%1，末期月还款</translation>
    </message>
    <message>
        <source>%1, total amount paid</source>
        <translation>%1，还款总额</translation>
    </message>
    <message>
        <source>%1, interest total paid</source>
        <translation>%1，利息总额</translation>
    </message>
    <message>
        <source>%1, final balance</source>
        <translation>%1，期末余额</translation>
    </message>
    <message>
        <source>This option is not affordable</source>
        <translation>此方案负担不起</translation>
    </message>
    <message>
        <source>%1: This option is not affordable</source>
        <translation>%1：此方案负担不起</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>负担得起</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>负担不起</translation>
    </message>
    <message>
        <source>Not affordable: %1</source>
        <translation>负担不起：%1</translation>
    </message>
    <message>
        <source>The lowest of the affordable types that repay the loan</source>
        <translation>负担得起且能还清贷款的方式中最低者</translation>
    </message>
    <message>
        <source>Mortgage Options</source>
        <translation>房贷方案</translation>
    </message>
    <message>
        <source>%1 compounded half-yearly</source>
        <translation>%1，每半年复利</translation>
    </message>
    <message>
        <source>Amount borrowed:  %1  at  %2</source>
        <translation>贷款金额：%1，利率：%2</translation>
    </message>
</context>
<context>
    <name>hw::SaveAs</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>The printing system could not make the PDF.</source>
        <translation>打印系统无法生成 PDF。</translation>
    </message>
</context>
<context>
    <name>hw::StepPage</name>
    <message>
        <source>If you are refinancing your debt must be over $0!</source>
        <translation>如果您要转贷，您的债务必须大于 $0！</translation>
    </message>
    <message>
        <source>Please enter your income value.</source>
        <translation>请输入您的收入。</translation>
    </message>
    <message>
        <source>Tax rate must be less than 100%.</source>
        <translation>税率必须小于 100%。</translation>
    </message>
    <message>
        <source>The amount you want to borrow must be over $0!</source>
        <translation>您想借的金额必须大于 $0！</translation>
    </message>
    <message>
        <source>Interest rate must be less than 100%.</source>
        <translation>利率必须小于 100%。</translation>
    </message>
    <message>
        <source>Term in years must be between 0.1 and 100.</source>
        <translation>贷款年限必须介于 0.1 和 100 之间。</translation>
    </message>
    <message>
        <source>Please enter Selling Price.</source>
        <translation>请输入出售价格。</translation>
    </message>
    <message>
        <source>Please enter Purchase Price.</source>
        <translation>请输入购买价格。</translation>
    </message>
    <message>
        <source>Please enter Cost to build.</source>
        <translation>请输入建造成本。</translation>
    </message>
    <message>
        <source>Please enter required value.</source>
        <translation>请输入必填的数值。</translation>
    </message>
    <message>
        <source>This amount is too large.</source>
        <translation>此金额过大。</translation>
    </message>
    <message>
        <source>Bank Charges must be less than 100%.</source>
        <translation>银行手续费必须小于 100%。</translation>
    </message>
    <message>
        <source>ASSETS</source>
        <translation>资产</translation>
    </message>
    <message>
        <source>LIABILITIES</source>
        <translation>负债</translation>
    </message>
    <message>
        <source>INCOME</source>
        <translation>收入</translation>
    </message>
    <message>
        <source>EXPENSES</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>FEES AND BANK CHARGES</source>
        <translation>费用与银行手续费</translation>
    </message>
    <message>
        <source>INTEREST RATE AND TERM</source>
        <translation>利率与期限</translation>
    </message>
    <message>
        <source>LENDER CHECKS</source>
        <translation>贷款机构审核</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUYER</source>
        <translation>首次购房</translation>
    </message>
    <message>
        <source>FIRST TIME HOME BUILDER</source>
        <translation>首次建房</translation>
    </message>
    <message>
        <source>HOME IMPROVEMENT</source>
        <translation>住房装修</translation>
    </message>
    <message>
        <source>SELLING AND BUYING</source>
        <translation>卖房并购房</translation>
    </message>
    <message>
        <source>SELLING AND BUILDING</source>
        <translation>卖房并建房</translation>
    </message>
    <message>
        <source>ADDITIONAL REAL ESTATE PURCHASE</source>
        <translation>再购置房产</translation>
    </message>
    <message>
        <source>ADDITIONAL BUILDING</source>
        <translation>再建房</translation>
    </message>
    <message>
        <source>REFINANCE</source>
        <translation>转贷</translation>
    </message>
    <message>
        <source>OTHER LOANS</source>
        <translation>其他贷款</translation>
    </message>
    <message>
        <source>Fitting a mortgage to yourself means selecting the type of loan that is right for you. The right type depends on your own finances and on your plans for the years ahead.
Two aims guide the choice: pay the lowest rate of interest you can get, and never let savings sit idle while you still owe money on your home.
Choose early. How much you can borrow depends on your income, on the equity you bring and on the repayments you can afford, and knowing these before you look at houses puts you in a stronger position.
Hearthwise compares the total cost of the usual types of mortgage over the whole term, assuming the interest rate does not change. A wrong choice can cost you thousands, so use these figures to shop around.</source>
        <translation>为自己选择房贷，就是选择适合您的贷款方式。合适的方式取决于您的财务状况和未来几年的计划。
选择时有两个目标：争取尽可能低的利率；只要房贷还没还清，就绝不让储蓄闲置。
尽早选择。您能借多少取决于您的收入、您投入的自有资金以及您负担得起的还款额；在看房之前弄清这些，能让您处于更有利的位置。
Hearthwise 在假定利率不变的前提下，比较常见房贷方式在整个期限内的总成本。选错方式可能让您多花成千上万，因此请用这些数字货比三家。</translation>
    </message>
    <message>
        <source>Because the average borrower has limited income and expenditure is tight, it is important to get as much from our money as we can. The savings come from a lower rate of interest and from putting your savings and any surplus income towards your debt.
Look for a loan whose interest is calculated on the daily reducing balance and that accepts extra payments at any time with little or no fee for repaying early.

REMEMBER: YOUR BEST INVESTMENT IS TO PAY OFF YOUR MORTGAGE AS SOON AS POSSIBLE.

Fit the mortgage to your own affairs, keep to your budget with discipline, but do not become a slave to it.</source>
        <translation>由于一般借款人收入有限、开支紧张，充分利用每一分钱十分重要。节省来自更低的利率，以及把储蓄和任何多余收入用于偿还债务。
寻找按每日剩余本金计息、并随时接受提前还款且几乎不收违约金的贷款。

请记住：您最好的投资就是尽快还清房贷。

让房贷适合您自己的情况，严格遵守预算，但不要成为预算的奴隶。</translation>
    </message>
    <message>
        <source>First we need to determine the purpose for your mortgage. Please select the option below that best represents your mortgage requirement.</source>
        <translation>首先需要确定您贷款的用途。请在下面选择最符合您需求的选项。</translation>
    </message>
    <message>
        <source>An asset is everything that you own that has monetary value. Your home, land, savings, shares, vehicles and life policies are all assets, and a lender is reassured to see that you own things of value and have built them up over time.
Enter each asset at the price it would fetch on the open market today. For a life policy enter its surrender value, what the insurer would pay you if you cashed it in today.</source>
        <translation>资产是您拥有的一切有货币价值的东西。您的住房、土地、储蓄、股票、车辆和人寿保单都是资产；看到您拥有有价值的东西，并且是多年积累而来，贷款机构会更放心。
请按每项资产如今在公开市场上能卖出的价格填写。人寿保单请填写其退保价值，即您今天退保时保险公司会支付给您的金额。</translation>
    </message>
    <message>
        <source>The opposite of assets are liabilities. A liability is a legal duty to repay money that you owe, whether to a lender such as a bank or to other creditors such as a store or a credit card company.</source>
        <translation>与资产相对的是负债。负债是偿还您所欠款项的法律义务，无论欠的是银行等贷款机构，还是商店或信用卡公司等其他债权人。</translation>
    </message>
    <message>
        <source>The first step in developing a budget is calculating total annual income. Multiply your pay by the number of pay periods in a year: 52 if you are paid weekly, 26 if you are paid fortnightly. If you are self-employed, use your lowest pay of the last six to twelve months.
Then add any other income you receive, such as dividends, the pay from a second job or the rent from a property.</source>
        <translation>编制预算的第一步是计算全年总收入。用您的工资乘以一年中的发薪次数：每周发薪为 52，每两周发薪为 26。如果您是自雇人士，请使用过去六到十二个月中最低的收入。
然后加上您获得的任何其他收入，例如股息、第二份工作的工资或房产租金。</translation>
    </message>
    <message>
        <source>The next step is setting expenses categories, for example; utilities, maintenance, insurance etc. The categories should mirror the way you really spend your money.
Enter the living expenses you pay as bills for the period selected, fortnightly or monthly, as if you already owned the new house. Leave out rent and the payments on any existing mortgage.</source>
        <translation>下一步是设定支出类别，例如公用事业、维修、保险等。这些类别应反映您实际花钱的方式。
请按所选周期（每两周或每月）填写您以账单形式支付的生活开支，就像您已经拥有新房一样。不要包括房租和现有房贷的还款。</translation>
    </message>
    <message>
        <source>As a first time home buyer you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make (your deposit) and the purchase price of the home.</source>
        <translation>作为首次购房者，您需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您能拿出的自有资金（首付）和房屋的购买价格。</translation>
    </message>
    <message>
        <source>As a first time home builder you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building the house.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>作为首次建房者，您需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您能拿出的自有资金、土地价值和建房成本。
如果您已经拥有这块土地，请将其价值计入“您的自有资金”一栏。</translation>
    </message>
    <message>
        <source>As you wish to improve your home you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of your home and the total cost of the improvements.</source>
        <translation>您想装修住房，因此需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您能拿出的自有资金、您住房的价值和装修的总费用。</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to purchase another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for and the purchase price of the new property.</source>
        <translation>您要出售现有房产并购买另一处，因此需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您能拿出的自有资金、预计的出售价格和新房产的购买价格。</translation>
    </message>
    <message>
        <source>As you are selling your existing property and wish to build another, you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the price you expect to sell for, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>您要出售现有房产并另建一处，因此需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您能拿出的自有资金、预计的出售价格、土地价值和建造成本。
如果您已经拥有这块土地，请将其价值计入“您的自有资金”一栏。</translation>
    </message>
    <message>
        <source>As you wish to make an additional purchase you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make and the purchase price of the new property.</source>
        <translation>您想再购置一处房产，因此需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您能拿出的自有资金和新房产的购买价格。</translation>
    </message>
    <message>
        <source>As you wish to do an additional build you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the contribution you can make, the value of the land and the cost of building.
If you already own the land include this value in &apos;Your Contribution&apos; field.</source>
        <translation>您想再建一处房屋，因此需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您能拿出的自有资金、土地价值和建造成本。
如果您已经拥有这块土地，请将其价值计入“您的自有资金”一栏。</translation>
    </message>
    <message>
        <source>As you wish to refinance you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter any amount of money you wish to withhold from the new loan.</source>
        <translation>您想转贷，因此需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您希望从新贷款中保留的现金。</translation>
    </message>
    <message>
        <source>As you have chosen an alternative mortgage requirement option you need to provide a few more details. Your current debts have been filled in for you from the previous pages. Please enter the amount you wish to borrow.</source>
        <translation>您选择了其他贷款需求，因此需要再提供一些信息。您现有的债务已根据前面的页面填好。请输入您想借的金额。</translation>
    </message>
    <message>
        <source>Now we need to know what other fees apply to this mortgage.
A lender may want a registered valuation of the property, and legal or conveyancing fees and the bank&apos;s own charges apply to most loans. The page starts with typical figures; yours may differ, so change them to match your case.</source>
        <translation>现在需要了解这笔贷款还涉及哪些其他费用。
贷款机构可能要求对房产进行正式评估，而且大多数贷款都会产生律师费或过户费以及银行自己的手续费。本页先填入了常见数额；您的情况可能不同，请按实际修改。</translation>
    </message>
    <message>
        <source>These figures represent your mortgage requirements and your Loan to Value Ratio. Your spare income, what is left of your income after tax once your living expenses are paid, is shown too. Enter the current interest rate and the term of the loan in years. Rates vary with the economy, and a difference of one percentage point makes a large difference to what you pay.</source>
        <translation>这些数字显示您的贷款需求和贷款价值比，还显示您的每月结余，即税后收入支付生活开支后剩下的部分。请输入当前利率和以年为单位的贷款期限。利率随经济变化，相差一个百分点，您所付的金额就会相差很多。</translation>
    </message>
    <message>
        <source>These figures represent the mortgage options available. Press the button of a mortgage type to learn more about it.
If you want to print these results, you can do so by pressing the Preview button.</source>
        <translation>这些数字显示可供选择的房贷方案。点击某种房贷方式的按钮可以了解更多。
如果想打印这些结果，请点击“预览”按钮。</translation>
    </message>
</context>
<context>
    <name>hw::SumPage</name>
    <message>
        <source>Total assets</source>
        <translation>资产合计</translation>
    </message>
    <message>
        <source>Total liabilities</source>
        <translation>负债合计</translation>
    </message>
</context>
<context>
    <name>hw::Summary</name>
    <message>
        <source>Mortgage Requirement:</source>
        <translation>贷款需求：</translation>
    </message>
    <message>
        <source>Loan to Value Ratio:</source>
        <translation>贷款价值比：</translation>
    </message>
    <message>
        <source>Total Monthly Income After Tax:</source>
        <translation>每月税后总收入：</translation>
    </message>
    <message>
        <source>Monthly Expenditure:</source>
        <translation>每月支出：</translation>
    </message>
    <message>
        <source>Spare:</source>
        <translation>结余：</translation>
    </message>
</context>
<context>
    <name>hw::WhatIf</name>
    <message>
        <source>Rise in the rate, percentage points</source>
        <translation>利率升幅（百分点）</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <translation>每月多还</translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation>一次性还款</translation>
    </message>
    <message>
        <source>Month of the lump sum</source>
        <translation>一次性还款的月份</translation>
    </message>
    <message>
        <source>Years at the entered rate</source>
        <translation>按所填利率的年数</translation>
    </message>
    <message>
        <source>The new rate</source>
        <translation>新利率</translation>
    </message>
    <message>
        <source>Savings in the offset account</source>
        <translation>抵息账户中的存款</translation>
    </message>
    <message>
        <source>Savings added each month</source>
        <translation>每月增加的存款</translation>
    </message>
    <message>
        <source>Balance of the current loan</source>
        <translation>现有贷款余额</translation>
    </message>
    <message>
        <source>Rate of the current loan</source>
        <translation>现有贷款利率</translation>
    </message>
    <message>
        <source>Years left on the current loan</source>
        <translation>现有贷款剩余年数</translation>
    </message>
    <message>
        <source>Costs of switching</source>
        <translation>转贷费用</translation>
    </message>
    <message>
        <source>%1 must be 0 or more.</source>
        <translation>%1 必须为 0 或以上。</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 过大。</translation>
    </message>
    <message>
        <source>The rise must be between %1 and %2 percentage points, in steps of %3.</source>
        <translation>升幅必须介于 %1 和 %2 个百分点之间，以 %3 为步长。</translation>
    </message>
    <message>
        <source>The extra amount each month</source>
        <translation>每月多还的金额</translation>
    </message>
    <message>
        <source>The lump sum</source>
        <translation>一次性还款</translation>
    </message>
    <message>
        <source>The month of the lump sum must be a whole month from %1 to %2.</source>
        <translation>一次性还款的月份必须是 %1 至 %2 之间的整月。</translation>
    </message>
    <message>
        <source>The fixed period must be at least a month and shorter than the term.</source>
        <translation>固定利率期必须至少一个月，并且短于贷款期限。</translation>
    </message>
    <message>
        <source>The rate after the fixed period must be between %1 and %2.</source>
        <translation>固定利率期结束后的利率必须介于 %1 和 %2 之间。</translation>
    </message>
    <message>
        <source>The savings in the offset account</source>
        <translation>抵息账户中的存款</translation>
    </message>
    <message>
        <source>The savings added each month</source>
        <translation>每月增加的存款</translation>
    </message>
    <message>
        <source>The balance of the current loan must be more than 0.</source>
        <translation>现有贷款余额必须大于 0。</translation>
    </message>
    <message>
        <source>The balance of the current loan</source>
        <translation>现有贷款余额</translation>
    </message>
    <message>
        <source>The rate of the current loan must be between %1 and %2.</source>
        <translation>现有贷款利率必须介于 %1 和 %2 之间。</translation>
    </message>
    <message>
        <source>The years left on the current loan must be between %1 and %2.</source>
        <translation>现有贷款剩余年数必须介于 %1 和 %2 之间。</translation>
    </message>
    <message>
        <source>The costs of switching</source>
        <translation>转贷费用</translation>
    </message>
    <message>
        <source>Please enter the amount, the rate and the term first.</source>
        <translation>请先输入金额、利率和期限。</translation>
    </message>
    <message>
        <source>The rate after the rise must be less than %1.</source>
        <translation>上升后的利率必须小于 %1。</translation>
    </message>
    <message>
        <source>Extra payments can be worked out for the Table and Reducing Balance types.</source>
        <translation>多还款只能针对等额本息和等额本金方式计算。</translation>
    </message>
    <message>
        <source>The extra amount each month must be less than the amount borrowed.</source>
        <translation>每月多还的金额必须小于贷款金额。</translation>
    </message>
    <message>
        <source>The lump sum must be no more than the amount borrowed.</source>
        <translation>一次性还款不得超过贷款金额。</translation>
    </message>
    <message>
        <source>The month of the lump sum must be between %1 and %2, the months of the term.</source>
        <translation>一次性还款的月份必须介于 %1 和 %2 之间，即贷款期限内的月份。</translation>
    </message>
    <message>
        <source>Rates rise</source>
        <translation>利率上升</translation>
    </message>
    <message>
        <source>If the rate rose by %1 points to %2:</source>
        <translation>如果利率上升 %1 个百分点至 %2：</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>房贷方式</translation>
    </message>
    <message>
        <source>First month</source>
        <translation>第一个月</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>此后</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>负担得起</translation>
    </message>
    <message>
        <source>no longer affordable</source>
        <translation>不再负担得起</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>负担不起</translation>
    </message>
    <message>
        <source>How much could we borrow</source>
        <translation>我们能借多少</translation>
    </message>
    <message>
        <source>The most you could borrow at this rate and term:</source>
        <translation>按此利率和期限您最多能借：</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>最高金额</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>占房产价值</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>The Table repayment equals your spare income over %1.</source>
        <translation>等额本息还款额等于您在 %1 期间的结余。</translation>
    </message>
    <message>
        <source>Your spare income does not cover the interest of a Table loan.</source>
        <translation>您的结余不足以支付等额本息贷款的利息。</translation>
    </message>
    <message>
        <source>A Table loan fixed for %1 years, then at %2: the repayment goes from %3 to %4, which is %5.</source>
        <translation>等额本息贷款固定利率 %1 年，之后按 %2：还款额从 %3 变为 %4，%5。</translation>
    </message>
    <message>
        <source>A fixed rate that ends</source>
        <translation>固定利率到期</translation>
    </message>
    <message>
        <source>Paying %1 more a month and %2 in month %3 on the %4 loan clears it in month %5 and saves %6 of interest.</source>
        <translation>在 %4 贷款上每月多还 %1，并在第 %3 个月一次性还款 %2，贷款将在第 %5 个月还清，节省利息 %6。</translation>
    </message>
    <message>
        <source>Keeping the term instead, the repayment falls from %1 to %2, and to %3 by the last month, and %4 of interest is saved.</source>
        <translation>若改为保持期限不变，还款额从 %1 降至 %2，最后一个月降至 %3，节省利息 %4。</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>多还款</translation>
    </message>
    <message>
        <source>Paying the %1 loan fortnightly: %2 a fortnight, %3 of interest saved against paying monthly.</source>
        <translation>%1 贷款改为每两周还款：每两周 %2，比按月还款节省利息 %3。</translation>
    </message>
    <message>
        <source>Paying half the monthly repayment each fortnight (%1) clears it in %2 and saves %3 of interest.</source>
        <translation>每两周还月供的一半（%1），可在 %2 内还清，节省利息 %3。</translation>
    </message>
    <message>
        <source>How often you pay</source>
        <translation>还款频率</translation>
    </message>
    <message>
        <source>With %1 in an offset account and %2 added each month, the Table loan clears in month %3 and saves %4 of interest; paid into the loan instead (the %1 at once, the %2 each month), they would clear it in month %5 and save %6.</source>
        <translation>抵息账户中存有 %1，每月再增加 %2，等额本息贷款将在第 %3 个月还清，节省利息 %4；若改为把钱还进贷款（%1 立即还，%2 每月还），将在第 %5 个月还清，节省 %6。</translation>
    </message>
    <message>
        <source>An offset account</source>
        <translation>抵息账户</translation>
    </message>
    <message>
        <source>Refinancing</source>
        <translation>转贷</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan has cost no more than the current one by month %7.</source>
        <translation>转贷：现有贷款 %1，利率 %2，剩余 %3 年：每月 %4，而不是 %5；加上 %6 的费用，到第 %7 个月时新贷款的花费已不超过现有贷款。</translation>
    </message>
    <message>
        <source>Refinancing a current loan of %1 at %2 with %3 years left: %4 a month instead of %5; with the costs of %6, the new loan always costs more.</source>
        <translation>转贷：现有贷款 %1，利率 %2，剩余 %3 年：每月 %4，而不是 %5；加上 %6 的费用，新贷款始终花费更多。</translation>
    </message>
</context>
<context>
    <name>hw::WhatIfWindow</name>
    <message>
        <source>What If</source>
        <translation>假设分析</translation>
    </message>
    <message>
        <source>&amp;Rates rise</source>
        <translation>利率上升(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;How much could we borrow</source>
        <translation>我们能借多少(&amp;H)</translation>
    </message>
    <message>
        <source>Paying &amp;extra</source>
        <translation>多还款(&amp;E)</translation>
    </message>
    <message>
        <source>A &amp;fixed rate that ends</source>
        <translation>固定利率到期(&amp;F)</translation>
    </message>
    <message>
        <source>How often you &amp;pay</source>
        <translation>还款频率(&amp;P)</translation>
    </message>
    <message>
        <source>An offset &amp;account</source>
        <translation>抵息账户(&amp;A)</translation>
    </message>
    <message>
        <source>Refinan&amp;cing</source>
        <translation>转贷(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Mortgage type</source>
        <translation>房贷方式</translation>
    </message>
    <message>
        <source>First month at the higher rate</source>
        <translation>按更高利率的第一个月</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>After the rise</source>
        <translation>上升后</translation>
    </message>
    <message>
        <source>Repayments if the rate rises</source>
        <translation>利率上升时的还款额</translation>
    </message>
    <message>
        <source>Ri&amp;se in the rate (percentage points):</source>
        <translation>利率升幅（百分点）(&amp;S)：</translation>
    </message>
    <message>
        <source>Lenders test whether you could still pay if the rate rose. Each type at the entered rate plus the rise:</source>
        <translation>贷款机构会测试利率上升后您是否仍能还款。各方式按所填利率加上升幅计算：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Affordable</source>
        <translation>负担得起</translation>
    </message>
    <message>
        <source>Not affordable</source>
        <translation>负担不起</translation>
    </message>
    <message>
        <source>No longer affordable</source>
        <translation>不再负担得起</translation>
    </message>
    <message>
        <source>Largest amount</source>
        <translation>最高金额</translation>
    </message>
    <message>
        <source>Of the property&apos;s value</source>
        <translation>占房产价值</translation>
    </message>
    <message>
        <source>The most each type would lend</source>
        <translation>各方式最多能借的金额</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>A Table loan of the amount entered would take %1 at a repayment equal to your spare income.</source>
        <translation>以等于您结余的还款额偿还所填金额的等额本息贷款，需要 %1。</translation>
    </message>
    <message>
        <source>Your spare income does not cover a month&apos;s interest: no Table term would clear the amount entered.</source>
        <translation>您的结余不足以支付一个月的利息：任何期限的等额本息贷款都无法还清所填金额。</translation>
    </message>
    <message>
        <source>The most each type would let you borrow at the entered rate and term, with your spare income:</source>
        <translation>按所填利率和期限，凭您的结余，各方式最多能让您借的金额：</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>Repayment as entered</source>
        <translation>按所填的还款额</translation>
    </message>
    <message>
        <source>Paying extra</source>
        <translation>多还款</translation>
    </message>
    <message>
        <source>Balance as entered</source>
        <translation>按所填的余额</translation>
    </message>
    <message>
        <source>Balance paying extra</source>
        <translation>多还款后的余额</translation>
    </message>
    <message>
        <source>Month by month, as entered and paying extra</source>
        <translation>逐月对比：按所填与多还款</translation>
    </message>
    <message>
        <source>Mortgage &amp;type:</source>
        <translation>房贷方式(&amp;T)：</translation>
    </message>
    <message>
        <source>E&amp;xtra each month:</source>
        <translation>每月多还(&amp;X)：</translation>
    </message>
    <message>
        <source>&amp;Lump sum:</source>
        <translation>一次性还款(&amp;L)：</translation>
    </message>
    <message>
        <source>In m&amp;onth:</source>
        <translation>在第几个月(&amp;O)：</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>多还款的效果</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>还款额</translation>
    </message>
    <message>
        <source>Cleared in month</source>
        <translation>还清月份</translation>
    </message>
    <message>
        <source>Interest saved</source>
        <translation>节省的利息</translation>
    </message>
    <message>
        <source>Cleared in month %1,
instead of month %2.
Total paid: %3 instead of %4.
Interest saved: %5.</source>
        <translation>第 %1 个月还清，
而不是第 %2 个月。
还款总额：%3，而不是 %4。
节省利息：%5。</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>按所填</translation>
    </message>
    <message>
        <source>&amp;Years at the entered rate:</source>
        <translation>按所填利率的年数(&amp;Y)：</translation>
    </message>
    <message>
        <source>Then the &amp;new rate:</source>
        <translation>之后的新利率(&amp;N)：</translation>
    </message>
    <message>
        <source>A Table loan at the entered rate for the first years, then the repayment worked out again for the rest of the term:</source>
        <translation>等额本息贷款，前几年按所填利率，之后按剩余期限重新计算还款额：</translation>
    </message>
    <message>
        <source>The repayment goes from %1 to %2 a month, on the %3 still owed.
With your spare income that is %4.</source>
        <translation>还款额从每月 %1 变为 %2，按仍欠的 %3 计算。
以您的结余而言，这%4。</translation>
    </message>
    <message>
        <source>affordable</source>
        <translation>负担得起</translation>
    </message>
    <message>
        <source>not affordable</source>
        <translation>负担不起</translation>
    </message>
    <message>
        <source>The repayment jumps to %1</source>
        <translation>还款额跃升至 %1</translation>
    </message>
    <message>
        <source>The entered rate throughout</source>
        <translation>整个期限按所填利率</translation>
    </message>
    <message>
        <source>After the fixed rate ends</source>
        <translation>固定利率到期后</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>每两周</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Half the monthly repayment each fortnight</source>
        <translation>每两周还月供的一半</translation>
    </message>
    <message>
        <source>A quarter of the monthly repayment each week</source>
        <translation>每周还月供的四分之一</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>还款频率</translation>
    </message>
    <message>
        <source>Paid off in</source>
        <translation>还清所需</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>还款总额</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Saved against monthly</source>
        <translation>比按月还款节省</translation>
    </message>
    <message>
        <source>Repayments by how often you pay</source>
        <translation>不同还款频率的还款额</translation>
    </message>
    <message>
        <source>Mortgage t&amp;ype:</source>
        <translation>房贷方式(&amp;Y)：</translation>
    </message>
    <message>
        <source>The loan repaid monthly, fortnightly or weekly. Interest is charged each period at the annual rate divided by the periods in a year (26 fortnights, 52 weeks). Paying half the monthly repayment every fortnight pays thirteen months a year, and clears the loan sooner.</source>
        <translation>按月、每两周或每周还款的贷款。每期利息按年利率除以一年的期数（26 个双周、52 周）计算。每两周还月供的一半，相当于每年还十三个月的月供，可以更早还清贷款。</translation>
    </message>
    <message>
        <source>Shortens the term</source>
        <translation>缩短期限</translation>
    </message>
    <message>
        <source>Keeps the term, lowers the repayment</source>
        <translation>保持期限，降低还款额</translation>
    </message>
    <message>
        <source>%1, falling to %2</source>
        <translation>%1，降至 %2</translation>
    </message>
    <message>
        <source>The savings</source>
        <translation>存款</translation>
    </message>
    <message>
        <source>What the offset account saves</source>
        <translation>抵息账户节省的利息</translation>
    </message>
    <message>
        <source>&amp;Savings in the account:</source>
        <translation>账户中的存款(&amp;S)：</translation>
    </message>
    <message>
        <source>A&amp;dded each month:</source>
        <translation>每月增加(&amp;D)：</translation>
    </message>
    <message>
        <source>Savings held in an offset account beside a Table loan: interest is charged on the balance less the savings. The repayment stays as it is, so the loan clears sooner, and the savings stay yours to draw on. Beside it, the same savings paid into the loan instead: the starting savings at once, and each month&apos;s addition as an extra repayment.</source>
        <translation>与等额本息贷款关联的抵息账户中的存款：利息按贷款余额减去存款计算。还款额不变，因此贷款更早还清，而存款仍归您所有，可以随时支取。旁边是把同样的存款改为还进贷款的情况：初始存款立即还，每月增加的部分作为额外还款。</translation>
    </message>
    <message>
        <source>Held in the offset account</source>
        <translation>存在抵息账户中</translation>
    </message>
    <message>
        <source>Paid into the loan instead: at once, and each month</source>
        <translation>改为还进贷款：立即和每月</translation>
    </message>
    <message>
        <source>Current &amp;balance:</source>
        <translation>当前余额(&amp;B)：</translation>
    </message>
    <message>
        <source>Current ra&amp;te:</source>
        <translation>当前利率(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Years left:</source>
        <translation>剩余年数(&amp;Y)：</translation>
    </message>
    <message>
        <source>C&amp;osts of switching:</source>
        <translation>转贷费用(&amp;O)：</translation>
    </message>
    <message>
        <source>Your current loan, repaid as a Table loan over the years it has left, against the loan of this case at its rate and term. The loan of this case already carries the fees and bank charges you entered: the costs of switching are what you would pay beside it (a break fee, for instance).</source>
        <translation>您的现有贷款按其剩余年数以等额本息偿还，与本方案按其利率和期限的贷款对比。本方案的贷款已包含您填写的费用和银行手续费：转贷费用是您另外需要支付的（例如提前还款违约金）。</translation>
    </message>
    <message>
        <source>The current loan costs %1 a month, the new one %2.</source>
        <translation>现有贷款每月 %1，新贷款每月 %2。</translation>
    </message>
    <message>
        <source>You save %1 a month.</source>
        <translation>您每月节省 %1。</translation>
    </message>
    <message>
        <source>The new loan costs %1 more a month.</source>
        <translation>新贷款每月多花 %1。</translation>
    </message>
    <message>
        <source>Counting what you pay month by month, the new loan with its costs has cost you no more than the current loan would by month %1.</source>
        <translation>按逐月支付的金额计算，到第 %1 个月时，新贷款连同其费用的花费已不超过现有贷款。</translation>
    </message>
    <message>
        <source>Counting what you pay month by month until both loans end, the new loan with its costs always costs you more: the costs are never repaid.</source>
        <translation>按逐月支付的金额计算直到两笔贷款都结束，新贷款连同其费用始终花费更多：这些费用永远收不回来。</translation>
    </message>
    <message>
        <source>To their ends, the current loan costs %1 and the new one %2, the costs included.</source>
        <translation>到期为止，现有贷款共花费 %1，新贷款共花费 %2，已含费用。</translation>
    </message>
    <message>
        <source>&amp;Work Out</source>
        <translation>计算(&amp;W)</translation>
    </message>
</context>
</TS>
