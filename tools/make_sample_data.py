#!/usr/bin/env python3
"""Writes the sample ledger (core/services/sample/*.json): a believable year of
one person's money in UAH, USD and EUR. Deterministic: the same files every run.

    python3 tools/make_sample_data.py
"""
import datetime as dt
import json
import os
import random

OUT = os.path.join(os.path.dirname(__file__), "..", "core", "services", "sample")
FIRST = dt.date(2025, 12, 1)
LAST = dt.date(2026, 11, 30)
rng = random.Random(20261130)

ACCOUNTS = [
    # name, group, detail, color, symbol, currency
    ("Monobank Black", "bank", "Salary card", "#1C7ED6", "creditcard.fill", "UAH"),
    ("Cash", "cash", "Wallet", "#2E9D4E", "banknote.fill", "UAH"),
    ("Savings Deposit", "savings", "PrivatBank, 14% a year", "#0F8F9C", "building.columns.fill", "UAH"),
    ("Credit Card", "credit", "Universal, limit 50 000", "#D6336C", "creditcard.and.123", "UAH"),
    ("Wise USD", "bank", "Freelance income", "#5B6BD8", "dollarsign.circle.fill", "USD"),
    ("Euro Cash", "cash", "Travel money", "#A87C00", "eurosign.circle.fill", "EUR"),
    ("Brokerage", "investments", "Index funds", "#8E5BD8", "chart.line.uptrend.xyaxis", "USD"),
]
OPENING = {"Monobank Black": 18250.40, "Cash": 3200, "Savings Deposit": 85000, "Credit Card": -4300,
           "Wise USD": 1450, "Euro Cash": 120, "Brokerage": 5200}

ROOTS = [
    ("Food", "expense", "bag.fill", "#2E9D4E", [("Groceries", "basket.fill"), ("Restaurants", "fork.knife"),
                                               ("Coffee", "cup.and.saucer.fill"), ("Delivery", "takeoutbag.and.cup.and.straw.fill")]),
    ("Home", "expense", "house.fill", "#8E5BD8", [("Rent", "key.fill"), ("Utilities", "bolt.fill"), ("Internet", "wifi"), ("Repairs", "hammer.fill")]),
    ("Transport", "expense", "car.fill", "#1C7ED6", [("Fuel", "fuelpump.fill"), ("Taxi", "car.side.fill"), ("Public Transport", "tram.fill"),
                                                    ("Parking", "parkingsign"), ("Car Service", "wrench.fill")]),
    ("Shopping", "expense", "tag.fill", "#0F8F9C", [("Clothes", "tshirt.fill"), ("Electronics", "iphone"), ("Household", "sparkles")]),
    ("Bills", "expense", "doc.text.fill", "#A87C00", [("Phone", "phone.fill"), ("Subscriptions", "play.rectangle.fill"), ("Insurance", "shield.fill")]),
    ("Health", "expense", "cross.case.fill", "#D93838", [("Pharmacy", "pills.fill"), ("Doctor", "stethoscope"), ("Sport", "dumbbell.fill")]),
    ("Fun", "expense", "play.fill", "#D6336C", [("Movies & Events", "film.fill"), ("Games", "gamecontroller.fill"), ("Hobbies", "paintbrush.fill"), ("Travel", "airplane")]),
    ("Personal Care", "expense", "scissors", "#E07A0B", []),
    ("Education", "expense", "graduationcap.fill", "#5B6BD8", []),
    ("Gifts", "expense", "gift.fill", "#D6336C", []),
    ("Pets", "expense", "pawprint.fill", "#E07A0B", []),
    ("Taxes & Fees", "expense", "percent", "#7D8590", []),
    ("Salary", "income", "banknote.fill", "#2E9D4E", []),
    ("Freelance", "income", "briefcase.fill", "#0F8F9C", []),
    ("Interest & Dividends", "income", "chart.line.uptrend.xyaxis", "#5B6BD8", []),
    ("Gifts Received", "income", "gift.fill", "#D6336C", []),
    ("Refunds", "income", "arrow.uturn.backward", "#7D8590", []),
    ("Savings", "transfer", "building.columns.fill", "#2E9D4E", []),
    ("Card Payment", "transfer", "creditcard.fill", "#D6336C", []),
    ("Investments", "transfer", "chart.line.uptrend.xyaxis", "#8E5BD8", []),
    ("Cash Withdrawal", "transfer", "banknote.fill", "#7D8590", []),
]
DEEPER = [("Fun/Travel", "Flights", "airplane.departure", None), ("Fun/Travel", "Hotels", "bed.double.fill", None),
          ("Fun/Travel/Hotels", "Hostels", None, "🛏️")]


def categories():
    out = []
    for name, kind, symbol, color, children in ROOTS:
        out.append({"path": name, "name": name, "color": color, "level": 1, "kind": kind,
                    "icon": {"kind": "symbol", "sfSymbol": symbol}})
        for child, child_symbol in children:
            out.append({"path": f"{name}/{child}", "name": child, "color": color, "parent": name, "level": 2,
                        "kind": kind, "icon": {"kind": "symbol", "sfSymbol": child_symbol}})
    for parent, name, symbol, emoji in DEEPER:
        icon = {"kind": "emoji", "emoji": emoji} if emoji else {"kind": "symbol", "sfSymbol": symbol}
        out.append({"path": f"{parent}/{name}", "name": name, "color": "#D6336C", "parent": parent,
                    "level": parent.count("/") + 2, "kind": "expense", "icon": icon})
    return out


txns = []


def add(day, kind, account, amount, payee, category=None, time=None, to=None, to_amount=None, note=None,
        tags=None, cleared=True):
    record = {"id": 0, "date": day.isoformat(), "time": time or "", "kind": kind, "payee": payee,
              "account": account, "amount": round(amount, 2)}
    if category:
        record["category"] = category
    if to:
        record["toAccount"] = to
    if to_amount is not None:
        record["toAmount"] = round(to_amount, 2)
    if note:
        record["note"] = note
    if tags:
        record["tags"] = tags
    if not cleared:
        record["cleared"] = False
    txns.append(record)


def clock(lo, hi):
    minutes = rng.randint(lo * 60, hi * 60 - 1)
    return f"{minutes // 60:02d}:{minutes % 60:02d}"


def price(lo, hi, step=0.5):
    return round(rng.uniform(lo, hi) / step) * step


day = FIRST
while day <= LAST:
    wd = day.weekday()
    # Monthly rhythm.
    if day.day == 5:
        add(day, "income", "Monobank Black", 68500, "Acme Software", "Salary", "09:15", note="Monthly salary")
    if day.day == 1:
        add(day, "expense", "Monobank Black", 16000, "Landlord", "Home/Rent", "10:00")
        add(day, "transfer", "Monobank Black", 8000, "Monthly saving", "Savings", "10:05", to="Savings Deposit")
    if day.day == 12:
        add(day, "expense", "Monobank Black", price(1800, 4200, 1), "Kyivenergo & Vodokanal", "Home/Utilities")
        add(day, "expense", "Monobank Black", 350, "Kyivstar", "Bills/Phone")
        add(day, "expense", "Monobank Black", 400, "Volia", "Home/Internet")
    if day.day == 15:
        add(day, "expense", "Credit Card", 11.99, "Netflix", "Bills/Subscriptions", "03:12", note="Paid in USD, billed in UAH at 497.66",)
        txns[-1]["amount"] = 497.66
        add(day, "expense", "Credit Card", 239, "Spotify", "Bills/Subscriptions", "03:14")
    if day.day == 20:
        # Pays the card off in full: everything spent on it since the last payment.
        owed = sum(t["amount"] for t in txns if t["account"] == "Credit Card" and t["kind"] == "expense"
                   and t.get("paid") is None)
        for t in txns:
            if t["account"] == "Credit Card":
                t["paid"] = True
        add(day, "transfer", "Monobank Black", owed, "Card repayment", "Card Payment", "18:30", to="Credit Card")
    if day.day == 28 and day.month % 2 == 0:
        usd = price(600, 1400, 10)
        add(day, "income", "Wise USD", usd, "Upwork client", "Freelance", "16:40", tags=["freelance"])
    if day.day == 2 and day.month in (1, 4, 7, 10):
        add(day, "transfer", "Wise USD", 500, "Index fund top-up", "Investments", "12:00", to="Brokerage")
        add(day, "income", "Brokerage", price(15, 45, 0.01), "Dividends", "Interest & Dividends")
    if day.day == 31 or (day.month in (4, 6, 9, 11) and day.day == 30) or (day.month == 2 and day.day == 28):
        add(day, "income", "Savings Deposit", price(900, 1100, 0.01), "PrivatBank", "Interest & Dividends", note="Deposit interest")
    # Weekly rhythm.
    if wd in (1, 5):
        add(day, "expense", rng.choice(["Monobank Black", "Credit Card"]), price(650, 1900), rng.choice(["Silpo", "ATB", "Novus", "Auchan"]),
            "Food/Groceries", clock(17, 21))
    if wd < 5 and rng.random() < 0.55:
        add(day, "expense", rng.choice(["Monobank Black", "Cash"]), price(65, 140, 5), rng.choice(["Aroma Kava", "Lviv Croissants", "One Love Coffee"]),
            "Food/Coffee", clock(8, 11))
    if wd >= 4 and rng.random() < 0.5:
        add(day, "expense", "Credit Card", price(450, 1800, 10), rng.choice(["Puzata Hata", "Musafir", "Ostannya Barykada", "Kanapa"]),
            "Food/Restaurants", clock(19, 22), tags=["weekend"] if wd >= 5 else None)
    if rng.random() < 0.12:
        add(day, "expense", "Monobank Black", price(280, 650, 1), rng.choice(["Glovo", "Bolt Food"]), "Food/Delivery", clock(19, 23))
    if rng.random() < 0.15:
        add(day, "expense", "Monobank Black", price(120, 420, 1), rng.choice(["Uklon", "Bolt"]), "Transport/Taxi", clock(7, 23))
    if wd == 6 and rng.random() < 0.6:
        add(day, "expense", "Credit Card", price(1200, 2200, 1), rng.choice(["OKKO", "WOG", "SOCAR"]), "Transport/Fuel", clock(10, 18))
    if wd < 5 and rng.random() < 0.3:
        add(day, "expense", "Cash", 8, "Kyiv Metro", "Transport/Public Transport")
    if rng.random() < 0.04:
        add(day, "expense", "Monobank Black", price(180, 900, 1), rng.choice(["Apteka Dobroho Dnia", "Podorozhnyk"]), "Health/Pharmacy", clock(9, 20))
    if rng.random() < 0.05:
        add(day, "expense", "Credit Card", price(600, 3500, 10), rng.choice(["Rozetka", "Epicentr", "Eva"]), "Shopping/Household", clock(10, 21))
    if day.day == 3:
        add(day, "expense", "Monobank Black", 1100, "Sport Life", "Health/Sport")
    if day.day == 9 and day.month % 3 == 0:
        add(day, "transfer", "Monobank Black", 3000, "ATM", "Cash Withdrawal", "13:10", to="Cash")
    if day.day == 22 and rng.random() < 0.5:
        add(day, "expense", "Cash", price(400, 700, 50), "Barbershop", "Personal Care")
    if day.day == 18 and rng.random() < 0.7:
        add(day, "expense", "Monobank Black", price(700, 1300, 10), "Zoomagazyn", "Pets", clock(11, 19))
    day += dt.timedelta(days=1)

# One-off events of the year.
add(dt.date(2025, 12, 20), "expense", "Credit Card", 5400, "Rozetka", "Gifts", "20:15", note="New Year presents", tags=["holidays"])
add(dt.date(2025, 12, 31), "income", "Cash", 2000, "Grandma", "Gifts Received", note="New Year")
add(dt.date(2026, 2, 14), "expense", "Credit Card", 2600, "Kanapa", "Food/Restaurants", "20:30", tags=["date"])
add(dt.date(2026, 3, 10), "expense", "Monobank Black", 38999, "Comfy", "Shopping/Electronics", "14:05", note="Laptop, 0% for 4 months")
add(dt.date(2026, 3, 25), "income", "Monobank Black", 1250, "Comfy", "Refunds", note="Price protection")
add(dt.date(2026, 4, 17), "expense", "Monobank Black", 6200, "Bosch Service", "Transport/Car Service", "11:00")
add(dt.date(2026, 5, 6), "expense", "Monobank Black", 3200, "Prometheus", "Education", note="Data course")
add(dt.date(2026, 6, 1), "expense", "Monobank Black", 4800, "Tax office", "Taxes & Fees", note="Single tax, Q1–Q2")
# Summer trip to Kraków and Vienna, paid in euros.
add(dt.date(2026, 7, 1), "transfer", "Wise USD", 700, "Wise conversion", None, "09:00", to="Euro Cash", to_amount=598.40)
add(dt.date(2026, 7, 2), "expense", "Monobank Black", 9800, "Ryanair", "Fun/Travel/Flights", "09:30", tags=["trip", "vacation"])
add(dt.date(2026, 7, 10), "expense", "Euro Cash", 312, "Hotel Stary", "Fun/Travel/Hotels", "15:00", tags=["trip", "vacation"])
add(dt.date(2026, 7, 13), "expense", "Euro Cash", 96, "Wombat's City Hostel", "Fun/Travel/Hotels/Hostels", "16:20", tags=["trip"])
for i, (payee, amount) in enumerate([("Pod Wawelem", 42.5), ("Café Central", 27.8), ("Figlmüller", 58.0), ("Naschmarkt", 19.4)]):
    add(dt.date(2026, 7, 10 + i), "expense", "Euro Cash", amount, payee, "Food/Restaurants", clock(13, 21), tags=["trip", "vacation"])
add(dt.date(2026, 7, 14), "expense", "Euro Cash", 35, "Albertina", "Fun/Movies & Events", "11:00", tags=["trip"])
add(dt.date(2026, 9, 1), "expense", "Monobank Black", 2100, "Kyiv Zoo & Co", "Fun/Hobbies", tags=["family"])
add(dt.date(2026, 10, 24), "expense", "Credit Card", 1450, "Atlas Weekend", "Fun/Movies & Events", "19:00")
add(dt.date(2026, 11, 27), "expense", "Credit Card", 2350, "Steam", "Fun/Games", "23:40", note="Autumn sale", cleared=False)
add(dt.date(2026, 11, 29), "expense", "Monobank Black", 1780, "Silpo", "Food/Groceries", "", cleared=False)

for t in txns:
    t.pop("paid", None)
txns.sort(key=lambda t: (t["date"], t["time"] or "12:00"))
for i, t in enumerate(txns, 1):
    t["id"] = i

# What each account holds at the end: the opening plus every movement.
balance = dict(OPENING)
for t in txns:
    a = t["amount"]
    if t["kind"] == "expense":
        balance[t["account"]] -= a
    elif t["kind"] == "income":
        balance[t["account"]] += a
    else:
        balance[t["account"]] -= a
        balance[t["toAccount"]] += t.get("toAmount", a)

accounts = []
for name, group, detail, color, symbol, currency in ACCOUNTS:
    record = {"name": name, "group": group, "detail": detail, "color": color, "sfSymbol": symbol,
              "balance": round(balance[name], 2), "currency": currency}
    accounts.append(record)
# Two reconciliations with the bank statement: the end of January matches
# the ledger; by the end of October 120 hryvnias of untracked spending showed
# up, so that balance change moves the balance by -120 from then on.
def held(name, until):
    b = OPENING[name]
    for t in txns:
        if t["date"] > until:
            break
        if t["account"] == name:
            b += t["amount"] if t["kind"] == "income" else -t["amount"]
        if t.get("toAccount") == name:
            b += t.get("toAmount", t["amount"])
    return round(b, 2)


accounts[0]["checkpoints"] = [{"date": "2026-01-31", "balance": held("Monobank Black", "2026-01-31")},
                              {"date": "2026-10-31", "balance": round(held("Monobank Black", "2026-10-31") - 120, 2)}]
accounts[0]["balance"] = round(accounts[0]["balance"] - 120, 2)

plans = {
    "budgets": [
        {"name": "Groceries", "emoji": "🛒", "limit": 9000, "categories": ["Groceries"]},
        {"name": "Eating Out", "emoji": "🍽️", "limit": 5000, "categories": ["Restaurants", "Coffee", "Delivery"]},
        {"name": "Getting Around", "emoji": "🚕", "limit": 4500, "categories": ["Transport"]},
        {"name": "Fun", "limit": 3000, "categories": ["Fun"]},
    ],
    "savingGoals": [
        {"name": "Emergency Fund", "emoji": "🛟", "saved": 60000, "target": 200000, "monthly": 8000, "deadline": "2027-12-31"},
        {"name": "Summer in Japan", "emoji": "🗾", "saved": 18000, "target": 90000, "monthly": 6000, "deadline": "2027-07-01"},
    ],
    "balanceGoals": [
        {"name": "Keep a cushion", "mode": "stayAbove", "emoji": "🧱", "accounts": ["Monobank Black"], "amount": 10000},
        {"name": "Clear the credit card", "mode": "reachBy", "deadline": "2027-03-31", "accounts": ["Credit Card"], "amount": 0},
        {"name": "Net worth 500k", "mode": "reachBy", "deadline": "2027-12-31", "accounts": "all", "amount": 500000},
    ],
    "challenges": [
        {"name": "No Delivery November", "category": "Delivery", "start": "2026-11-01", "end": "2026-11-30", "emoji": "🥡"},
    ],
}

os.makedirs(OUT, exist_ok=True)
for name, data in [("accounts", accounts), ("categories", categories()), ("transactions", txns), ("plans", plans)]:
    with open(os.path.join(OUT, f"{name}.json"), "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False, indent=1)
        f.write("\n")
print(len(accounts), "accounts,", len(categories()), "categories,", len(txns), "transactions")
