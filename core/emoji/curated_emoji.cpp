#include "emoji/curated_emoji.h"

#include <array>

namespace tallyra {

namespace {

// Keywords: English | Russian | Ukrainian. Sequences of several scalars
// carry their own English name.
constexpr std::array kCurated{
    CuratedEmoji{
        u"💰", u"money savings fund | деньги сбережения накопления | гроші заощадження накопичення"},
    CuratedEmoji{u"💵", u"cash dollar dollars money bills | наличные наличка доллары деньги | "
                       u"готівка долари гроші"},
    CuratedEmoji{
        u"💶",
        u"euro euros cash money bills | евро наличные деньги купюры | євро готівка гроші купюри"},
    CuratedEmoji{u"💷", u"pound pounds sterling cash money | фунт фунты стерлинги наличные | фунт "
                       u"фунти стерлінги готівка"},
    CuratedEmoji{u"💴", u"yen cash money bills | иена йена наличные деньги | єна готівка гроші"},
    CuratedEmoji{u"💸", u"spending expenses money payment outgoing | траты расходы деньги оплата | "
                       u"витрати видатки гроші оплата"},
    CuratedEmoji{u"💳", u"card credit debit bank payment | карта карточка кредитка банк оплата | "
                       u"картка кредитка банк оплата"},
    CuratedEmoji{
        u"🏦", u"bank account deposit | банк счёт счет вклад депозит | банк рахунок вклад депозит"},
    CuratedEmoji{u"🏧", u"atm cash withdrawal | банкомат снятие наличные | банкомат зняття готівка"},
    CuratedEmoji{
        u"🪙",
        u"coin coins change crypto | монета монеты мелочь крипта | монета монети дрібні крипта"},
    CuratedEmoji{u"💱", u"exchange currency fx | обмен валюта валюты | обмін валюта валюти"},
    CuratedEmoji{u"📈", u"growth investment investments stocks income | рост инвестиции акции доход "
                       u"| зростання інвестиції акції дохід"},
    CuratedEmoji{u"📉", u"loss decline drop | убыток падение снижение | збиток падіння зниження"},
    CuratedEmoji{u"📊", u"budget chart statistics report | бюджет график статистика отчёт отчет | "
                       u"бюджет графік статистика звіт"},
    CuratedEmoji{u"💹", u"market trading stocks exchange | рынок торговля акции биржа | ринок "
                       u"торгівля акції біржа"},
    CuratedEmoji{u"🐷", u"piggy bank savings | копилка сбережения | скарбничка копілка заощадження"},
    CuratedEmoji{u"💼", u"work job salary business briefcase | работа зарплата бизнес портфель | "
                       u"робота зарплата бізнес портфель"},
    CuratedEmoji{
        u"🤑",
        u"rich profit bonus | богатство прибыль премия бонус | багатство прибуток премія бонус"},
    CuratedEmoji{u"🧾", u"receipt bill invoice taxes | чек счёт счет квитанция налоги | чек "
                          u"рахунок квитанція податки"},
    CuratedEmoji{u"🏛️", u"government taxes institution fees | государство налоги учреждение "
                             u"пошлины | держава податки установа збори"},
    CuratedEmoji{u"🧮", u"accounting calculator abacus | бухгалтерия калькулятор счёты | "
                          u"бухгалтерія калькулятор рахівниця"},
    CuratedEmoji{
        u"📥",
        u"inbox income received incoming | входящие поступления доход | вхідні надходження дохід"},
    CuratedEmoji{u"🔁", u"repeat recurring subscription regular | повтор регулярный подписка | "
                       u"повтор регулярний підписка"},
    CuratedEmoji{u"🔄",
                 u"refund return transfer sync | возврат перевод обмен | повернення переказ обмін"},
    CuratedEmoji{u"🛡️", u"insurance protection policy | страховка страхование защита полис | "
                             u"страховка страхування захист поліс"},
    CuratedEmoji{u"⚖️", u"law legal lawyer court | закон юрист суд | закон юрист суд"},
    CuratedEmoji{u"🎗️", u"charity donation cause | благотворительность пожертвование | "
                             u"благодійність пожертва донат"},
    CuratedEmoji{u"💎",
                 u"jewelry luxury diamond | украшения роскошь бриллиант | прикраси розкіш діамант"},
    CuratedEmoji{
        u"🤝",
        u"deal debt loan agreement | сделка долг заём заем договор | угода борг позика договір"},
    CuratedEmoji{u"🛒", u"groceries shopping supermarket cart | продукты покупки супермаркет "
                          u"тележка | продукти покупки супермаркет візок"},
    CuratedEmoji{u"🍎", u"fruit apple food | фрукты яблоко еда | фрукти яблуко їжа"},
    CuratedEmoji{u"🥦", u"vegetables greens food healthy | овощи зелень еда | овочі зелень їжа"},
    CuratedEmoji{u"🍞", u"bread bakery | хлеб выпечка пекарня | хліб випічка пекарня"},
    CuratedEmoji{u"🥩", u"meat butcher steak | мясо мясная стейк | м'ясо м'ясна стейк"},
    CuratedEmoji{u"🧀", u"cheese dairy | сыр молочное | сир молочне"},
    CuratedEmoji{u"🥛", u"milk dairy | молоко молочное | молоко молочне"},
    CuratedEmoji{u"🍔", u"fast food burger | фастфуд бургер | фастфуд бургер"},
    CuratedEmoji{u"🍕", u"pizza delivery | пицца доставка | піца доставка"},
    CuratedEmoji{
        u"🍽️",
        u"restaurant dining eating out dinner | ресторан обед ужин | ресторан обід вечеря"},
    CuratedEmoji{u"🍴", u"cafe canteen meal food | кафе столовая еда | кафе їдальня їжа"},
    CuratedEmoji{u"🥡", u"takeaway takeout delivery | навынос доставка | на виніс доставка"},
    CuratedEmoji{u"🍱", u"lunch bento | обед ланч бенто | обід ланч бенто"},
    CuratedEmoji{u"🍜", u"noodles ramen soup | лапша рамен суп | локшина рамен суп"},
    CuratedEmoji{u"🍣", u"sushi rolls | суши роллы | суші роли"},
    CuratedEmoji{u"☕", u"coffee cafe | кофе кофейня | кава кав'ярня"},
    CuratedEmoji{u"🍵", u"tea teahouse | чай чайная | чай чайна"},
    CuratedEmoji{u"🧃", u"juice drinks | сок напитки | сік напої"},
    CuratedEmoji{u"🥤", u"soda soft drinks | газировка напитки | газована напої"},
    CuratedEmoji{u"🍺", u"beer bar pub | пиво бар паб | пиво бар паб"},
    CuratedEmoji{u"🍷", u"wine alcohol | вино алкоголь | вино алкоголь"},
    CuratedEmoji{u"🍸", u"cocktail bar drinks | коктейль бар напитки | коктейль бар напої"},
    CuratedEmoji{u"🍰", u"cake dessert sweets | торт десерт сладкое | торт десерт солодке"},
    CuratedEmoji{u"🍬", u"candy sweets | конфеты сладости | цукерки солодощі"},
    CuratedEmoji{u"🍦", u"ice cream dessert | мороженое десерт | морозиво десерт"},
    CuratedEmoji{
        u"🥐",
        u"pastry croissant breakfast | выпечка круассан завтрак | випічка круасан сніданок"},
    CuratedEmoji{u"🍳",
                 u"cooking breakfast kitchen | готовка завтрак кухня | готування сніданок кухня"},
    CuratedEmoji{u"🚗", u"car auto transport | машина авто транспорт | машина авто транспорт"},
    CuratedEmoji{u"🚙", u"car suv auto | машина внедорожник авто | машина позашляховик авто"},
    CuratedEmoji{
        u"⛽",
        u"fuel gas petrol diesel | топливо бензин заправка дизель | пальне бензин заправка дизель"},
    CuratedEmoji{u"🔌", u"charging electricity ev | зарядка электричество электромобиль | зарядка "
                       u"електрика електромобіль"},
    CuratedEmoji{u"🅿️", u"parking | парковка стоянка | паркування парковка стоянка"},
    CuratedEmoji{u"🚕", u"taxi cab ride | такси | таксі"},
    CuratedEmoji{
        u"🚌",
        u"bus public transport | автобус общественный транспорт | автобус громадський транспорт"},
    CuratedEmoji{u"🚇", u"metro subway underground | метро подземка | метро"},
    CuratedEmoji{u"🚆", u"train railway | поезд железная дорога электричка | потяг поїзд залізниця"},
    CuratedEmoji{u"🚊", u"tram | трамвай | трамвай"},
    CuratedEmoji{u"🚲", u"bicycle bike | велосипед | велосипед"},
    CuratedEmoji{u"🛴", u"scooter kick | самокат | самокат"},
    CuratedEmoji{u"🏍️", u"motorcycle motorbike | мотоцикл | мотоцикл"},
    CuratedEmoji{u"✈️", u"flight plane travel airline | перелёт перелет самолёт самолет "
                            u"путешествие | переліт літак подорож"},
    CuratedEmoji{u"🚢", u"ship cruise ferry | корабль круиз паром | корабель круїз пором"},
    CuratedEmoji{
        u"🔧",
        u"repair service maintenance | ремонт сервис обслуживание | ремонт сервіс обслуговування"},
    CuratedEmoji{u"🧽", u"car wash cleaning | мойка уборка | мийка прибирання"},
    CuratedEmoji{u"🛞", u"tires tyres wheel | шины колесо | шини колесо"},
    CuratedEmoji{u"🚦", u"traffic fines tickets | штрафы дорога | штрафи дорога"},
    CuratedEmoji{u"🛣️", u"toll road highway | платная дорога трасса | платна дорога траса"},
    CuratedEmoji{u"🏠", u"home rent housing | дом аренда жильё жилье | дім оренда житло"},
    CuratedEmoji{u"🏡", u"house mortgage | дом ипотека | будинок іпотека"},
    CuratedEmoji{u"🏢", u"office building rent | офис здание аренда | офіс будівля оренда"},
    CuratedEmoji{u"🔑", u"rent keys deposit | аренда ключи залог | оренда ключі застава"},
    CuratedEmoji{u"💡", u"electricity utilities light power | электричество коммуналка свет | "
                       u"електрика комуналка світло"},
    CuratedEmoji{u"💧", u"water utilities | вода коммуналка | вода комуналка"},
    CuratedEmoji{u"🔥", u"gas heating | газ отопление | газ опалення"},
    CuratedEmoji{u"📶", u"internet wifi broadband | интернет вайфай | інтернет вайфай"},
    CuratedEmoji{u"📱", u"phone mobile | телефон мобильный связь | телефон мобільний зв'язок"},
    CuratedEmoji{
        u"📺",
        u"tv streaming subscription | телевизор стриминг подписка | телевізор стримінг підписка"},
    CuratedEmoji{u"🛋️", u"furniture sofa | мебель диван | меблі диван"},
    CuratedEmoji{u"🧹", u"cleaning household | уборка хозяйство | прибирання господарство"},
    CuratedEmoji{u"🧺", u"laundry | стирка прачечная | прання пральня"},
    CuratedEmoji{u"🔨", u"renovation repair tools | ремонт инструменты | ремонт інструменти"},
    CuratedEmoji{u"🛠️",
                 u"hardware tools diy | инструменты мастерская | інструменти майстерня"},
    CuratedEmoji{u"🪴", u"plants garden | растения сад | рослини сад"},
    CuratedEmoji{u"🧴", u"toiletries cosmetics hygiene | гигиена косметика | гігієна косметика"},
    CuratedEmoji{
        u"🛍️",
        u"shopping purchases mall | покупки шопинг торговый центр | покупки шопінг торговий центр"},
    CuratedEmoji{u"👕", u"clothes clothing | одежда | одяг"},
    CuratedEmoji{u"👗", u"dress fashion | платье мода | сукня мода"},
    CuratedEmoji{u"👟", u"shoes sneakers | обувь кроссовки | взуття кросівки"},
    CuratedEmoji{u"👜", u"bag accessories | сумка аксессуары | сумка аксесуари"},
    CuratedEmoji{u"💄",
                 u"makeup cosmetics beauty | косметика макияж красота | косметика макіяж краса"},
    CuratedEmoji{u"💅", u"manicure nails beauty | маникюр ногти красота | манікюр нігті краса"},
    CuratedEmoji{u"💇",
                 u"haircut hairdresser salon | стрижка парикмахер салон | стрижка перукар салон"},
    CuratedEmoji{u"💈", u"barber barbershop | барбер барбершоп | барбер барбершоп"},
    CuratedEmoji{u"💍",
                 u"ring jewelry wedding | кольцо украшения свадьба | каблучка прикраси весілля"},
    CuratedEmoji{u"⌚", u"watch accessories | часы аксессуары | годинник аксесуари"},
    CuratedEmoji{u"💻", u"laptop computer electronics | ноутбук компьютер электроника | ноутбук "
                       u"комп'ютер електроніка"},
    CuratedEmoji{u"🖥️",
                 u"computer desktop electronics | компьютер электроника | комп'ютер електроніка"},
    CuratedEmoji{u"🎧", u"headphones music audio | наушники музыка | навушники музика"},
    CuratedEmoji{u"📷", u"camera photo | камера фото | камера фото"},
    CuratedEmoji{u"📦",
                 u"parcel delivery package post | посылка доставка почта | посилка доставка пошта"},
    CuratedEmoji{u"🏪", u"store shop convenience | магазин | магазин крамниця"},
    CuratedEmoji{u"🚬", u"cigarettes tobacco | сигареты табак | цигарки тютюн"},
    CuratedEmoji{u"💊",
                 u"pharmacy medicine pills | аптека лекарства таблетки | аптека ліки таблетки"},
    CuratedEmoji{u"🏥", u"hospital clinic | больница клиника | лікарня клініка"},
    CuratedEmoji{u"🩺", u"doctor checkup | врач осмотр | лікар огляд"},
    CuratedEmoji{u"🦷", u"dentist teeth | стоматолог зубы | стоматолог зуби"},
    CuratedEmoji{u"👓", u"glasses optician | очки оптика | окуляри оптика"},
    CuratedEmoji{u"🩹", u"first aid | аптечка пластырь | аптечка пластир"},
    CuratedEmoji{u"❤️", u"health love | здоровье любовь | здоров'я любов"},
    CuratedEmoji{u"🏋️", u"gym fitness | спортзал фитнес | спортзал фітнес"},
    CuratedEmoji{u"💪", u"sport training workout | спорт тренировка | спорт тренування"},
    CuratedEmoji{u"🧘", u"yoga meditation | йога медитация | йога медитація"},
    CuratedEmoji{u"⚽", u"football soccer sport | футбол спорт | футбол спорт"},
    CuratedEmoji{u"🏊", u"swimming pool | плавание бассейн | плавання басейн"},
    CuratedEmoji{u"🎾", u"tennis | теннис | теніс"},
    CuratedEmoji{u"💆", u"massage spa | массаж спа | масаж спа"},
    CuratedEmoji{u"🎬", u"cinema movies films | кино фильмы | кіно фільми"},
    CuratedEmoji{u"🍿", u"popcorn movies | попкорн кино | попкорн кіно"},
    CuratedEmoji{u"🎭", u"theatre theater | театр | театр"},
    CuratedEmoji{u"🎵", u"music subscription | музыка подписка | музика підписка"},
    CuratedEmoji{u"🎤", u"concert karaoke | концерт караоке | концерт караоке"},
    CuratedEmoji{u"🎟️", u"tickets events | билеты мероприятия | квитки події"},
    CuratedEmoji{u"🎉", u"party celebration | вечеринка праздник | вечірка свято"},
    CuratedEmoji{u"🎂", u"birthday cake | день рождения торт | день народження торт"},
    CuratedEmoji{u"🎁", u"gift present gifts | подарок подарки | подарунок подарунки"},
    CuratedEmoji{u"🎨", u"art hobby | искусство хобби | мистецтво хобі"},
    CuratedEmoji{u"🎮", u"games gaming | игры | ігри"},
    CuratedEmoji{u"🎲", u"board games | настольные игры | настільні ігри"},
    CuratedEmoji{u"🎰", u"casino gambling lottery | казино азарт лотерея | казино азарт лотерея"},
    CuratedEmoji{u"📚", u"books | книги | книжки книги"},
    CuratedEmoji{u"📖", u"reading book | чтение книга | читання книжка"},
    CuratedEmoji{u"🎓", u"education tuition university | образование учёба учеба университет | "
                       u"освіта навчання університет"},
    CuratedEmoji{u"🏫", u"school | школа | школа"},
    CuratedEmoji{u"✏️", u"stationery supplies | канцелярия | канцелярія"},
    CuratedEmoji{u"🧸", u"toys kids | игрушки дети | іграшки діти"},
    CuratedEmoji{u"👶", u"baby kids childcare | ребёнок ребенок дети | дитина діти"},
    CuratedEmoji{u"🐶", u"dog pet | собака питомец | собака улюбленець"},
    CuratedEmoji{u"🐱", u"cat pet | кошка кот питомец | кіт кішка улюбленець"},
    CuratedEmoji{u"🐾", u"pets vet | питомцы ветеринар | тварини ветеринар"},
    CuratedEmoji{u"🏖️", u"vacation beach holiday | отпуск пляж | відпустка пляж"},
    CuratedEmoji{u"🏨", u"hotel accommodation | отель гостиница | готель"},
    CuratedEmoji{u"🧳",
                 u"travel luggage trip | путешествие багаж поездка | подорож багаж поїздка"},
    CuratedEmoji{u"🗺️",
                 u"travel map tourism | путешествие карта туризм | подорож мапа туризм"},
    CuratedEmoji{u"⛺", u"camping tent | кемпинг палатка | кемпінг намет"},
    CuratedEmoji{
        u"☁️",
        u"cloud storage subscription | облако хранилище подписка | хмара сховище підписка"},
    CuratedEmoji{u"⭐", u"favorite star | избранное звезда | обране зірка"},
    CuratedEmoji{u"❓", u"other misc unknown | другое прочее | інше різне"},
    CuratedEmoji{u"📅", u"calendar monthly | календарь ежемесячно | календар щомісяця"},
    CuratedEmoji{u"🙏", u"thanks tips donation | спасибо чаевые | дякую чайові"},
    CuratedEmoji{
        u"🧑‍💻",
        u"freelance developer it technologist | фриланс разработчик айти | фріланс розробник айті",
        "technologist"},
    CuratedEmoji{u"🧑‍🏫",
                 u"teacher tutor lessons | учитель репетитор уроки | вчитель репетитор уроки",
                 "teacher"},
    CuratedEmoji{u"🧑‍⚕️", u"doctor medical health worker | врач медицина | лікар медицина",
                 "health worker"},
    CuratedEmoji{u"🧑‍🍳", u"cook chef | повар шеф | кухар шеф", "cook"},
};

} // namespace

std::span<const CuratedEmoji> curatedEmoji()
{
    return kCurated;
}

} // namespace tallyra
