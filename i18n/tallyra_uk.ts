<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AccountGroup</name>
    <message>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Заощадження</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Кредит</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Інвестиції</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Готівка</translation>
    </message>
</context>
<context>
    <name>AccountKind</name>
    <message>
        <source>Cash</source>
        <translation>Готівка</translation>
    </message>
    <message>
        <source>Wallet, cash on hand</source>
        <translation>Гаманець, готівка під рукою</translation>
    </message>
    <message>
        <source>Bank Account</source>
        <translation>Банківський рахунок</translation>
    </message>
    <message>
        <source>Debit card, current account</source>
        <translation>Дебетова картка, поточний рахунок</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Заощадження</translation>
    </message>
    <message>
        <source>Deposit, savings account</source>
        <translation>Депозит, ощадний рахунок</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Кредитна картка</translation>
    </message>
    <message>
        <source>Limit, statement, due date</source>
        <translation>Ліміт, виписка, дата платежу</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Інвестиції</translation>
    </message>
    <message>
        <source>Brokerage, crypto, funds</source>
        <translation>Брокерський рахунок, криптовалюта, фонди</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Позика</translation>
    </message>
    <message>
        <source>Mortgage, car loan, money owed</source>
        <translation>Іпотека, автокредит, борги</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інше</translation>
    </message>
    <message>
        <source>Anything else</source>
        <translation>Усе інше</translation>
    </message>
</context>
<context>
    <name>AccountSource</name>
    <message>
        <source>Monobank</source>
        <translation>Monobank</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручну</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>System</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
</context>
<context>
    <name>BalanceMode</name>
    <message>
        <source>Reach By</source>
        <translation>Досягти до</translation>
    </message>
    <message>
        <source>Stay Above</source>
        <translation>Не опускатися нижче</translation>
    </message>
</context>
<context>
    <name>CategoryBreakdown</name>
    <message>
        <source>Uncategorized</source>
        <translation>Без категорії</translation>
    </message>
</context>
<context>
    <name>CategoryKind</name>
    <message>
        <source>Income</source>
        <translation>Дохід</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Переказ</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Витрата</translation>
    </message>
</context>
<context>
    <name>CategoryMode</name>
    <message>
        <source>Expenses</source>
        <translation>Витрати</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Витрачено</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Доходи</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Отримано</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Перекази</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Переказано</translation>
    </message>
</context>
<context>
    <name>CloudSync</name>
    <message>
        <source>The data on this Mac syncs with iCloud’s %1 environment, and this copy of Tallyra with %2.</source>
        <translation>Дані на цьому Mac синхронізуються із середовищем iCloud %1, а ця копія Tallyra — із %2.</translation>
    </message>
    <message>
        <source>Tallyra couldn’t tell which iCloud environment this copy syncs with, so iCloud is off in it.</source>
        <translation>Tallyra не змогла визначити, з яким середовищем iCloud синхронізується ця копія, тому iCloud у ній вимкнено.</translation>
    </message>
    <message>
        <source>Saved on this Mac — iCloud couldn’t start</source>
        <translation>Збережено на цьому Mac — iCloud не вдалося запустити</translation>
    </message>
    <message>
        <source>Saved on this Mac — iCloud is off in this copy</source>
        <translation>Збережено на цьому Mac — у цій копії iCloud вимкнено</translation>
    </message>
    <message>
        <source>Sample data — nothing is saved</source>
        <translation>Демонстраційні дані — нічого не зберігається</translation>
    </message>
    <message>
        <source>Saved on this Mac — iCloud sync is off</source>
        <translation>Збережено на цьому Mac — синхронізацію з iCloud вимкнено</translation>
    </message>
    <message>
        <source>Saved on this Mac — sign in to iCloud to sync</source>
        <translation>Збережено на цьому Mac — увійдіть в iCloud, щоб синхронізувати</translation>
    </message>
    <message>
        <source>Synced with iCloud</source>
        <translation>Синхронізовано з iCloud</translation>
    </message>
    <message>
        <source>Couldn’t sync with iCloud</source>
        <translation>Не вдалося синхронізувати з iCloud</translation>
    </message>
    <message>
        <source>iCloud sync is on</source>
        <translation>Синхронізацію з iCloud увімкнено</translation>
    </message>
    <message>
        <source>Syncing with iCloud…</source>
        <translation>Синхронізація з iCloud…</translation>
    </message>
</context>
<context>
    <name>EntryKind</name>
    <message>
        <source>Income</source>
        <translation>Дохід</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Переказ</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Витрата</translation>
    </message>
</context>
<context>
    <name>ExchangeRates</name>
    <message>
        <source>National Bank of Ukraine (official rate) and Monobank (public rate)</source>
        <translation>Національний банк України (офіційний курс) і Monobank (публічний курс)</translation>
    </message>
</context>
<context>
    <name>GoalKind</name>
    <message>
        <source>Balance Goal</source>
        <translation>Ціль балансу</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Челендж</translation>
    </message>
    <message>
        <source>Saving Goal</source>
        <translation>Ціль заощаджень</translation>
    </message>
</context>
<context>
    <name>OverviewChart</name>
    <message>
        <source>Spending</source>
        <translation>Витрати</translation>
    </message>
    <message>
        <source>Income &amp; Spending</source>
        <translation>Доходи й витрати</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Грошовий потік</translation>
    </message>
    <message>
        <source>Net Worth</source>
        <translation>Чисті активи</translation>
    </message>
</context>
<context>
    <name>PeriodLabels</name>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Учора</translation>
    </message>
    <message numerus="yes">
        <source>Last %n Days</source>
        <translation>
            <numerusform>Останній %n день</numerusform>
            <numerusform>Останні %n дні</numerusform>
            <numerusform>Останні %n днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Previous %n Days</source>
        <translation>
            <numerusform>Попередній %n день</numerusform>
            <numerusform>Попередні %n дні</numerusform>
            <numerusform>Попередні %n днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Weeks Ago</source>
        <translation>
            <numerusform>%n тиждень тому</numerusform>
            <numerusform>%n тижні тому</numerusform>
            <numerusform>%n тижнів тому</numerusform>
        </translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Цей місяць</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Минулий місяць</translation>
    </message>
    <message numerus="yes">
        <source>%n Months Ago</source>
        <translation>
            <numerusform>%n місяць тому</numerusform>
            <numerusform>%n місяці тому</numerusform>
            <numerusform>%n місяців тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last %n Months</source>
        <translation>
            <numerusform>Останній %n місяць</numerusform>
            <numerusform>Останні %n місяці</numerusform>
            <numerusform>Останні %n місяців</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1–%n Years Ago</source>
        <translation>
            <numerusform>%1–%n рік тому</numerusform>
            <numerusform>%1–%n роки тому</numerusform>
            <numerusform>%1–%n років тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1–%n Months Ago</source>
        <translation>
            <numerusform>%1–%n місяць тому</numerusform>
            <numerusform>%1–%n місяці тому</numerusform>
            <numerusform>%1–%n місяців тому</numerusform>
        </translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Увесь час</translation>
    </message>
</context>
<context>
    <name>RateError</name>
    <message>
        <source>item %1 has no “%2”.</source>
        <translation>у записі %1 немає «%2».</translation>
    </message>
    <message>
        <source>“%2” in item %1 isn’t %3.</source>
        <translation>«%2» у записі %1 — не %3.</translation>
    </message>
    <message>
        <source>it isn’t valid JSON (%1 at byte %2).</source>
        <translation>це не коректний JSON (%1 у байті %2).</translation>
    </message>
    <message>
        <source>it isn’t a list of rates.</source>
        <translation>це не список курсів.</translation>
    </message>
    <message>
        <source>item %1 isn’t an object.</source>
        <translation>запис %1 — не об’єкт.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>число</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>ціле число</translation>
    </message>
    <message>
        <source>“%2” in item %1 isn’t a currency number.</source>
        <translation>«%2» у записі %1 — не числовий код валюти.</translation>
    </message>
    <message>
        <source>%1 sent a response that isn’t HTTP.</source>
        <translation>%1 надіслав відповідь, яка не є HTTP.</translation>
    </message>
    <message>
        <source>%1 sent a bad response (HTTP status %2).</source>
        <translation>%1 надіслав хибну відповідь (статус HTTP %2).</translation>
    </message>
    <message>
        <source>The rates from %1 don’t include %2.</source>
        <translation>У курсах від %1 немає %2.</translation>
    </message>
    <message>
        <source>No exchange-rate source is set up.</source>
        <translation>Джерело курсів валют не налаштовано.</translation>
    </message>
    <message>
        <source>The answer from %1 couldn’t be read: %2</source>
        <translation>Не вдалося прочитати відповідь від %1: %2</translation>
    </message>
    <message>
        <source>%1 didn’t answer in time.</source>
        <translation>%1 не відповів вчасно.</translation>
    </message>
    <message>
        <source>The request to %1 was cancelled.</source>
        <translation>Запит до %1 скасовано.</translation>
    </message>
    <message>
        <source>Couldn’t reach %1: %2</source>
        <translation>Не вдалося з’єднатися з %1: %2</translation>
    </message>
</context>
<context>
    <name>RateSource</name>
    <message>
        <source>National Bank of Ukraine (official rate)</source>
        <translation>Національний банк України (офіційний курс)</translation>
    </message>
    <message>
        <source>Monobank (public rate)</source>
        <translation>Monobank (публічний курс)</translation>
    </message>
</context>
<context>
    <name>StoreBackup</name>
    <message>
        <source>The pictures couldn’t be copied into the backup.</source>
        <translation>Не вдалося скопіювати зображення в резервну копію.</translation>
    </message>
    <message>
        <source>The database couldn’t be copied: </source>
        <translation>Не вдалося скопіювати базу даних: </translation>
    </message>
    <message>
        <source>This data isn’t kept in a file, so there is nothing to back up.</source>
        <translation>Ці дані не зберігаються у файлі, тож резервувати нічого.</translation>
    </message>
    <message>
        <source>The backup folder couldn’t be made there.</source>
        <translation>Не вдалося створити там теку резервної копії.</translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>The data file couldn’t be opened.</source>
        <translation>Не вдалося відкрити файл даних.</translation>
    </message>
    <message>
        <source>This file isn’t a Tallyra data file, or it is damaged, so it can’t be opened.</source>
        <translation>Цей файл не є файлом даних Tallyra або пошкоджений, тому його не можна відкрити.</translation>
    </message>
    <message>
        <source>This data file was made by a different version of Tallyra and can’t be opened.</source>
        <translation>Цей файл даних створено іншою версією Tallyra, і його не можна відкрити.</translation>
    </message>
    <message>
        <source>Your data couldn’t be read.</source>
        <translation>Не вдалося прочитати ваші дані.</translation>
    </message>
    <message>
        <source>Your changes couldn’t be saved.</source>
        <translation>Не вдалося зберегти ваші зміни.</translation>
    </message>
    <message>
        <source>There isn’t enough disk space to save your changes.</source>
        <translation>Недостатньо місця на диску, щоб зберегти ваші зміни.</translation>
    </message>
    <message>
        <source>The data file is in use elsewhere. Try again in a moment.</source>
        <translation>Файл даних використовується деінде. Спробуйте ще раз за мить.</translation>
    </message>
    <message>
        <source>Your changes couldn’t be saved because the data file is read-only.</source>
        <translation>Не вдалося зберегти ваші зміни: файл даних доступний лише для читання.</translation>
    </message>
    <message>
        <source>It no longer exists — it may have been deleted on another device.</source>
        <translation>Його більше не існує — можливо, його видалено на іншому пристрої.</translation>
    </message>
    <message>
        <source>A picture couldn’t be saved.</source>
        <translation>Не вдалося зберегти зображення.</translation>
    </message>
</context>
<context>
    <name>TransactionFilter</name>
    <message>
        <source>All Transactions</source>
        <translation>Усі операції</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Витрати</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Доходи</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Перекази</translation>
    </message>
</context>
<context>
    <name>TransferGroup</name>
    <message>
        <source>Account</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>To %1</source>
        <translation>На %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>З %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Card Payments</source>
        <translation>Погашення карток</translation>
    </message>
</context>
</TS>
