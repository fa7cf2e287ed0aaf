"""The word pictures: one entry per word key, its sources, placement and colour changes.

Sources: fluent:NAME is icons/flat/NAME.svg of the npm package fluentui-emoji 1.3.0,
twemoji:CODE is CODE.svg of @twemoji/svg 15.0.0, drawing:NAME is drawings/NAME.svg here.
Positions and sizes are fractions of the 300 x 225 canvas; a single subject stands
centred at 80 % of the height unless placed otherwise.
"""

from compose import Hue, Layer, Picture, Swap, Tone

# Soft backgrounds.
SKY = "#dcefff"
MINT = "#e2f5e6"
CREAM = "#fff5db"
LILAC = "#eee6fa"
ROSE = "#fde5ee"
AQUA = "#d8f3f2"
SAND = "#f6ecdc"
MIST = "#eef1f5"
SKY_FADE = ("#bfe2ff", "#eef7ff")
NIGHT_FADE = ("#1d2450", "#3b4a8a")
STORM_FADE = ("#6b7280", "#a9b0bb")
SNOW_FADE = ("#c9dcf0", "#f4f8fc")


def F(name, **kw):
    return Layer("fluent:" + name, **kw)


def T(code, **kw):
    return Layer("twemoji:" + code, **kw)


def D(name, **kw):
    return Layer("drawing:" + name, **kw)


PICTURES = []


def P(key, *layers, bg=MINT, note=""):
    PICTURES.append(Picture(key, list(layers), bg, note))


# Colour changes used more than once.
RED_TO_BLUE = Hue(330, 25, 218, light=0.95)
TAN_TO_BROWN = Swap({"#f3ad61": "#9a5b2c", "#6d4534": "#4a2a1a"})
YELLOW_BALLOON = Swap({"#f8312f": "#ffd21f", "#ca0b4a": "#e0a800", "#ff8687": "#fff3a8",
                       "#3f5fff": "#7d7d7d"})
YELLOW_BLOSSOM = Swap({"#d3d3d3": "#ffd21f", "#ffb02e": "#e86f00"})


def twin(key, of):
    """The same picture under the other variety's spelling (Chilli and Chili)."""
    picture = next(p for p in PICTURES if p.key == of)
    PICTURES.append(Picture(key, picture.layers, picture.bg, picture.note))


def flowers(key, petals, bg, note):
    """Three flowers of one colour, the middle one in front."""
    ops = (petals,)
    P(key,
      F("blossom", at=(0.2, 0.58), h=0.6, ops=ops, rot=14),
      F("blossom", at=(0.8, 0.58), h=0.6, ops=ops, rot=-14),
      F("blossom", at=(0.5, 0.48), h=0.78, ops=ops),
      bg=bg, note=note)


# --- A ---------------------------------------------------------------------------------
P("AIRPLANE", F("small-airplane", h=0.78, w=0.8), bg=SKY_FADE, note="a propeller airplane")
P("AMBULANCE", F("ambulance"), bg=MIST)
P("APPLE", F("red-apple"), bg=MINT)
P("AUBERGINE", F("eggplant"), bg=CREAM)
P("AUTUMN",
  F("deciduous-tree", at=(0.5, 0.47), h=0.86, ops=(Swap({"#44911b": "#f0862a"}),)),
  F("maple-leaf", at=(0.2, 0.83), h=0.22, rot=25),
  F("fallen-leaf", at=(0.8, 0.85), h=0.2),
  F("maple-leaf", at=(0.72, 0.3), h=0.14, rot=-30, ops=(Hue(0, 40, 38),)),
  F("fallen-leaf", at=(0.27, 0.25), h=0.13, rot=40),
  bg=CREAM, note="a tree in autumn colours with falling leaves")

# --- B ---------------------------------------------------------------------------------
P("BANANA", F("banana"), bg=SKY)
P("BASEBALL", F("baseball"), bg=MINT)
P("BASKETBALL", F("basketball"), bg=SKY)
P("BEAR", F("bear"), bg=MINT)
P("BICYCLE", F("bicycle", w=0.85), bg=SKY)
P("BLACKBERRY", D("blackberry"), bg=MINT)
P("BLACKSHOE", T("1f45e", w=0.85, ops=(Tone("#202020", lo=0.02, hi=0.55, sat=0.05),)), bg=SKY,
  note="a shoe recoloured black")
P("BLUEBERRY", F("blueberries"), bg=CREAM)
P("BLUECAR", F("automobile", w=0.85, ops=(RED_TO_BLUE,)), bg=CREAM,
  note="the red car recoloured blue")
P("BLUESEA", D("blue-sea", cover=True), bg=None)
P("BROCCOLI", F("broccoli"), bg=CREAM)
P("BROWNBAG", F("handbag", ops=(TAN_TO_BROWN,)), bg=SKY, note="the handbag recoloured brown")
P("BUS", F("bus", w=0.85), bg=SKY)

# --- C ---------------------------------------------------------------------------------
P("CAMEL", F("two-hump-camel"), bg=SKY)
P("CAR", F("automobile", w=0.85), bg=SKY)
P("CARROT", F("carrot"), bg=MINT)
P("CAT", F("cat"), bg=LILAC)
P("CHERRY", F("cherries"), bg=MINT)
P("CHILLI", F("hot-pepper"), bg=CREAM)
P("CLOUD", T("2601", w=0.85), bg=("#6fb8f0", "#cbe7fc"))
P("COAST", D("coast", cover=True), bg=None)
P("CORN", F("ear-of-corn"), bg=SKY)
P("COURGETTE",
  D("courgette", at=(0.46, 0.58), h=0.5, w=0.86, rot=18),
  F("blossom", at=(0.17, 0.3), h=0.4, rot=20, ops=(YELLOW_BLOSSOM,)),
  bg=CREAM, note="a dark green courgette (zucchini) with its yellow flower")

# --- D ---------------------------------------------------------------------------------
P("DIVING", D("under-water", cover=True),
  F("diving-mask", at=(0.5, 0.47), h=0.62),
  F("tropical-fish", at=(0.84, 0.75), h=0.2, flip=True),
  F("bubbles", at=(0.2, 0.28), h=0.3),
  bg=None, note="a diving mask and snorkel under water")
P("DOG", F("dog"), bg=CREAM)
P("DOLPHIN", F("dolphin"), bg=SKY)
P("DRUM", F("drum"), bg=CREAM)
P("DUCK", F("duck"), bg=SKY)

# --- E ---------------------------------------------------------------------------------
P("EAGLE", F("eagle", w=0.85), bg=SKY)
P("EAR", F("ear-default"), bg=SKY)
P("EARTH", F("globe-showing-europe-africa"), bg=NIGHT_FADE)
P("EGG", F("egg", h=0.72), bg=SKY)
P("ELEPHANT", F("elephant"), bg=SKY)
P("EMU", D("emu", h=0.86), bg=CREAM)
P("EYE", F("eye"), bg=SKY)

# --- F ---------------------------------------------------------------------------------
P("FERRY", F("ferry", w=0.85), bg=SKY)
P("FISH", F("fish"), bg=AQUA)
P("FISHING", F("fishing-pole"), bg=AQUA)
P("FLUTE", T("1fa88", h=0.84, rot=-10), bg=LILAC)
P("FOG", D("fog", cover=True), bg=None)
P("FOOTBALL", F("soccer-ball", h=0.72), bg=MINT)
P("FROST", D("frost", cover=True),
  F("maple-leaf", at=(0.5, 0.47), h=0.74, ops=(Tone("#ffffff", lo=0.97, hi=1.0),)),
  F("maple-leaf", at=(0.5, 0.47), h=0.66, ops=(Tone("#7fb2d9", lo=0.45, hi=0.9),)),
  D("frost-crystals", at=(0.5, 0.47), h=0.66),
  bg=None, note="an icy leaf rimmed with frost among frosted grass")

# --- G ---------------------------------------------------------------------------------
P("GARLIC", F("garlic"), bg=SKY)
P("GIRAFFE", F("giraffe", h=0.86), bg=SKY)
P("GOLF", F("flag-in-hole", at=(0.62, 0.52), h=0.78),
  F("person-golfing-default", at=(0.27, 0.52), h=0.82), bg=SKY)
P("GOOSE", T("1fabf", h=0.86), bg=("#8fc9ef", "#d4ecfa"),
  note="a white farm goose with its long neck")
P("GRAPE", T("1f347"), bg=CREAM)
P("GREENFROG", F("frog"), bg=SKY)
P("GREENPLANT", F("potted-plant"), bg=CREAM)
P("GUITAR", F("guitar", h=0.86, ops=(Swap({"#ca0b4a": "#c8782f", "#ff6723": "#e39a4a",
                                           "#f8312f": "#e39a4a"}),)),
  bg=CREAM, note="the guitar recoloured in natural wood")

# --- H ---------------------------------------------------------------------------------
P("HAMSTER", F("hamster"), bg=MINT)
P("HELICOPTER", F("helicopter", w=0.85), bg=SKY_FADE)
P("HIPPOPOTAMUS", F("hippopotamus"), bg=SKY)
P("HORSE", F("horse"), bg=MINT)
P("HYENA", D("hyena", w=0.9), bg=SAND)

# --- I ---------------------------------------------------------------------------------
P("IBIS", D("ibis", h=0.86), bg=SKY)
P("ICE", T("1f9ca", h=0.72), bg=("#5aa7e0", "#b9ddf7"))
P("ICECREAM", F("soft-ice-cream", h=0.86), bg=ROSE)
P("IGUANA", D("iguana", w=0.92), bg=SAND)
P("ISLAND", F("desert-island"), bg=SKY)

# --- J ---------------------------------------------------------------------------------
P("JAGUAR", T("1f406", w=0.9), bg=MINT)
P("JELLYFISH", F("jellyfish"), bg=AQUA)
P("JET", D("contrail", cover=True), F("airplane", at=(0.6, 0.42), h=0.64),
  bg=None, note="a jet airliner with its trail")
P("JEWELLERY", D("necklace", at=(0.36, 0.5), h=0.82, w=0.6),
  F("ring", at=(0.78, 0.62), h=0.42, rot=-12),
  F("gem-stone", at=(0.78, 0.24), h=0.28), bg=LILAC,
  note="a pearl necklace, a ring and a gem")

# --- K ---------------------------------------------------------------------------------
P("KANGAROO", F("kangaroo", h=0.84), bg=SAND)
P("KEY", F("key", rot=-15), bg=SKY)
P("KITTEN", D("kitten", at=(0.4, 0.5), h=0.9),
  F("yarn", at=(0.8, 0.76), h=0.36), bg=ROSE,
  note="a ginger kitten (big head, big eyes) beside a ball of wool")
P("KIWIFRUIT", F("kiwi-fruit"), bg=CREAM)
P("KNIFEANDFORK", F("fork-and-knife"), bg=SKY)
P("KOALA", F("koala"), bg=MINT)
P("KOOKABURRA", D("kookaburra", h=0.86), bg=SKY)

# --- L ---------------------------------------------------------------------------------
P("LEMON", F("lemon"), bg=SKY)
P("LETTUCE", F("leafy-green"), bg=CREAM)
P("LIGHTNING",
  F("high-voltage", at=(0.38, 0.62), h=0.62, rot=-6, ops=(Hue(0, 60, 52, light=1.15),)),
  F("high-voltage", at=(0.66, 0.6), h=0.48, rot=10, ops=(Hue(0, 60, 52, light=1.15),)),
  F("cloud", at=(0.5, 0.24), h=0.44, w=0.9, ops=(Tone("#5d6b86", lo=0.2, hi=0.62),)),
  bg=NIGHT_FADE, note="bright lightning bolts under a dark cloud")
P("LIME", F("lime"), bg=CREAM)
P("LION", F("lion"), bg=MINT)

# --- M ---------------------------------------------------------------------------------
P("MANDOLIN", D("mandolin", h=0.88, rot=-35), bg=CREAM)
P("MANGO", F("mango"), bg=SKY)
P("MELON", F("melon"), bg=CREAM)
P("MOON", F("crescent-moon"), bg=NIGHT_FADE)
P("MOTORCYCLE", F("motorcycle", w=0.85), bg=SKY)
P("MUSHROOM",
  F("brown-mushroom",
    ops=(Swap({"#a74d4d": "#9a6a45", "#f08e6d": "#c8976a", "#ffbfb5": "#f3e4c8"}),)),
  bg=MINT, note="a brown cap mushroom of the kind we eat, with a cream stalk")

# --- N ---------------------------------------------------------------------------------
P("NEST", F("nest-with-eggs"), bg=SKY)
P("NIGHT", F("night-with-stars", h=0.84), bg=LILAC)
P("NOODLES", T("1f35c"), bg=CREAM)
P("NOSE", F("nose-default"), bg=SKY)
P("NUT", F("chestnut", h=0.7), bg=CREAM)

# --- O ---------------------------------------------------------------------------------
P("OCEAN", F("water-wave", h=0.84), bg=SKY)
P("ONION", F("onion"), bg=SKY)
P("ORANGE", F("tangerine"), bg=SKY)
P("ORANGEFLOWER", F("blossom", ops=(Swap({"#d3d3d3": "#ff8a1f", "#ffb02e": "#ffe14d"}),)),
  bg=SKY, note="a flower recoloured orange")
P("ORANGEPENCIL", F("pencil"), bg=SKY)

# --- P ---------------------------------------------------------------------------------
P("PARROT", F("parrot"), bg=MINT)
P("PEA", F("pea-pod"), bg=CREAM)
P("PIANO", D("piano", w=0.85), bg=CREAM)
P("PINEAPPLE", T("1f34d", h=0.86), bg=SKY)
P("PINGPONG", F("ping-pong"), bg=SKY)
flowers("PINKFLOWERS", Swap({"#d3d3d3": "#ff6fae"}), MINT,
        "three flowers recoloured pink")
P("POTATO", F("potato"), bg=SKY)
P("PUMPKIN", D("pumpkin"), bg=MINT)
P("PURPLEGLOVE", F("gloves"), bg=CREAM)

# --- Q ---------------------------------------------------------------------------------
P("QUAIL", D("quail"), bg=MINT)
P("QUEEN",
  F("princess-default", at=(0.5, 0.58), h=0.78,
    ops=(Swap({"#f1a11e": "#f3eef8", "#d37034": "#e1d8ec", "#ed9200": "#e1d8ec"}),)),
  F("woman-white-hair-default", at=(0.5, 0.5), h=0.48),
  F("crown", at=(0.5, 0.17), h=0.26), bg=LILAC,
  note="a grown woman with white hair, a big crown, pearls and a purple robe")
P("QUOKKA", D("quokka"), bg=MINT)

# --- R ---------------------------------------------------------------------------------
P("RABBIT", F("rabbit"), bg=MINT)
P("RADISH", D("radish", h=0.86), bg=CREAM)
P("RAIN", F("cloud-with-rain", w=0.85), bg=("#a9c3da", "#dbe7f2"))
P("RAINBOW", F("rainbow", w=0.85), bg=SKY)
P("RECORDER", D("recorder", h=0.9, rot=-35), bg=SKY)
P("REDGUITAR", F("guitar", h=0.86), bg=SKY)
P("REDTELEPHONE", F("telephone", ops=(Hue(320, 20, 358, sat=1.1),)), bg=SKY,
  note="the telephone made a clear red")
P("RHINOCEROS", F("rhinoceros"), bg=SAND)
P("ROCK", F("rock"), bg=MINT)
P("RUNNING", F("person-running-default"), bg=MINT)

# --- S ---------------------------------------------------------------------------------
P("SHIP", F("ship", w=0.85), bg=SKY)
P("SKI", F("skier"), bg=SNOW_FADE)
P("SNOW", F("cloud-with-snow", at=(0.5, 0.36), h=0.6),
  F("snowflake", at=(0.22, 0.78), h=0.28), F("snowflake", at=(0.5, 0.86), h=0.22),
  F("snowflake", at=(0.78, 0.76), h=0.3), bg=("#b8cde3", "#eef4fa"),
  note="a snow cloud with falling snowflakes")
P("SQUIRREL", T("1f43f", h=0.84, ops=(Hue(15, 45, 20, sat=1.25, light=1.05),)), bg=MINT,
  note="a red squirrel with a bushy tail, holding a nut")
P("STORM", F("cloud-with-lightning-and-rain", w=0.85), bg=STORM_FADE)
P("STRAWBERRY", F("strawberry"), bg=CREAM)
P("SUMMER", F("beach-with-umbrella", at=(0.45, 0.58), h=0.72),
  F("sun", at=(0.83, 0.2), h=0.32), bg=SKY, note="a sunny beach")
P("SUNSET", D("sunset", cover=True), bg=None)

# --- T ---------------------------------------------------------------------------------
P("TIGER", F("tiger"), bg=MINT)
P("TOMATO", F("tomato"), bg=CREAM)
P("TORTOISE", D("grass", cover=True),
  T("1f422", at=(0.5, 0.56), h=0.6,
    ops=(Swap({"#5c913b": "#8a5a2b", "#3e721d": "#5e3a17", "#77b255": "#c9b27c"}),)),
  bg=None, note="a tortoise with a high brown shell and sandy head and legs, on grass")
P("TRACTOR", F("tractor", w=0.85), bg=SKY)
P("TRAIN", F("locomotive", w=0.85), bg=SKY)
P("TROPICALFISH", F("tropical-fish"), bg=AQUA)
P("TRUCK", F("delivery-truck", w=0.85), bg=SKY)
P("TRUMPET", F("trumpet"), bg=SKY)
P("TURTLE", D("under-water", cover=True),
  F("turtle", at=(0.48, 0.5), h=0.56, rot=14),
  F("bubbles", at=(0.84, 0.25), h=0.26), bg=None, note="a green turtle swimming in the sea")

# --- U ---------------------------------------------------------------------------------
P("UMBRELLA", F("umbrella"), bg=SKY)
P("UNDERGROUND", F("metro"), bg=MIST)
P("UNICORN", F("unicorn"), bg=LILAC)

# --- V ---------------------------------------------------------------------------------
flowers("VIOLETFLOWERS", Swap({"#d3d3d3": "#8e4fd6", "#ffb02e": "#ffe066"}), MINT,
        "three flowers recoloured violet")
P("VIOLIN", F("violin"), bg=CREAM)
P("VOLCANO", F("volcano"), bg=SKY)

# --- W ---------------------------------------------------------------------------------
P("WALLABY", D("bush", cover=True),
  F("kangaroo", at=(0.5, 0.52), h=0.68,
    ops=(Swap({"#f3ad61": "#8d7a6a", "#b97028": "#4e3b30"}),)),
  bg=None, note="a small grey-brown wallaby in the bush")
P("WATERMELON", F("watermelon"), bg=MINT)
P("WHALE", F("spouting-whale"), bg=SKY)
P("WHISTLE", D("whistle"), bg=SKY)
P("WHITECUP", F("hot-beverage"), bg=SKY)
flowers("WHITEFLOWERS", Swap({"#d3d3d3": "#fafafa"}), "#cfe8d4",
        "three white flowers")
P("WIND", F("wind-face", at=(0.32, 0.5), h=0.72),
  F("leaf-fluttering-in-wind", at=(0.78, 0.5), h=0.6), bg=SKY)
P("WINTER", D("winter", cover=True), bg=None)

# --- X ---------------------------------------------------------------------------------
P("XRAY", T("1fa7b"), bg=SKY)
P("XYLOPHONE", D("xylophone", w=0.92), bg=CREAM)

# --- Y ---------------------------------------------------------------------------------
P("YACHT", F("sailboat", ops=(Swap({"#fcd53f": "#ffffff"}),)), bg=("#7fc3f5", "#d6ecfc"),
  note="a sailing boat with white sails against a blue sky")
P("YELLOWBALLOONS",
  F("balloon", at=(0.22, 0.56), h=0.64, rot=8, ops=(YELLOW_BALLOON,)),
  F("balloon", at=(0.78, 0.56), h=0.64, rot=-8, ops=(YELLOW_BALLOON,)),
  F("balloon", at=(0.5, 0.46), h=0.78, ops=(YELLOW_BALLOON,)),
  bg=SKY, note="three balloons recoloured yellow")
flowers("YELLOWFLOWERS", YELLOW_BLOSSOM, SKY,
        "three flowers recoloured yellow")
P("YOGHURT", D("yoghurt"), bg=ROSE)

# --- Z ---------------------------------------------------------------------------------
P("ZEBRA", F("zebra"), bg=MINT)
P("ZIP", D("zip", h=0.9), bg=SKY)
P("ZOO", D("zoo", cover=True),
  F("giraffe", at=(0.235, 0.58), h=0.62),
  F("elephant", at=(0.8, 0.7), h=0.4, flip=True),
  F("lion", at=(0.53, 0.8), h=0.3),
  F("monkey", at=(0.72, 0.17), h=0.2),
  bg=None, note="a zoo gate with animals")


# --- American spellings of the same things -----------------------------------------------
twin("CHILI", "CHILLI")
twin("EGGPLANT", "AUBERGINE")
twin("JEWELRY", "JEWELLERY")
twin("SOCCER", "FOOTBALL")
twin("SUBWAY", "UNDERGROUND")
twin("ZUCCHINI", "COURGETTE")
