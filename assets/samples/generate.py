#!/usr/bin/env python3
"""Writes the bundled sample pages and answers of the data sources.

Every figure, text and picture here is made up by this script; running it again gives the
same bytes. Usage: python3 generate.py [output folder]  (default: the folder of this script)
"""

import json
import os
import random
import struct
import sys
import zlib

SEED = 20200210
UPDATE_MS = 1581301800000  # 2020-02-10 10:30 Beijing time

# Province: (full name, short name, confirmed, [cities]). Cities in the order the page lists
# them, the hardest hit first.
PROVINCES = [
    ("湖北省", "湖北", 29631, "武汉 孝感 黄冈 荆州 襄阳 随州 宜昌 荆门 鄂州 咸宁 十堰 仙桃 黄石 恩施州 天门 潜江 神农架林区"),
    ("广东省", "广东", 1159, "深圳 广州 珠海 东莞 佛山 中山 汕头 惠州 湛江 江门 肇庆 梅州 茂名 阳江 清远 揭阳 韶关 汕尾 潮州 河源 云浮"),
    ("河南省", "河南", 1073, "信阳 南阳 郑州 驻马店 商丘 周口 平顶山 新乡 安阳 许昌 漯河 焦作 开封 洛阳 鹤壁 濮阳 三门峡 济源"),
    ("浙江省", "浙江", 1117, "温州 杭州 台州 宁波 绍兴 金华 嘉兴 丽水 衢州 湖州 舟山 省十里丰监狱"),
    ("湖南省", "湖南", 879, "长沙 岳阳 邵阳 常德 株洲 娄底 衡阳 益阳 永州 郴州 怀化 湘潭 湘西自治州 张家界"),
    ("安徽省", "安徽", 830, "合肥 蚌埠 阜阳 亳州 安庆 六安 宿州 马鞍山 芜湖 铜陵 淮北 淮南 池州 滁州 黄山 宣城"),
    ("江西省", "江西", 771, "南昌 新余 上饶 九江 宜春 抚州 赣州 萍乡 吉安 鹰潭 景德镇 赣江新区"),
    ("山东省", "山东", 486, "济南 青岛 烟台 济宁 临沂 威海 德州 潍坊 聊城 枣庄 泰安 菏泽 日照 淄博 滨州 东营"),
    ("江苏省", "江苏", 468, "苏州 南京 徐州 无锡 常州 南通 连云港 泰州 淮安 盐城 扬州 宿迁 镇江"),
    ("重庆市", "重庆", 468, "万州区 九龙坡区 长寿区 云阳县 奉节县 垫江县 巫溪县 渝北区 开州区 两江新区 忠县 石柱县 大足区 合川区 巫山县"),
    ("四川省", "四川", 405, "成都 南充 达州 巴中 绵阳 泸州 内江 广安 德阳 遂宁 甘孜州 自贡 宜宾 乐山 眉山 攀枝花 资阳 雅安 凉山州 阿坝州"),
    ("黑龙江省", "黑龙江", 331, "哈尔滨 双鸭山 鸡西 绥化 七台河 大庆 齐齐哈尔 牡丹江 黑河 佳木斯 鹤岗 大兴安岭 伊春 待明确地区"),
    ("北京市", "北京", 337, "海淀区 朝阳区 西城区 大兴区 丰台区 外地来京人员 昌平区 通州区 东城区 石景山区 顺义区 房山区 密云区 门头沟区 延庆区 怀柔区"),
    ("上海市", "上海", 299, "外地来沪人员 浦东新区 宝山区 徐汇区 闵行区 长宁区 静安区 普陀区 杨浦区 松江区 嘉定区 黄浦区 虹口区 奉贤区 青浦区 金山区 崇明区"),
    ("河北省", "河北", 218, "沧州 石家庄 唐山 邯郸 保定 廊坊 邢台 张家口 秦皇岛 承德 衡水"),
    ("福建省", "福建", 261, "福州 莆田 泉州 厦门 宁德 漳州 南平 三明 龙岩"),
    ("广西壮族自治区", "广西", 195, "北海 南宁 桂林 柳州 河池 防城港 来宾 玉林 钦州 梧州 贵港 贺州 百色"),
    ("陕西省", "陕西", 208, "西安 安康 汉中 咸阳 渭南 宝鸡 延安 铜川 商洛 榆林"),
    ("云南省", "云南", 149, "昆明 西双版纳 玉溪 保山 昭通 大理 红河 曲靖 普洱 德宏 楚雄 丽江 临沧 文山"),
    ("海南省", "海南", 136, "三亚 海口 儋州 万宁 澄迈 琼海 临高 陵水 东方 乐东 文昌 定安 昌江 保亭 琼中"),
    ("贵州省", "贵州", 118, "贵阳 遵义 毕节 黔南州 六盘水 铜仁 黔东南州 黔西南州 安顺"),
    ("天津市", "天津", 88, "宝坻区 河东区 北辰区 和平区 河北区 南开区 东丽区 滨海新区 西青区 宁河区 河西区 红桥区 津南区 武清区 外地来津人员"),
    ("山西省", "山西", 119, "晋中 太原 运城 大同 忻州 长治 朔州 晋城 吕梁 阳泉 临汾"),
    ("辽宁省", "辽宁", 105, "沈阳 大连 锦州 盘锦 葫芦岛 丹东 铁岭 本溪 阜新 朝阳 鞍山 辽阳"),
    ("香港", "香港", 36, ""),
    ("吉林省", "吉林", 80, "长春 四平 辽源 公主岭 吉林 延边 通化 松原 梅河口"),
    ("甘肃省", "甘肃", 83, "兰州 天水 平凉 白银 定西 陇南 甘南 庆阳 临夏 张掖 金昌"),
    ("新疆维吾尔自治区", "新疆", 49, "乌鲁木齐 伊犁州 昌吉州 第八师石河子 兵团第九师 吐鲁番 巴州 阿克苏地区 第七师 第四师"),
    ("内蒙古自治区", "内蒙古", 60, "包头 鄂尔多斯 呼和浩特 赤峰 呼伦贝尔 巴彦淖尔 锡林郭勒盟 乌兰察布 兴安盟 通辽 乌海"),
    ("宁夏回族自治区", "宁夏", 49, "银川 吴忠 固原 中卫 石嘴山 宁东管委会"),
    ("台湾", "台湾", 18, ""),
    ("青海省", "青海", 18, "西宁 海北州"),
    ("澳门", "澳门", 10, ""),
    ("西藏自治区", "西藏", 1, "拉萨"),
]

COMMENTS = {"香港": "香港特别行政区卫生署通报", "台湾": "台湾地区卫生主管部门通报", "澳门": "澳门特别行政区卫生局通报"}

SITES = ["央视新闻", "人民日报", "新华社", "澎湃新闻", "健康时报", "中国新闻网", "光明网", "环球时报"]


def compact(value, ascii_only=False):
    return json.dumps(value, ensure_ascii=ascii_only, separators=(",", ":"))


def split_total(rng, total, parts):
    """Splits a count over parts, the first ones taking the most."""
    if parts == 0:
        return []
    weights = [rng.uniform(0.6, 1.4) / (i + 1) ** 1.3 for i in range(parts)]
    scale = sum(weights)
    counts = [int(total * w / scale) for w in weights]
    counts[0] += total - sum(counts)
    return counts


def area_statistics(rng):
    provinces = []
    location = 110000
    for full, short, confirmed, city_text in PROVINCES:
        location += 10000
        cities = []
        names = city_text.split()
        for i, (name, count) in enumerate(zip(names, split_total(rng, confirmed, len(names)))):
            cured = int(count * rng.uniform(0.02, 0.18))
            dead = int(count * rng.uniform(0.0, 0.04)) if count > 20 else 0
            cities.append({
                "cityName": name,
                "currentConfirmedCount": count - cured - dead,
                "confirmedCount": count,
                "suspectedCount": 0,
                "curedCount": cured,
                "deadCount": dead,
                "locationId": location + 100 * (i + 1) if name != "待明确地区" else 0,
            })
        cured = sum(c["curedCount"] for c in cities) or int(confirmed * 0.1)
        dead = sum(c["deadCount"] for c in cities)
        provinces.append({
            "provinceName": full,
            "provinceShortName": short,
            "currentConfirmedCount": confirmed - cured - dead,
            "confirmedCount": confirmed,
            "suspectedCount": rng.randint(0, 40),
            "curedCount": cured,
            "deadCount": dead,
            "comment": COMMENTS.get(short, ""),
            "locationId": location,
            "statisticsData": "https://file1.dxycdn.com/2020/0210/%d/statistics.json" % location,
            "cities": cities,
            "modifyTime": UPDATE_MS - rng.randint(0, 3600) * 1000,
            "createTime": 1579000000000 + location,
        })
    return provinces


def national_totals(provinces):
    return {k: sum(p[k] for p in provinces) for k in ("confirmedCount", "curedCount", "deadCount")}


def timeline(rng, count):
    items = []
    for i in range(count):
        province = PROVINCES[i % len(PROVINCES)]
        items.append({
            "id": 5000 + i,
            "pubDate": UPDATE_MS - i * 1800000,
            "title": "%s新增确诊病例%d例，累计%d例" % (province[1], rng.randint(1, 90), province[2]),
            "summary": "%s卫生健康委员会通报：%s新增确诊病例，新增出院病例，"
                       "全省现有疑似病例正在排查，密切接触者均已实施医学观察。" % (province[0], province[1]),
            "infoSource": "%s卫健委" % province[1],
            "sourceUrl": "https://example.org/notice/%d" % (5000 + i),
            "provinceId": str(110000 + 10000 * (i % len(PROVINCES))),
        })
    return items


def world_list(rng):
    countries = ["日本", "新加坡", "泰国", "韩国", "马来西亚", "澳大利亚", "德国", "越南", "美国",
                 "法国", "阿联酋", "加拿大", "英国", "菲律宾", "印度", "意大利", "俄罗斯", "芬兰",
                 "瑞典", "西班牙", "比利时", "尼泊尔", "柬埔寨", "斯里兰卡"]
    return [{"id": 900 + i, "continents": "亚洲" if i % 3 else "欧洲", "provinceName": name,
             "countryShortCode": "C%02d" % i, "confirmedCount": rng.randint(1, 90),
             "curedCount": rng.randint(0, 9), "deadCount": 0, "comment": ""}
            for i, name in enumerate(countries)]


def script(name, value):
    return ('<script id="%s">try { window.%s = %s}catch(e){}</script>'
            % (name, name, compact(value)))


def dxy_page(rng):
    provinces = area_statistics(rng)
    totals = national_totals(provinces)
    statistics = {"id": 1, "createTime": 1579537899000, "modifyTime": UPDATE_MS,
                  "summary": "", "countRemark": "", "confirmedCount": totals["confirmedCount"],
                  "suspectedCount": 23589, "curedCount": totals["curedCount"],
                  "deadCount": totals["deadCount"], "virus": "新型冠状病毒 2019-nCoV",
                  "infectSource": "野生动物，可能为中华菊头蝠",
                  "passWay": "经呼吸道飞沫传播，亦可通过接触传播",
                  "remark1": "易感人群：人群普遍易感。老年人及有基础疾病者感染后病情较重",
                  "remark2": "潜伏期：一般为 3～7 天，最长不超过 14 天"}
    recommend = [{"id": 40 + i, "title": "疫情防护知识第%d讲" % (i + 1),
                  "linkUrl": "https://example.org/guide/%d" % i, "imgUrl": "", "contentType": 1,
                  "recordStatus": 1, "sort": i} for i in range(12)]
    rumours = [{"id": 200 + i, "title": "网传消息第%d条不实" % (i + 1),
                "mainSummary": "经核实，该说法没有科学依据", "body": "请以官方发布的信息为准。" * 4,
                "rumorType": 0} for i in range(20)]
    body = "".join('<div class="area"><span>%s</span><span>%d</span></div>' % (p[1], p[2])
                   for p in PROVINCES) * 4
    return "".join([
        '<!DOCTYPE html><html lang="zh-CN"><head><meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width,initial-scale=1">',
        "<title>新型冠状病毒肺炎 疫情实时动态</title>",
        "<style>body{margin:0;font-family:sans-serif}.area{display:flex}</style></head><body>",
        '<div id="root"><h1>疫情实时动态</h1>', body, "</div>",
        script("getStatisticsService", statistics),
        script("getListByCountryTypeService2", world_list(rng)),
        script("getAreaStat", provinces),
        script("getIndexRecommendList", recommend),
        script("getTimelineService", timeline(rng, 120)),
        script("getIndexRumorList", rumours),
        '<script src="/static/app.js"></script></body></html>\n',
    ]), provinces


def baidu_page(provinces):
    totals = national_totals(provinces)
    summary = {"confirmed": str(totals["confirmedCount"]), "died": str(totals["deadCount"]),
               "cured": str(totals["curedCount"]), "unconfirmed": "23589",
               "relativeTime": 1581264000, "confirmedRelative": "3062", "diedRelative": "97",
               "curedRelative": "632", "unconfirmedRelative": "4008"}
    cases = [{"area": p["provinceShortName"], "confirmed": str(p["confirmedCount"]),
              "died": str(p["deadCount"]), "crued": str(p["curedCount"]),
              "subList": [{"city": c["cityName"], "confirmed": str(c["confirmedCount"]),
                           "died": str(c["deadCount"]), "crued": str(c["curedCount"])}
                          for c in p["cities"]]} for p in provinces]
    data = ('{"page":"newpneumonia","mapLastUpdatedTime":"2020.02.10 10:30",'
            '"summaryDataIn":%s,"summaryDataOut":%s,"caseList":%s}'
            % (compact(summary), compact({"confirmed": "319", "died": "2", "cured": "23"}),
               compact(cases)))
    return "".join([
        '<!DOCTYPE html><html><head><meta http-equiv="Content-Type" '
        'content="text/html; charset=utf-8"><title>实时更新：新型冠状病毒肺炎疫情地图</title>',
        "<script>!function(){window.__startTime=+new Date}();</script></head><body>",
        '<div id="main"><div class="summary">全国疫情数据</div></div>',
        "<script>var tplData = ", data, ";</script>",
        '<script src="https://example.org/static/newpneumonia.js"></script></body></html>\n',
    ])


def sogou_page(provinces):
    totals = national_totals(provinces)
    state = ('{"data":{"domesticStats":{"tips":"数据来源于国家及各省市卫生健康委员会",'
             '"timestamp":"截至 2020-02-10 10:30","updateTime":"更新于 02月10日 10时30分",'
             '"diagnosed":%d,"suspect":23589,"death":%d,"cured":%d,'
             '"diagnosedAdd":"3062","suspectAdd":"4008","deathAdd":"97","curedAdd":"632"},'
             '"provinceList":%s}}'
             % (totals["confirmedCount"], totals["deadCount"], totals["curedCount"],
                compact([{"name": p["provinceShortName"], "diagnosed": p["confirmedCount"],
                          "death": p["deadCount"], "cured": p["curedCount"]}
                         for p in provinces])))
    return "".join([
        '<!DOCTYPE html><html><head><meta charset="UTF-8"><title>疫情动态</title></head>',
        '<body><div id="app"></div><script>window.__INITIAL_STATE__=', state,
        '</script><script src="/static/epidemic.js"></script></body></html>\n',
    ])


# Same-trip answers: (file suffix, type code, entries (no, no_sub, from, to)).
TRIPS = [
    ("type_1", 1, [("CZ3717", "", "武汉", "长沙"), ("MU5281", "", "武汉", "上海"),
                   ("HU7182", "", "武汉", "北京"), ("CA8212", "", "成都", "武汉")]),
    ("type_2", 2, [("G1012", "7车", "武汉", "广州南"), ("K1156", "12车", "汉口", "西安"),
                   ("D2263", "3车", "武昌", "重庆北"), ("T8136", "", "武昌", "信阳")]),
    ("type_3", 3, [("地铁2号线", "", "汉口火车站", "光谷广场"), ("地铁1号线", "", "三阳路", "径河")]),
    ("type_4", 4, [("鄂A-K3561", "", "武汉", "孝感"), ("鄂F-20917", "", "宜昌", "荆州")]),
    ("type_5", 5, [("15路公交", "", "洪山广场", "火车站"), ("536路", "", "南湖", "汉阳")]),
    ("type_6", 6, [("鄂A-T8826", "", "武昌区", "汉口"), ("湘A-T2093", "", "岳麓区", "芙蓉区")]),
    ("type_7", 7, [("长江三峡9号", "", "宜昌", "重庆"), ("轮渡汉阳线", "", "汉阳门", "中华路")]),
    ("type_8", 8, [("华南海鲜市场", "", "武汉", "武汉"), ("百步亭社区", "", "武汉", "武汉")]),
]
# A destination-only query for 长沙 (with the default transport selection, type=1).
ARRIVE = [("CZ3717", "", "武汉", "长沙", 1), ("G1012", "7车", "武汉", "长沙南", "2"),
          ("鄂A-K3561", "", "武汉", "长沙", 4)]


def trip(rng, index, no, no_sub, start, end, code):
    return {"id": 3100 + index, "date": "2020-01-%02d" % rng.randint(15, 28),
            "start": "2020-01-22 08:%02d:00" % rng.randint(0, 59), "end": "",
            "type": code, "no": no, "memo": "", "no_sub": no_sub, "pos_start": start,
            "pos_end": end, "source": "https://example.org/trips/%d" % (3100 + index),
            "who": "%s卫健委" % start, "verified": 1,
            "created_at": 1580000000 + index, "updated_at": 1580000000 + index}


def tian_answer(entries):
    return compact({"code": 200, "msg": "success", "newslist": entries}) + "\n"


RUMOURS = [
    ("吃大蒜可以预防新型冠状病毒", "谣言", "大蒜没有抗病毒作用，不能预防新型冠状病毒感染。", "世界卫生组织"),
    ("喝高度白酒可以抵抗病毒", "谣言", "饮酒不能杀灭体内的病毒，过量饮酒反而伤身。", "国家卫生健康委员会"),
    ("双黄连口服液可以预防新型冠状病毒", "尚无定论", "抑制不等于预防和治疗，切勿抢购自行服用。", "人民日报"),
    ("口罩戴两层防护效果更好", "谣言", "规范佩戴一个医用外科口罩即可，多层佩戴反而影响呼吸。", "健康时报"),
    ("室内用醋熏蒸可以杀灭病毒", "谣言", "食醋中醋酸浓度太低，不能杀灭病毒。", "中国疾控中心"),
]


def rumour_answer():
    return tian_answer([{"id": 700 + i, "title": t, "explain": e, "imgsrc": "", "desc": d,
                         "author": a, "date": "2020-02-%02d" % (i + 1)}
                        for i, (t, e, d, a) in enumerate(RUMOURS)])


def news_answer(rng, count):
    items = []
    for i in range(count):
        province = PROVINCES[(i * 7) % len(PROVINCES)]
        items.append({
            "eventDescription": "%s最新通报：新增确诊病例%d例，累计确诊%d例" % (
                province[1], rng.randint(1, 120), province[2]),
            "eventTime": str(UPDATE_MS // 1000 - i * 2400),
            "eventUrl": "http://news.example.org/article/%d?from=feed" % (88000 + i),
            "homepageUrl": "http://news.example.org/site/%d" % (i % len(SITES)),
            "item_avatar": "http://news.example.org/avatar/%d.png" % (i % len(SITES)),
            "siteName": SITES[i % len(SITES)],
        })
    answer = {"ResultCode": "0", "ResultNum": "1", "QueryID": "2753190164",
              "Result": [{"ClickNeed": "0", "DisplayData": {
                  "strategy": {"tempName": "ala_news", "precharge": "0"},
                  "resultData": {"tplData": {"card_title": "疫情新闻", "list": items}}}}]}
    # The service writes every non-ASCII character as \u escape and every slash as "\/".
    return compact(answer, ascii_only=True).replace("/", "\\/") + "\n"


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


SHADES = [(255, 233, 214), (255, 190, 150), (250, 130, 95), (225, 70, 55), (170, 30, 30),
          (110, 10, 15)]


def shade(confirmed):
    for limit, colour in zip((10, 100, 500, 1000, 10000), SHADES):
        if confirmed < limit:
            return colour
    return SHADES[-1]


def map_picture(rng):
    """A stylised outbreak map: one cell per province on a rounded land shape, coloured by its
    confirmed count, on a transparent background, with a legend."""
    width, height = 688, 488
    seeds = [(rng.randint(90, 610), rng.randint(60, 400), shade(p[2])) for p in PROVINCES]
    rows = []
    owner_row = []
    for y in range(height):
        row = bytearray(width * 4)
        owners = []
        for x in range(width):
            dx, dy = (x - 350) / 290.0, (y - 230) / 190.0
            inside = dx ** 4 + dy ** 4 < 1.0 - 0.08 * ((x // 37 + y // 29) % 3)
            owner = -1
            if inside:
                owner = min(range(len(seeds)),
                            key=lambda k: (seeds[k][0] - x) ** 2 + (seeds[k][1] - y) ** 2)
            owners.append(owner)
            if owner >= 0:
                edge = (x > 0 and owners[x - 1] != owner) or (owner_row and owner_row[x] != owner)
                r, g, b = (120, 120, 120) if edge else seeds[owner][2]
                row[x * 4:x * 4 + 4] = bytes((r, g, b, 255))
        owner_row = owners
        rows.append(row)
    for i, colour in enumerate(SHADES):  # legend boxes, bottom left
        for y in range(440 - i * 18, 454 - i * 18):
            for x in range(16, 40):
                rows[y][x * 4:x * 4 + 4] = bytes(colour + (255,))
    return png(width, height, rows)


def write(folder, name, content):
    data = content.encode("utf-8") if isinstance(content, str) else content
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    rng = random.Random(SEED)
    page, provinces = dxy_page(rng)
    write(folder, "dxy_pneumonia.html", page)
    write(folder, "baidu_newpneumonia.html", baidu_page(provinces))
    write(folder, "sogou_epidemic.html", sogou_page(provinces))
    index = 0
    for suffix, code, entries in TRIPS:
        answer = []
        for no, no_sub, start, end in entries:
            answer.append(trip(rng, index, no, no_sub, start, end, code))
            index += 1
        write(folder, "tianapi_same_trip_%s.json" % suffix, tian_answer(answer))
    arrive = []
    for no, no_sub, start, end, code in ARRIVE:
        arrive.append(trip(rng, index, no, no_sub, start, end, code))
        index += 1
    write(folder, "tianapi_same_trip_arrive.json", tian_answer(arrive))
    write(folder, "tianapi_rumour.json", rumour_answer())
    write(folder, "tianapi_empty.json", tian_answer([]))
    write(folder, "baidu_news.json", news_answer(rng, 24))
    write(folder, "sogou_map.png", map_picture(rng))


if __name__ == "__main__":
    main()
