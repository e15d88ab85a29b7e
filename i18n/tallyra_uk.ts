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
    <name>AppCommands</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Редагування</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Період</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Нова транзакція</translation>
    </message>
    <message>
        <source>New Account…</source>
        <translation>Новий рахунок…</translation>
    </message>
    <message>
        <source>Export Transactions…</source>
        <translation>Експортувати транзакції…</translation>
    </message>
    <message>
        <source>Back Up Data…</source>
        <translation>Створити резервну копію…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Налаштування…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Змінити…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублювати</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Транзакції</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категорії</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Рахунки</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Show Balances</source>
        <translation>Показати баланси</translation>
    </message>
    <message>
        <source>Hide Balances</source>
        <translation>Приховати баланси</translation>
    </message>
    <message>
        <source>Previous Period</source>
        <translation>Попередній період</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Наступний період</translation>
    </message>
    <message>
        <source>Welcome to Tallyra</source>
        <translation>Ласкаво просимо до Tallyra</translation>
    </message>
    <message>
        <source>Tallyra Support</source>
        <translation>Підтримка Tallyra</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Конфіденційність</translation>
    </message>
</context>
<context>
    <name>AppLifecycle</name>
    <message>
        <source>Couldn’t Make the Starter Categories</source>
        <translation>Не вдалося створити початкові категорії</translation>
    </message>
    <message>
        <source>Couldn’t Merge Categories</source>
        <translation>Не вдалося об’єднати категорії</translation>
    </message>
    <message>
        <source>Couldn’t Back Up</source>
        <translation>Не вдалося створити резервну копію</translation>
    </message>
    <message>
        <source>The file couldn’t be written: %1</source>
        <translation>Не вдалося записати файл: %1</translation>
    </message>
    <message>
        <source>Couldn’t Export</source>
        <translation>Не вдалося експортувати</translation>
    </message>
</context>
<context>
    <name>AppModel</name>
    <message>
        <source>Couldn’t Save</source>
        <translation>Не вдалося зберегти</translation>
    </message>
    <message>
        <source>After today — it will show in its period when that day comes.</source>
        <translation>Пізніше за сьогодні — транзакція з’явиться у своєму періоді, коли настане цей день.</translation>
    </message>
</context>
<context>
    <name>AppOptions</name>
    <message>
        <source>--locale needs a value, such as uk_UA.</source>
        <translation>--locale потребує значення, наприклад uk_UA.</translation>
    </message>
    <message>
        <source>Unknown locale “%1”.</source>
        <translation>Невідома локаль «%1».</translation>
    </message>
    <message>
        <source>Unknown option “%1”. Try --help.</source>
        <translation>Невідомий параметр «%1». Спробуйте --help.</translation>
    </message>
    <message>
        <source>Usage: tallyra [--sample-data | --empty] [--no-welcome] [--locale ID]

  --sample-data   open the built-in sample ledger; nothing is saved
  --empty         start with an empty ledger; nothing is saved
  --no-welcome    don’t offer the welcome sheet
  --locale ID     language and formats for this run, such as uk_UA
</source>
        <translation>Використання: tallyra [--sample-data | --empty] [--no-welcome] [--locale ID]

  --sample-data   відкрити вбудований зразок обліку; нічого не зберігається
  --empty         почати з порожнього обліку; нічого не зберігається
  --no-welcome    не пропонувати вітальне вікно
  --locale ID     мова й формати для цього запуску, наприклад uk_UA
</translation>
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
    <name>AppWriters</name>
    <message>
        <source>Couldn’t Redo</source>
        <translation>Не вдалося повторити</translation>
    </message>
    <message>
        <source>Couldn’t Undo</source>
        <translation>Не вдалося скасувати</translation>
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
    <name>CloudSync</name>
    <message>
        <source>The data on this computer syncs with the %1 sync environment, and this copy of Tallyra with %2.</source>
        <translation>Дані на цьому комп’ютері синхронізуються із середовищем синхронізації %1, а ця копія Tallyra — із %2.</translation>
    </message>
    <message>
        <source>Tallyra couldn’t tell which sync environment this copy syncs with, so syncing is off in it.</source>
        <translation>Tallyra не змогла визначити, з яким середовищем синхронізується ця копія, тому синхронізацію в ній вимкнено.</translation>
    </message>
    <message>
        <source>Saved on this computer — sync couldn’t start</source>
        <translation>Збережено на цьому комп’ютері — синхронізацію не вдалося запустити</translation>
    </message>
    <message>
        <source>Saved on this computer — sync is off in this copy</source>
        <translation>Збережено на цьому комп’ютері — у цій копії синхронізацію вимкнено</translation>
    </message>
    <message>
        <source>Sample data — nothing is saved</source>
        <translation>Демонстраційні дані — нічого не зберігається</translation>
    </message>
    <message>
        <source>Saved on this computer — syncing is off</source>
        <translation>Збережено на цьому комп’ютері — синхронізацію вимкнено</translation>
    </message>
    <message>
        <source>Saved on this computer — sign in to sync</source>
        <translation>Збережено на цьому комп’ютері — увійдіть, щоб синхронізувати</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Синхронізовано</translation>
    </message>
    <message>
        <source>Couldn’t sync</source>
        <translation>Не вдалося синхронізувати</translation>
    </message>
    <message>
        <source>Sync is on</source>
        <translation>Синхронізацію увімкнено</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Синхронізація…</translation>
    </message>
</context>
<context>
    <name>DayOfMonth</name>
    <message>
        <source>%1</source>
        <comment>A day of the month in a picker: the number and its ordinal suffix (1st, 22nd)</comment>
        <translation>%1-е</translation>
    </message>
</context>
<context>
    <name>Destination</name>
    <message>
        <source>Overview</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Транзакції</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категорії</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Плани</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Рахунки</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
</context>
<context>
    <name>EmojiCatalog</name>
    <message>
        <source>Smileys &amp; People</source>
        <translation>Смайлики й люди</translation>
    </message>
    <message>
        <source>Animals &amp; Nature</source>
        <translation>Тварини й природа</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Їжа й напої</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Активності</translation>
    </message>
    <message>
        <source>Travel &amp; Places</source>
        <translation>Подорожі й місця</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Предмети</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Символи</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Прапори</translation>
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
    <name>MoneyDisplay</name>
    <message>
        <source>%1M</source>
        <comment>millions on a chart axis: 1.2M</comment>
        <translation>%1 млн</translation>
    </message>
    <message>
        <source>%1k</source>
        <comment>thousands on a chart axis: 12.5k</comment>
        <translation>%1 тис.</translation>
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
    <name>ShellTexts</name>
    <message>
        <source>Welcome to Tallyra</source>
        <translation>Ласкаво просимо до Tallyra</translation>
    </message>
    <message>
        <source>The Whole Picture</source>
        <translation>Уся картина</translation>
    </message>
    <message>
        <source>Net worth, income and spending for any period, next to the same days of the period before.</source>
        <translation>Капітал, доходи й витрати за будь-який період поруч із тими самими днями попереднього періоду.</translation>
    </message>
    <message>
        <source>Recorded in Seconds</source>
        <translation>Запис за секунди</translation>
    </message>
    <message>
        <source>Press Ctrl+N on any screen, type the amount, pick a category and press Enter.</source>
        <translation>Натисніть Ctrl+N на будь-якому екрані, введіть суму, виберіть категорію й натисніть Enter.</translation>
    </message>
    <message>
        <source>Categories Your Way</source>
        <translation>Категорії на ваш смак</translation>
    </message>
    <message>
        <source>Up to four levels, each with its color and an emoji, a symbol or a picture of your own.</source>
        <translation>До чотирьох рівнів, кожна зі своїм кольором та емодзі, символом або власним зображенням.</translation>
    </message>
    <message>
        <source>Private by Design</source>
        <translation>Приватність від початку</translation>
    </message>
    <message>
        <source>Everything stays in one database on this computer. No sign-up, no ads, no tracking.</source>
        <translation>Усе зберігається в одній базі даних на цьому комп’ютері. Без реєстрації, реклами й стеження.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Track what you earn and spend across all your accounts and currencies. Your data lives in one database on this computer — there are no Tallyra servers and no separate account.</source>
        <translation>Відстежуйте доходи й витрати на всіх рахунках і в усіх валютах. Ваші дані зберігаються в одній базі даних на цьому комп’ютері — жодних серверів Tallyra й жодного окремого облікового запису.</translation>
    </message>
    <message>
        <source>Add an account</source>
        <translation>Додайте рахунок</translation>
    </message>
    <message>
        <source>A bank account, card, cash or savings — with what it holds today.</source>
        <translation>Банківський рахунок, картка, готівка чи заощадження — з тим, що на них сьогодні.</translation>
    </message>
    <message>
        <source>Record a transaction</source>
        <translation>Запишіть транзакцію</translation>
    </message>
    <message>
        <source>Expenses, income and transfers between accounts. Ctrl+N works on every screen.</source>
        <translation>Витрати, доходи й перекази між рахунками. Ctrl+N працює на кожному екрані.</translation>
    </message>
    <message>
        <source>You can undo this with Ctrl+Z.</source>
        <translation>Це можна скасувати за допомогою Ctrl+Z.</translation>
    </message>
    <message>
        <source>New Transaction (Ctrl+N)</source>
        <translation>Нова транзакція (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add Account (Ctrl+Shift+N)</source>
        <translation>Додати рахунок (Ctrl+Shift+N)</translation>
    </message>
    <message>
        <source>Previous Period (Ctrl+[)</source>
        <translation>Попередній період (Ctrl+[)</translation>
    </message>
    <message>
        <source>Next Period (Ctrl+])</source>
        <translation>Наступний період (Ctrl+])</translation>
    </message>
    <message>
        <source>Net worth and account balances show as •••; transactions stay readable (Ctrl+Shift+B)</source>
        <translation>Капітал і баланси рахунків показано як •••; транзакції лишаються видимими (Ctrl+Shift+B)</translation>
    </message>
    <message>
        <source>Sample data isn’t kept in a file</source>
        <translation>Демонстраційні дані не зберігаються у файлі</translation>
    </message>
    <message>
        <source>A copy of everything, receipts and pictures included</source>
        <translation>Копія всього, разом із чеками й зображеннями</translation>
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
    <name>QObject</name>
    <message>
        <source>Couldn’t read your data</source>
        <translation>Не вдалося прочитати ваші дані</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>--today needs a day such as 2026-12-10.</source>
        <translation>--today потребує дня, наприклад 2026-12-10.</translation>
    </message>
    <message>
        <source>--screenshots needs the folder to write the pictures to.</source>
        <translation>--screenshots потребує теки, куди записати зображення.</translation>
    </message>
    <message>
        <source>  --today YYYY-MM-DD  act as if today were that day
  --screenshots DIR   render every screen and sheet to DIR as PNG files and quit
                      (an empty ledger unless --sample-data is given)
  --rates FILE        take exchange rates from FILE instead of the banks
</source>
        <translation>  --today РРРР-ММ-ДД  вважати сьогоднішнім цей день
  --screenshots ТЕКА  намалювати кожен екран і аркуш у ТЕКУ як PNG і завершити роботу
                      (порожній облік, якщо не задано --sample-data)
  --rates ФАЙЛ        брати курси валют із ФАЙЛУ, а не з банків
</translation>
    </message>
    <message>
        <source>--rates needs a rates file such as rates.json.</source>
        <translation>--rates потребує файлу курсів, наприклад rates.json.</translation>
    </message>
</context>
<context>
    <name>tallyra::app::CommandActions</name>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Скасувати: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторити: %1</translation>
    </message>
</context>
<context>
    <name>tallyra::app::DataTasks</name>
    <message>
        <source>Tallyra Transactions %1.csv</source>
        <translation>Операції Tallyra %1.csv</translation>
    </message>
    <message>
        <source>Export Transactions</source>
        <translation>Експорт операцій</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експортувати</translation>
    </message>
    <message>
        <source>Choose where to keep the backup</source>
        <translation>Виберіть, де зберігати резервну копію</translation>
    </message>
    <message>
        <source>Back Up Here</source>
        <translation>Зберегти копію тут</translation>
    </message>
    <message>
        <source>The file couldn’t be written. Check that the folder exists and that you may write to it.</source>
        <translation>Не вдалося записати файл. Перевірте, що тека існує і ви можете в неї писати.</translation>
    </message>
    <message>
        <source>Couldn’t Export</source>
        <translation>Не вдалося експортувати</translation>
    </message>
    <message>
        <source>Exported the transactions to %1</source>
        <translation>Операції експортовано у %1</translation>
    </message>
    <message>
        <source>Couldn’t Back Up</source>
        <translation>Не вдалося створити резервну копію</translation>
    </message>
    <message>
        <source>Backed up to “%1”</source>
        <translation>Резервну копію збережено в «%1»</translation>
    </message>
</context>
<context>
    <name>tallyra::app::FirstRunView</name>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Welcome to Tallyra</source>
        <translation>Вітаємо в Tallyra</translation>
    </message>
    <message>
        <source>Track what you earn and spend across all your accounts and currencies. Your data lives in a local database on this computer — there are no Tallyra servers and no separate account.</source>
        <translation>Стежте за доходами й витратами на всіх рахунках і в усіх валютах. Ваші дані зберігаються в локальній базі на цьому комп’ютері — жодних серверів Tallyra і жодного окремого облікового запису.</translation>
    </message>
    <message>
        <source>Add an account</source>
        <translation>Додайте рахунок</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Додати рахунок</translation>
    </message>
    <message>
        <source>A bank account, card, cash or savings — with what it holds today.</source>
        <translation>Банківський рахунок, картка, готівка чи заощадження — з тим, що на них сьогодні.</translation>
    </message>
    <message>
        <source>Record a transaction</source>
        <translation>Запишіть операцію</translation>
    </message>
    <message>
        <source>Expenses, income and transfers between accounts. %1 works on every screen.</source>
        <translation>Витрати, доходи й перекази між рахунками. %1 працює на кожному екрані.</translation>
    </message>
    <message>
        <source>New Transaction…</source>
        <translation>Нова операція…</translation>
    </message>
    <message>
        <source>Add an account first</source>
        <translation>Спершу додайте рахунок</translation>
    </message>
</context>
<context>
    <name>tallyra::app::MainWindow</name>
    <message>
        <source>Screen actions</source>
        <translation>Дії екрана</translation>
    </message>
    <message>
        <source>New Transaction (%1)</source>
        <translation>Нова операція (%1)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Deleted 3 transactions</source>
        <translation>Видалено 3 операції</translation>
    </message>
    <message>
        <source>The store is busy with another change. Try again in a moment.</source>
        <translation>Сховище зайняте іншою зміною. Спробуйте ще раз за мить.</translation>
    </message>
    <message>
        <source>The data file is damaged or was made by a newer version of Tallyra.</source>
        <translation>Файл даних пошкоджено або його створено новішою версією Tallyra.</translation>
    </message>
</context>
<context>
    <name>tallyra::app::MessageBar</name>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>tallyra::app::NetWorthCard</name>
    <message>
        <source>Net Worth</source>
        <translation>Чиста вартість</translation>
    </message>
    <message numerus="yes">
        <source>%n accounts aren’t counted: no rate</source>
        <translation>
            <numerusform>%n рахунок не враховано: немає курсу</numerusform>
            <numerusform>%n рахунки не враховано: немає курсу</numerusform>
            <numerusform>%n рахунків не враховано: немає курсу</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallyra::app::PeriodSwitcher</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Previous Period</source>
        <translation>Попередній період</translation>
    </message>
    <message>
        <source>Next Period</source>
        <translation>Наступний період</translation>
    </message>
    <message>
        <source>Choose the length of the period</source>
        <translation>Виберіть тривалість періоду</translation>
    </message>
    <message>
        <source>Period length</source>
        <translation>Тривалість періоду</translation>
    </message>
    <message>
        <source>Period: %1</source>
        <translation>Період: %1</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Тиждень</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>3 Months</source>
        <translation>3 місяці</translation>
    </message>
    <message>
        <source>6 Months</source>
        <translation>6 місяців</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Рік</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Весь час</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 днів</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 днів</translation>
    </message>
    <message>
        <source>90 Days</source>
        <translation>90 днів</translation>
    </message>
    <message>
        <source>12 Months</source>
        <translation>12 місяців</translation>
    </message>
</context>
<context>
    <name>tallyra::app::SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Main currency</source>
        <translation>Основна валюта</translation>
    </message>
    <message>
        <source>Totals, net worth and charts; accounts keep their own currencies</source>
        <translation>Підсумки, чиста вартість і графіки; рахунки зберігають свої валюти</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Hide cents</source>
        <translation>Приховати копійки</translation>
    </message>
    <message>
        <source>Round every amount on screen; editing and exports keep the cents</source>
        <translation>Округлювати всі суми на екрані; редагування й експорт зберігають копійки</translation>
    </message>
    <message>
        <source>Hide balances</source>
        <translation>Приховати залишки</translation>
    </message>
    <message>
        <source>Net worth and account balances show as •••; transactions stay readable (%1)</source>
        <translation>Чиста вартість і залишки рахунків показуються як •••; операції лишаються видимими (%1)</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>A short sound when a new transaction is saved: one for an expense, income and a transfer</source>
        <translation>Короткий звук після збереження нової операції: свій для витрати, доходу й переказу</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Періоди</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Тиждень починається з</translation>
    </message>
    <message>
        <source>Month starts on</source>
        <translation>Місяць починається</translation>
    </message>
    <message>
        <source>Set this to your payday so every month starts with your salary</source>
        <translation>Вкажіть день зарплати, щоб кожен місяць починався з неї</translation>
    </message>
    <message>
        <source>Rolling</source>
        <translation>Ковзні</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарні</translation>
    </message>
    <message>
        <source>Rolling periods end today (the last 30 days); calendar periods are whole weeks and months</source>
        <translation>Ковзні періоди закінчуються сьогодні (останні 30 днів); календарні — це цілі тижні й місяці</translation>
    </message>
    <message>
        <source>Default period</source>
        <translation>Типовий період</translation>
    </message>
    <message>
        <source>Overview, Transactions, Categories and Accounts open on this period</source>
        <translation>Огляд, Операції, Категорії та Рахунки відкриваються на цьому періоді</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Операції</translation>
    </message>
    <message>
        <source>Show time in lists</source>
        <translation>Показувати час у списках</translation>
    </message>
    <message>
        <source>Otherwise the order within a day tells when it happened</source>
        <translation>Інакше про час говорить порядок у межах дня</translation>
    </message>
    <message>
        <source>Suggest a category from the contact</source>
        <translation>Пропонувати категорію за контактом</translation>
    </message>
    <message>
        <source>Picking a person fills the category used with them last time</source>
        <translation>Вибір людини підставляє категорію, вжиту з нею минулого разу</translation>
    </message>
    <message>
        <source>Track cleared status</source>
        <translation>Відстежувати підтвердження</translation>
    </message>
    <message>
        <source>Mark transactions as they appear on your statement; off keeps the editors simpler</source>
        <translation>Позначайте операції, коли вони з’являються у виписці; вимкнено — редактори простіші</translation>
    </message>
    <message>
        <source>Exchange Rates</source>
        <translation>Курси валют</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Оновити зараз</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Курси валют</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дані</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Експортувати…</translation>
    </message>
    <message>
        <source>Export transactions</source>
        <translation>Експорт операцій</translation>
    </message>
    <message>
        <source>Every transaction as a CSV file</source>
        <translation>Усі операції як файл CSV</translation>
    </message>
    <message>
        <source>Back Up…</source>
        <translation>Створити копію…</translation>
    </message>
    <message>
        <source>Back up data</source>
        <translation>Резервна копія даних</translation>
    </message>
    <message>
        <source>Sample data isn’t kept in a file</source>
        <translation>Демонстраційні дані не зберігаються у файлі</translation>
    </message>
    <message>
        <source>A copy of everything, receipts and pictures included</source>
        <translation>Копія всього, разом із чеками й зображеннями</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Приватність</translation>
    </message>
</context>
<context>
    <name>tallyra::app::SettingsViewModel</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Оновлено %1</translation>
    </message>
    <message>
        <source>Not loaded yet</source>
        <translation>Ще не завантажено</translation>
    </message>
    <message>
        <source>Couldn’t refresh rates: %1</source>
        <translation>Не вдалося оновити курси: %1</translation>
    </message>
    <message>
        <source>; totals are shown in %1</source>
        <translation>; підсумки показано в %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>tallyra::app::Sheet</name>
    <message>
        <source>Discard changes?</source>
        <translation>Відкинути зміни?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Відкинути</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Редагувати далі</translation>
    </message>
</context>
<context>
    <name>tallyra::app::Sidebar</name>
    <message>
        <source>Sidebar</source>
        <translation>Бічна панель</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Пошук операцій</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Екрани</translation>
    </message>
</context>
<context>
    <name>tallyra::app::SidebarModel</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>tallyra::app::StoreFailurePage</name>
    <message>
        <source>Couldn’t read your data</source>
        <translation>Не вдалося прочитати ваші дані</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Спробувати знову</translation>
    </message>
</context>
<context>
    <name>tallyra::app::Toast</name>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>tallyra::app::WelcomeSheet</name>
    <message>
        <source>Welcome to Tallyra</source>
        <translation>Вітаємо в Tallyra</translation>
    </message>
    <message>
        <source>The Whole Picture</source>
        <translation>Уся картина</translation>
    </message>
    <message>
        <source>Net worth, income and spending for any period, next to the same days of the period before.</source>
        <translation>Чиста вартість, доходи й витрати за будь-який період поруч із тими самими днями попереднього.</translation>
    </message>
    <message>
        <source>Recorded in Seconds</source>
        <translation>Запис за секунди</translation>
    </message>
    <message>
        <source>Press %1 on any screen, type the amount, pick a category and press Return.</source>
        <translation>Натисніть %1 на будь-якому екрані, введіть суму, виберіть категорію й натисніть Enter.</translation>
    </message>
    <message>
        <source>Categories Your Way</source>
        <translation>Категорії на ваш смак</translation>
    </message>
    <message>
        <source>Up to four levels, each with its color and an emoji, a symbol or a picture of your own.</source>
        <translation>До чотирьох рівнів, кожен зі своїм кольором і емодзі, символом чи власним зображенням.</translation>
    </message>
    <message>
        <source>Private by Design</source>
        <translation>Приватність за задумом</translation>
    </message>
    <message>
        <source>Everything stays in a local database on this computer. No sign-up, no ads, no tracking.</source>
        <translation>Усе лишається в локальній базі на цьому комп’ютері. Без реєстрації, реклами й стеження.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
</context>
<context>
    <name>tallyra::app::AlertSheet</name>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <source>Sample data — nothing is saved</source>
        <translation>Демонстраційні дані — нічого не зберігається</translation>
    </message>
    <message>
        <source>Saved on this computer — syncing is off</source>
        <translation>Збережено на цьому комп’ютері — синхронізацію вимкнено</translation>
    </message>
    <message>
        <source>Everything lives in one database on this computer. There are no Tallyra servers and no separate account.</source>
        <translation>Усе зберігається в одній базі даних на цьому комп’ютері. Жодних серверів Tallyra й жодного окремого облікового запису.</translation>
    </message>
</context>
<context>
    <name>TransactionEditor</name>
    <message>
        <source>Add Expense</source>
        <translation>Нова витрата</translation>
    </message>
    <message>
        <source>Edit Expense</source>
        <translation>Зміна витрати</translation>
    </message>
    <message>
        <source>Add Income</source>
        <translation>Новий дохід</translation>
    </message>
    <message>
        <source>Edit Income</source>
        <translation>Зміна доходу</translation>
    </message>
    <message>
        <source>Add Transfer</source>
        <translation>Новий переказ</translation>
    </message>
    <message>
        <source>Edit Transfer</source>
        <translation>Зміна переказу</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Надійшло</translation>
    </message>
    <message>
        <source> · empty = today’s rate</source>
        <translation> · порожнє = сьогоднішній курс</translation>
    </message>
</context>
<context>
    <name>TransactionRow</name>
    <message>
        <source>Transfer</source>
        <translation>Переказ</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Без категорії</translation>
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
