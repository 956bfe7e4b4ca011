#!/usr/bin/env python3
"""Works out the expected results of the golden chambers in test_golden.cpp.

An independent model of the heat balance, written from the formulas and the
reference values (not from the C++ code). Every value the calculation holds in
single precision is rounded to single here with f32(); the formulas are
evaluated in double in the order the formulas give. Run it and paste the
printed tables into test_golden.cpp; the test does not run it.
"""
import math
import struct
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def num(text):
    return float(text.replace(",", "."))


def half_even(x, places=0):
    q = Decimal(1).scaleb(-places)
    return float(Decimal("%.15g" % x).quantize(q, rounding=ROUND_HALF_EVEN))


def fmt00(x):
    d = Decimal("%.15g" % x).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)
    if d == 0:
        d = abs(d)
    return str(d).replace(".", ",")


def plain(x, digits):
    s = "%.*g" % (digits, x)
    if "e" in s:
        raise ValueError("exponent form not expected: " + s)
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    if s == "-0":
        s = "0"
    return s.replace(".", ",")


def single_text(x):
    return plain(f32(x), 7)


# Reference values used by the chambers below.
CLIMATE = {"Самара": (32, 54), "Москва": (28, 64), "Ашхабад": (40, 44), "Другой": (0, 0)}
WALL = {"Железобетон": 1.7, "Кирпич": 0.79, "Пенобетон": 0.14, "Грунт сухой": 0.4}
GLASS = {"Стекло 4 мм.": 0.005263158, "Стекло 10 мм.": 0.013157895, "Ст/пак 32 мм.(6-6)": 0.86194332}
INSUL = {"Пенополиуретан": 0.025, "Мин. вата": 0.05, "Пенопласт": 0.04}
# name: (freezing point text, c1, c2, latent heat, respiration at 0, 10, 20)
PRODUCT = {
    "Баранина": ("-1,5", "3,06", "1,72", "222", "0", "0", "0"),
    "Яблоки": ("-2", "3,85", "1,88", "281", "53", "175", "356"),
    "Картофель": ("-1", "3,56", "1,84", "270", "75", "91", "143"),
    "Сыры": ("-8,5", "2,93", "1,88", "268", "244", "244", "244"),
}
TARA = {"Дерево": "2,72", "Металл": "0,50", "Пластик": "1,38", "Стекло": "0,84", "Картон": "1,46"}
ZAVESA = {"Нет": "0", "Штора": "0,2", "Возд.завеса": "0,7"}
TIP_TOVARA = {"Штабели на поддонах": "0,8", "Мясные туши на крюках": "1"}
DENSITY = [("0,95", "1,013"), ("1", "1"), ("1,05", "0,988"), ("1,1", "0,976"), ("1,15", "0,965"),
           ("1,2", "0,955"), ("1,25", "0,945"), ("1,3", "0,935"), ("1,35", "0,926"), ("1,4", "0,917")]

ENTHALPY_ROWS = [
    "-40:-39:-39:-39:-39:-39:-39:-39:-39:-39:-39:-39",
    "-35:-35:-35:-35:-35:-35:-35:-35:-35:-35:-35:-35",
    "-30:-29:-29:-29:-29:-29:-29:-29:-29:-29:-29:-29",
    "-25:-24:-24:-24:-24:-24:-24:-24:-24:-24:-24:-24",
    "-20:-19:-19:-19:-19:-19:-19:-19:-19:-19:-19:-19",
    "-15:-13,6:-13,6:-13,5:-13,4:-13,2:-13,1:-13:-12,9:-12,7:-12,6:-12,5",
    "-10:-7,8:-7,7:-7,6:-7,4:-7,2:-7:-6,8:-6,6:-6,4:-6,2:-6",
    "-5:-1,5:-1,4:-1,3:-1:-0,6:-0,3:0:0,3:0,6:0,9:1,2",
    "0:5,3:5,5:5,7:6,2:6,7:7,2:7,6:8,1:8,6:9,1:9,6",
    "5:12,8:13:13,2:13,9:14,6:15,3:16:16,7:17,3:18:18,7",
    "10:19,8:20,6:21,6:22,6:23,6:24,6:25,5:26,5:27,5:28,5:29,5",
    "15:28,4:30:31,2:32,6:33,9:35,3:36,7:38,1:39,4:40,7:42",
    "20:38,3:40,1:42,4:44,4:46,4:48,2:50,2:52:53,7:55,8:57,8",
    "25:49,6:52,8:55,8:58,4:60,9:63,6:66,3:69:71,6:74,3:76,9",
    "30:61:65,2:71,4:75:78,6:82,2:85,7:89,4:93,1:96,7:100,3",
    "35:79,9:85,1:90,7:95,6:100,4:105,3:110,2:115,2:120,2:125,1:129,9",
    "40:100,7:107:114,1:120,6:127:133,7:140,4:147,1:153,8:160,8:167,7",
]


def enthalpy_by_humidity(row, phi):
    h = [num(p) for p in ENTHALPY_ROWS[row].split(":")[1:]]
    if phi == 100:
        return h[10]
    i, j = divmod(phi - 50, 5)
    v, step = h[i], (h[i + 1] - h[i]) / 5
    inc = 0.0
    for _ in range(j):
        inc += step
    return v + inc


def enthalpy(t, phi):
    """The grid with the rules for values outside it: whole degree and whole
    percent, a half to even, within -40..39 and 50..100."""
    t = int(min(max(half_even(t), -40), 39))
    phi = int(min(max(half_even(phi), 50), 100))
    i, j = divmod(t + 40, 5)
    v = enthalpy_by_humidity(i, phi)
    step = (enthalpy_by_humidity(i + 1, phi) - v) / 5
    inc = 0.0
    for _ in range(j):
        inc += step
    return v + inc


def heat_per_person(t):
    t = min(max(half_even(t), -60), 60)
    if t <= -40:
        return 770 - 13 * (t + 60)
    if t <= 10:
        return 510 - 6 * (t + 40)
    if t <= 15:
        return 210 - 2 * (t - 10)
    if t <= 40:
        return 200 - 4 * (t - 15)
    return 0


def density(t):
    return f32(1.293 / (1 + t / 273.15))


def calculate(f):
    """f: every field text of the description after the settings."""
    r = {}
    on = lambda name: f["CheckClickTeplopritok" + name] != "0"
    cooling = f["ClickRejim"] == "Охлаждение"
    t_out, phi_out = f32(num(f["ClickTemperaturaVozduh"])), f32(num(f["ClickVlajnostVozduh"]))
    L, W, H = f32(num(f["ClickKameraDlina"])), f32(num(f["ClickKameraSirina"])), f32(num(f["ClickKameraVisota"]))
    volume = f32(f32(L * W) * H)
    floor_area = f32(L * W)
    r["ClickKameraObiem"], r["ClickKameraPlosad"] = fmt00(volume), fmt00(floor_area)
    tk = f32(num(f["ClickTemperaturaKamera"]))
    phik = f32(num(f["ClickVlajnostKamera"]))
    hours = max(f32(num(f["ClickVremiaKamera"])), f32(0.1))
    r["NeobhodRejimText"] = ("Время обработки" if cooling else "Время раб. обор.") + " : " + f["ClickVremiaKamera"] + "  час."
    r["NeobhodKoefZapas"] = "Коэф. запаса : " + f["ClickZapasKamera"] + "  %"

    # Enclosure
    pavilion = f["Option1(1)"] == "True"
    a1, a2 = f32(22.7), f32(9.37)
    total = 0.0
    for i, s in enumerate(["StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"]):
        kw = f32(WALL[f["ClickSteni" + s]])
        rg = f32(GLASS[f["ClickStekloSteni" + s]])
        ki = f32(INSUL[f["ClickIzolaicii" + s]])
        dw, di = f32(num(f["ClickTolcinaSteni" + s])), f32(num(f["ClickTolcinaIzolaicii" + s]))
        uw = f32(1 / (dw / 1000 / kw + 1 / a1 + di / 1000 / ki + 1 / a2))
        ug = f32(1 / (1 / a1 + rg + 1 / a2))
        area = f32(H * W) if i in (0, 2) else f32(H * L) if i in (1, 3) else f32(W * L)
        glazed = f32(area / 100 * f32(num(f["ClickZapolnenSteni" + s])))
        solid = f32(area - glazed) if pavilion else area
        dT = f32(f32(num(f["ClickTemperatura" + s])) - tk)
        q = f32(ug * glazed * dT + solid * uw * dT)
        r["ClickTeplopritok" + s] = single_text(q / 1000)
        total += q
    walls = f32(total / 1000)
    r["ClickTeplopritokCteni"] = fmt00(walls) if on("Cteni") else "0"
    walls = walls if on("Cteni") else 0.0

    # Product and packaging
    prod = PRODUCT[f["ClickProduktProdukt"]]
    tz, c1, c2, lat = (f32(num(x)) for x in prod[:4])
    q0, q10, q20 = (f32(num(x)) for x in prod[4:])
    r["ClickProduktTemperZamerz"] = prod[0]
    m_store = f32(num(f["ClickProduktHranMassa"]))
    m = f32(num(f["ClickProduktSutkiOborot"]))
    tn, tkp = f32(num(f["ClickProduktTemperNasalnaia"])), f32(num(f["ClickProduktTemperKones"]))
    m_tara = f32(num(f["ClickTaraSutkiOborot"]))
    sec = f32(hours * 3600) if cooling else 86400.0
    dT1 = f32(tn - tkp) if tkp > tz else f32(tn - tz)
    dT2 = f32(tn - tkp) if tn < tz else f32(tz - tkp)
    above = dT1 * c1 * m / sec if tn > tz else 0.0
    freezing = lat * m / sec if (tn > tz and tkp < tz) else 0.0
    below = dT2 * c2 * m / sec if tkp < tz else 0.0
    product = f32(above + freezing + below)
    ct = f32(num(TARA[f["ClickTaraMaterial"]]))
    tara = f32(m_tara * ct * (f32(num(f["ClickTaraTemperNasalnaia"])) - f32(num(f["ClickTaraTemperKones"]))) / sec)
    if on("Produkt"):
        r["ClickTeplopritokProdukt"] = fmt00(f32(product + tara))
    else:
        product = tara = 0.0
        r["ClickTeplopritokProdukt"] = "0"
    r["gTeplopritokProdukt"], r["gTeplopritokTara"] = fmt00(product), fmt00(tara)

    def resp(t):
        if t < 0:
            return 0.0
        if t <= 10:
            return q0 + (q10 - q0) / 10 * t
        return q10 + (q20 - q10) / 10 * (t - 10)

    stored = 0.0 if cooling else m_store * resp(tkp) / 3600 / 1000
    turnover = m * (resp(tn) + resp(tkp)) / 2 / 3600 / 1000
    breath = f32(turnover + stored)
    r["DihanieText(1)"] = "Присутствует" if breath != 0 else "Отсутствует"
    r["ClickTeplopritokDihanie"] = fmt00(breath) if on("Dihanie") else "0"
    breath = breath if on("Dihanie") else 0.0

    # Doors
    dh_, dw_ = f32(num(f["ClickDverVisota"])), f32(num(f["ClickDverShirina"]))
    door_area = f32(dw_ * dh_)
    t_a = f32(num(f["ClickTemperaturaStenaA"]))
    dH = f32(f32(enthalpy(t_a, half_even(phi_out / 5) * 5)) - f32(enthalpy(tk, phik)))
    rho_o, rho_i = density(t_a), density(tk)
    ratio = f32(rho_i / rho_o)
    rr = f32(half_even(ratio * 20) / 20)
    rr = min(max(rr, f32(0.95)), f32(1.4))
    fm = next(f32(num(k)) for (o, k) in DENSITY if f32(num(o)) == rr)
    x = rho_o / rho_i if rho_o < rho_i else rho_i / rho_o
    q_door = f32(door_area * 0.692 * dH * rho_i * fm * math.sqrt((1 - x) * dh_))
    minutes = m * f32(num(TIP_TOVARA[f["ClickDverTipTovara"]])) / 1000
    per_pass = 15 if f["ClickDverTip"] == "1" else 25
    cap = f32(num(f["ClickPtsGruzopodiemnost"]))
    passes = f32(math.floor((m_tara + m) / cap) + 1) if cap != 0 else 0.0
    r["ClickPtsKolisestvoProhodov"] = single_text(passes)
    share = (passes * per_pass + 60 * minutes) / 86400
    eff = f32(num(ZAVESA[f["ClickDverZavesa"]]))
    door = f32(share * q_door * f32(1.1) * (1 - eff))
    r["ClickTeplopritokDveri"] = fmt00(door) if on("Dveri") else "0"
    door = door if on("Dveri") else 0.0

    # Lighting, vehicles, staff
    light = f32(floor_area * f32(num(f["ClickOsvesenieMosnost"])) * f32(num(f["ClickOsvesenieVremia"])) / 24 / 1000)
    r["ClickTeplopritokOsvesenie"] = fmt00(light) if on("Osvesenie") else "0"
    light = light if on("Osvesenie") else 0.0
    pts = f32(f32(num(f["ClickPtsMosnost"])) / 2 * f32(num(f["ClickPtsVremia"])) / 24)
    r["ClickTeplopritokPTS"] = fmt00(pts) if on("PTS") else "0"
    pts = pts if on("PTS") else 0.0
    staff = f32(heat_per_person(tk) * f32(num(f["ClickPersonalKolichestvo"])) * f32(num(f["ClickPersonalVremia"])) / 24 / 1000)
    r["ClickTeplopritokPersonal"] = fmt00(staff) if on("Personal") else "0"
    staff = staff if on("Personal") else 0.0

    # Ventilation and equipment
    rate_text = f["ClickVentilasiaKratnost"]
    if f["ClickVentilasiaKratnostSamostoiatelno"] == "0":
        if volume > 0:
            rate_text = plain(half_even(70 / math.sqrt(volume), 2), 15)
        if breath == 0:
            rate_text = "0"
    r["ClickVentilasiaKratnost"] = rate_text
    n = f32(num(rate_text))
    g = rho_i * (n * volume) / 86400
    vent = f32((f32(enthalpy(t_out, half_even(phi_out / 5) * 5)) - f32(enthalpy(tk, phik))) * g)
    lamp = f32(f32(num(f["ClickLampaMosnost"])) * f32(num(f["ClickLampaVremia"])) / 24)
    motor = f32(f32(num(f["ClickDvigateliMosnost"])) * f32(num(f["ClickDvigateliVremia"])) / 24)
    other = f32(f32(num(f["ClickProcheeOborudMosnost"])) * f32(num(f["ClickProcheeOborudVremia"])) / 24)
    if on("Oborudovanie"):
        r["ClickTeplopritokOborudovanie"] = fmt00(f32(motor + other + lamp + vent))
    else:
        vent = lamp = motor = other = 0.0
        r["ClickTeplopritokOborudovanie"] = "0"

    # Air coolers, sum, capacity (the sum of twelve accumulated in single)
    s12 = 0.0
    for v in (product, walls, tara, breath, door, light, pts, staff, other, motor, lamp, vent):
        s12 = f32(s12 + v)
    if f["ClickVOutochnauchiiRaschet"] == "1":
        vo = f32(f32(num(f["ClickVOmochnostVentilatorov"])) * f32(num(f["ClickVOkolichestvoVentilatorov"])))
    else:
        p = f32(num(f["ClickVOpredvaritelno"]))
        vo = f32(s12 / 100 * p) if cooling else f32(s12 / 100 * p * 24 / hours)
    r["ClickTeplopritokVOiTEN"] = fmt00(vo) if on("VOiTEN") else "0"
    vo = vo if on("VOiTEN") else 0.0
    s13 = f32(s12 + vo)
    z = f32(num(f["ClickZapasKamera"]))
    with_margin = s13 + s13 / 100 * z
    need = f32(with_margin if cooling else with_margin * 24 / hours)
    r["ClickTeplopritokSumma"], r["ClickTeplopritokSummKoeff"] = fmt00(s13), fmt00(need)
    r["values"] = [walls, product, tara, breath, door, light, pts, staff, vent, lamp, motor, other, vo, s13, need]
    return r


# The start-up description (after the defaults) that every chamber changes.
def start():
    f = {
        "ClickRejim": "Хранение", "ClickTemperaturaKamera": "-10", "ClickVlajnostKamera": "85",
        "ClickVremiaKamera": "18", "ClickZapasKamera": "5", "ClickKameraDlina": "0", "ClickKameraSirina": "0",
        "ClickKameraVisota": "0", "Option1(1)": "False", "ClickProduktProdukt": "Баранина",
        "ClickProduktHranMassa": "0", "ClickProduktSutkiOborot": "0", "ClickProduktTemperNasalnaia": "0",
        "ClickProduktTemperKones": "-10", "ClickTaraMaterial": "Металл", "ClickTaraSutkiOborot": "0",
        "ClickTaraTemperNasalnaia": "0", "ClickTaraTemperKones": "-10", "ClickPersonalKolichestvo": "0",
        "ClickPersonalVremia": "0", "ClickPtsMosnost": "0", "ClickPtsGruzopodiemnost": "3000", "ClickPtsVremia": "0",
        "ClickOsvesenieMosnost": "5", "ClickOsvesenieVremia": "0", "ClickDverTip": "1", "ClickDverVisota": "0",
        "ClickDverShirina": "0", "ClickDverTipTovara": "Штабели на поддонах", "ClickDverZavesa": "Нет",
        "ClickLampaMosnost": "0", "ClickLampaVremia": "0", "ClickDvigateliMosnost": "0", "ClickDvigateliVremia": "0",
        "ClickProcheeOborudMosnost": "0", "ClickProcheeOborudVremia": "0",
        "ClickVentilasiaKratnostSamostoiatelno": "0", "ClickVentilasiaKratnost": "0", "ClickVOpredvaritelno": "10",
        "ClickVOutochnauchiiRaschet": "0", "ClickVOkolichestvoVentilatorov": "0", "ClickVOmochnostVentilatorov": "0",
    }
    for s in ["StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"]:
        f.update({"ClickSteni" + s: "Железобетон", "ClickTolcinaSteni" + s: "0", "ClickStekloSteni" + s: "Стекло 10 мм.",
                  "ClickZapolnenSteni" + s: "0", "ClickIzolaicii" + s: "Пенополиуретан",
                  "ClickTolcinaIzolaicii" + s: "0"})
    for name in ["Cteni", "Produkt", "Dihanie", "Dveri", "Osvesenie", "PTS", "Personal", "Oborudovanie", "VOiTEN"]:
        f["CheckClickTeplopritok" + name] = "1"
    return f


def region(f, city):
    t, phi = CLIMATE[city]
    f["ClickTemperaturaVozduh"], f["ClickVlajnostVozduh"] = str(t), str(phi)
    for s in ["StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"]:
        f["ClickTemperatura" + s] = str(t)


# The settings of each chamber, in the order the test applies them; they must
# match the tables of test_golden.cpp.
CHAMBERS = {}

CHAMBERS["StoreStorageMeatAllOn"] = [
    ("ClickRegion", "Самара"),
    ("ClickKameraDlina", "6"), ("ClickKameraSirina", "4"), ("ClickKameraVisota", "3"),
    ("ClickTemperaturaKamera", "-18"), ("ClickVlajnostKamera", "90"), ("ClickZapasKamera", "10"),
] + [(p + s, v) for s in ["StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"]
     for p, v in [("ClickTolcinaSteni", "200"), ("ClickTolcinaIzolaicii", "100")]] + [
    ("ClickSteniPol", "Грунт сухой"), ("ClickTemperaturaPol", "10"), ("ClickIzolaiciiPol", "Пенопласт"),
    ("ClickSteniStenaB", "Кирпич"), ("ClickTemperaturaStenaG", "20"),
    ("ClickProduktHranMassa", "10000"), ("ClickProduktSutkiOborot", "2000"),
    ("ClickProduktTemperNasalnaia", "5"), ("ClickProduktTemperKones", "-18"),
    ("ClickTaraMaterial", "Дерево"), ("ClickTaraSutkiOborot", "200"),
    ("ClickTaraTemperNasalnaia", "5"), ("ClickTaraTemperKones", "-18"),
    ("ClickPersonalKolichestvo", "2"), ("ClickPersonalVremia", "4"),
    ("ClickPtsMosnost", "6"), ("ClickPtsVremia", "2"), ("ClickPtsGruzopodiemnost", "1500"),
    ("ClickOsvesenieVremia", "6"),
    ("ClickDverVisota", "2,2"), ("ClickDverShirina", "1,6"), ("ClickDverZavesa", "Штора"),
    ("ClickLampaMosnost", "0,3"), ("ClickLampaVremia", "5"), ("ClickDvigateliMosnost", "1"),
    ("ClickDvigateliVremia", "10"), ("ClickProcheeOborudMosnost", "0,2"), ("ClickProcheeOborudVremia", "24"),
]

CHAMBERS["PavilionCoolingApplesAllOn"] = [
    ("ClickRegion", "Москва"), ("ClickRejim", "Охлаждение"), ("Option1(1)", "True"),
    ("ClickKameraDlina", "5"), ("ClickKameraSirina", "4"), ("ClickKameraVisota", "3"),
    ("ClickTemperaturaKamera", "2"), ("ClickVlajnostKamera", "90"), ("ClickVremiaKamera", "12"),
    ("ClickZapasKamera", "15"),
    ("ClickStekloSteniStenaA", "Стекло 4 мм."), ("ClickZapolnenSteniStenaA", "50"),
    ("ClickStekloSteniStenaB", "Стекло 4 мм."), ("ClickZapolnenSteniStenaB", "50"),
    ("ClickStekloSteniPotolok", "Ст/пак 32 мм.(6-6)"), ("ClickZapolnenSteniPotolok", "30"),
    ("ClickSteniStenaV", "Пенобетон"),
] + [(p + s, v) for s in ["StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"]
     for p, v in [("ClickIzolaicii", "Мин. вата"), ("ClickTolcinaIzolaicii", "80")]] + [
    ("ClickTemperaturaPol", "12"),
    ("ClickProduktKategoria", "Фрукты"), ("ClickProduktProdukt", "Яблоки"),
    ("ClickProduktSutkiOborot", "3000"), ("ClickProduktTemperNasalnaia", "20"), ("ClickProduktTemperKones", "4"),
    ("ClickTaraMaterial", "Пластик"), ("ClickTaraSutkiOborot", "300"),
    ("ClickTaraTemperNasalnaia", "20"), ("ClickTaraTemperKones", "4"),
    ("ClickPersonalKolichestvo", "1"), ("ClickPersonalVremia", "3"),
    ("ClickPtsMosnost", "4"), ("ClickPtsVremia", "1,5"), ("ClickPtsGruzopodiemnost", "1000"),
    ("ClickOsvesenieVremia", "12"),
    ("ClickDverTip", "0"), ("ClickDverVisota", "2"), ("ClickDverShirina", "1,2"),
    ("ClickDverTipTovara", "Мясные туши на крюках"), ("ClickDverZavesa", "Возд.завеса"),
    ("ClickLampaMosnost", "0,2"), ("ClickLampaVremia", "6"),
    ("ClickVOutochnauchiiRaschet", "1"), ("ClickVOkolichestvoVentilatorov", "3"),
    ("ClickVOmochnostVentilatorov", "0,35"),
]

CHAMBERS["StoreStoragePotatoesSomeOff"] = [
    ("ClickRegion", "Ашхабад"),
    ("ClickKameraDlina", "8"), ("ClickKameraSirina", "6"), ("ClickKameraVisota", "4"),
    ("ClickTemperaturaKamera", "4"), ("ClickVlajnostKamera", "95"), ("ClickVremiaKamera", "20"),
] + [(p + s, v) for s in ["StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"]
     for p, v in [("ClickTolcinaSteni", "250"), ("ClickTolcinaIzolaicii", "120")]] + [
    ("ClickSteniStenaA", "Кирпич"), ("ClickTemperaturaPol", "15"),
    ("ClickProduktKategoria", "Овощи"), ("ClickProduktProdukt", "Картофель"),
    ("ClickProduktHranMassa", "50000"), ("ClickProduktSutkiOborot", "5000"),
    ("ClickProduktTemperNasalnaia", "15"), ("ClickProduktTemperKones", "4"),
    ("ClickTaraMaterial", "Картон"), ("ClickTaraSutkiOborot", "250"),
    ("ClickTaraTemperNasalnaia", "15"), ("ClickTaraTemperKones", "4"),
    ("ClickPersonalKolichestvo", "3"), ("ClickPersonalVremia", "8"),
    ("ClickPtsMosnost", "10"), ("ClickPtsVremia", "4"),
    ("ClickOsvesenieVremia", "8"),
    ("ClickDverVisota", "2,5"), ("ClickDverShirina", "2"),
    ("ClickLampaMosnost", "1"), ("ClickLampaVremia", "12"), ("ClickDvigateliMosnost", "2"),
    ("ClickDvigateliVremia", "6"),
    ("CheckClickTeplopritokDihanie", "0"), ("CheckClickTeplopritokPTS", "0"),
    ("CheckClickTeplopritokPersonal", "0"), ("CheckClickTeplopritokVOiTEN", "0"),
]

CHAMBERS["PavilionStorageCheeseManualAir"] = [
    ("ClickRegion", "Другой"), ("ClickTemperaturaVozduh", "25"), ("ClickVlajnostVozduh", "52"),
    ("Option1(1)", "True"),
    ("ClickKameraDlina", "7,5"), ("ClickKameraSirina", "3,2"), ("ClickKameraVisota", "2,8"),
    ("ClickTemperaturaKamera", "3"), ("ClickVlajnostKamera", "80"), ("ClickVremiaKamera", "16"),
    ("ClickZapasKamera", "20"),
    ("ClickTemperaturaStenaA", "25"), ("ClickTemperaturaStenaB", "25"), ("ClickTemperaturaStenaV", "18"),
    ("ClickTemperaturaStenaG", "25"), ("ClickTemperaturaPotolok", "30"), ("ClickTemperaturaPol", "10"),
    ("ClickStekloSteniStenaA", "Стекло 4 мм."), ("ClickZapolnenSteniStenaA", "100"),
    ("ClickZapolnenSteniStenaG", "40"),
    ("ClickTolcinaIzolaiciiStenaB", "100"), ("ClickTolcinaIzolaiciiStenaV", "100"),
    ("ClickTolcinaIzolaiciiPotolok", "150"), ("ClickTolcinaIzolaiciiPol", "100"),
    ("ClickProduktKategoria", "Молочные"), ("ClickProduktProdukt", "Сыры"),
    ("ClickProduktHranMassa", "4000"), ("ClickProduktSutkiOborot", "500"),
    ("ClickProduktTemperNasalnaia", "12"), ("ClickProduktTemperKones", "3"),
    ("ClickTaraMaterial", "Стекло"), ("ClickTaraSutkiOborot", "50"),
    ("ClickTaraTemperNasalnaia", "12"), ("ClickTaraTemperKones", "3"),
    ("ClickPersonalKolichestvo", "2"), ("ClickPersonalVremia", "2"),
    ("ClickOsvesenieMosnost", "8"), ("ClickOsvesenieVremia", "10"),
    ("ClickDverVisota", "2,1"), ("ClickDverShirina", "0,9"), ("ClickDverTip", "0"),
    ("ClickPtsGruzopodiemnost", "0"),
    ("ClickVentilasiaKratnostSamostoiatelno", "1"), ("ClickVentilasiaKratnost", "4,5"),
    ("ClickProcheeOborudMosnost", "0,4"), ("ClickProcheeOborudVremia", "24"),
    ("ClickVOpredvaritelno", "15"),
    ("CheckClickTeplopritokCteni", "0"), ("CheckClickTeplopritokOsvesenie", "0"),
]

ORDER = ["ClickTeplopritokCteni", "ClickTeplopritokStenaA", "ClickTeplopritokStenaB", "ClickTeplopritokStenaV",
         "ClickTeplopritokStenaG", "ClickTeplopritokPotolok", "ClickTeplopritokPol", "ClickTeplopritokProdukt",
         "ClickProduktTemperZamerz", "ClickTeplopritokDihanie", "DihanieText(1)", "ClickTeplopritokDveri",
         "ClickPtsKolisestvoProhodov", "ClickTeplopritokOsvesenie", "ClickTeplopritokPTS",
         "ClickTeplopritokPersonal", "ClickTeplopritokOborudovanie", "ClickTeplopritokVOiTEN",
         "ClickTeplopritokSumma", "ClickTeplopritokSummKoeff", "ClickKameraObiem", "ClickKameraPlosad",
         "NeobhodRejimText", "NeobhodKoefZapas", "ClickVentilasiaKratnost", "gTeplopritokProdukt",
         "gTeplopritokTara"]


def cpp(text):
    return '"' + text.replace('"', '\\"') + '"'


def wrap(items, indent="     "):
    lines, line = [], indent + "{"
    for i, item in enumerate(items):
        entry = item + ("," if i + 1 < len(items) else "}")
        if len(line) + len(entry) + 1 > 110 and line.strip() != "{":
            lines.append(line.rstrip())
            line = indent + " "
        line += entry + " "
    lines.append(line.rstrip())
    return "\n".join(lines)


def main():
    """Prints one C++ initializer per chamber: its settings, the expected
    field texts and the expected component values."""
    for name, settings in CHAMBERS.items():
        f = start()
        for key, value in settings:
            if key == "ClickRegion":
                region(f, value)
            elif key == "Option1(1)":
                f[key] = value
                for s in ["StenaA", "StenaB", "StenaV", "StenaG", "Potolok", "Pol"]:
                    f["ClickTolcinaSteni" + s] = f["ClickZapolnenSteni" + s] = "0"
            else:
                f[key] = value
        r = calculate(f)
        print("    {%s," % cpp(name))
        print(wrap(["{%s, %s}" % (cpp(k), cpp(v)) for k, v in settings]) + ",")
        print(wrap(["{%s, %s}" % (cpp(k), cpp(r[k])) for k in ORDER]) + ",")
        print("     {" + ", ".join("%.7gf" % v if "." in "%.7g" % v or "e" in "%.7g" % v else "%.7g.0f" % v
                                  for v in r["values"]) + "}},")


if __name__ == "__main__":
    main()
