# SPDX-License-Identifier: GPL-3.0-or-later
# The recipes of words.tsv. Each writes the picture of one word to $OUT.

# e CODE|FILE [SIZE]: one 3D emoji (or a prepared picture) on the standard background.
e() {
  local f=$1
  [ -f "$f" ] || f=$(emoji "$1")
  tile "$OUT" "$f" "${2:-190}"
}

# Several layers on the standard background.
group() { picture "$OUT" "$(drawing bg-tile)" "$@"; }

# Plurals and pairs
r_AUBERGINE() { e 1f346; }
r_EGGPLANT() { e 1f346; }
r_CHILLI() { e 1f336; }
r_CHILI() { e 1f336; }
r_FOOTBALL() { e 26bd 180; }
r_SOCCER() { e 26bd 180; }
r_UNDERGROUND() { scene bg-tunnel "$(emoji 1f686) 158 0 24"; }
r_SUBWAY() { r_UNDERGROUND; }
r_OCEAN() { scene bg-ocean "$(emoji 1f6a2) 34 -78 -32 flat"; }
r_AIRPLANE() { e 1f6e9; }
r_JET() {
  picture "$OUT" "$(drawing bg-sky)" \
    "$(emoji 2601) 70 -100 -60 flat" "$(emoji 2601) 55 105 62 flat" "$(emoji 2708) 185 0 0"
}
r_JEWELLERY() { group "$(emoji 1f48e) 120 52 30" "$(emoji 1f48d) 150 -45 -8"; }
r_JEWELRY() { r_JEWELLERY; }
r_KITTEN() { group "$(prep "$(drawing kitten 400 400)" trim-kitten -trim +repage) 172 -30 2" "$(emoji 1f9f6) 80 82 52"; }

# Colour words
r_BLACKSHOE() {
  e "$(hues "$(emoji 1f45e)" blackshoe "hx" "sx*0.1" "lx*0.32")" 200
}
r_BROWNBAG() { e "$(hues "$(emoji 1f45c)" brownbag "0.07" "min(1,sx*0.9+0.2)" "lx*0.5")" 190; }
r_GUITAR() { e "$(hues "$(emoji 1f3b8)" guitar "(hx>0.8||hx<0.05) ? 0.07 : hx" "sx*0.85" "(hx>0.8||hx<0.05) ? lx*0.85 : lx")"; }
r_REDGUITAR() { e "$(hues "$(emoji 1f3b8)" redguitar "(hx>0.8||hx<0.05) ? 0.995 : hx" "(hx>0.8||hx<0.05) ? min(1,sx*1.2) : sx")"; }
r_REDTELEPHONE() { e "$(hues "$(emoji 260e)" redphone "(hx>0.8||hx<0.05) ? 0.995 : hx" "(hx>0.8||hx<0.05) ? min(1,sx*1.2) : sx")" 185; }
r_WHITECUP() { e "$(hues "$(emoji 2615)" whitecup "hx" "(hx>0.6 && hx<0.85) ? sx*0.1 : sx" "(hx>0.6 && hx<0.85) ? min(1,lx*1.08) : lx")"; }
r_WHITEFLOWERS() {
  local f
  f=$(hues "$(emoji 1f33c)" whiteflower "hx" "(hx>0.6 && hx<0.9) ? sx*0.05 : sx" "(hx>0.6 && hx<0.9) ? min(1,lx*1.06) : lx")
  group "$f 130 -80 8" "$f 130 80 8" "$f 160 0 -4"
}
r_YELLOWFLOWERS() { local f; f=$(emoji 1f33b); group "$f 130 -80 10" "$f 130 80 10" "$f 165 0 -4"; }
r_VIOLETFLOWERS() { local f; f=$(emoji 1fabb); group "$f 150 -55 6" "$f 180 30 -2"; }
r_ORANGEFLOWER() {
  e "$(hues "$(emoji 1f33a)" orangeflower "(hx>0.75||hx<0.05) ? 0.07 : hx" "(hx>0.75||hx<0.05) ? 1 : sx" "(hx>0.75||hx<0.05) ? lx*0.85 : lx")"
}
r_YELLOWBALLOONS() {
  local f
  f=$(hues "$(emoji 1f388)" yellowballoon "(hx>0.7||hx<0.05) ? 0.135 : hx" "(hx>0.7||hx<0.05) ? 1 : sx" "(hx>0.7||hx<0.05) ? min(0.68,lx*1.3) : lx")
  group "$f 150 -70 8" "$f 150 70 12" "$f 170 0 -10"
}
r_ROCK() { e "$(hues "$(emoji 1faa8)" rock "0.08" "0.16" "lx*0.62")" 185; }
r_KNIFEANDFORK() { e "$(hues "$(emoji 1f374)" cutlery "0.6" "sx*0.5" "lx*0.8")"; }
r_LIME() {
  local whole
  whole=$(hues "$(emoji 1f34b)" lime "hx<0.25 ? 0.25 : hx" "hx<0.25 ? sx*0.7 : sx" "hx<0.25 ? lx*0.62 : lx")
  group "$whole 170 -45 -8" "$(icon lime) 125 70 40"
}
r_MUSHROOM() { group "$(icon brown-mushroom) 135 -62 20" "$(icon brown-mushroom) 175 38 -6"; }
r_TORTOISE() {
  picture "$OUT" "$(drawing bg-grass)" \
    "$(hues "$(emoji 1f422)" tortoise "0.085" "sx*0.55" "lx*0.8") 195 0 -4"
}
r_TURTLE() { picture "$OUT" "$(drawing bg-underwater)" "$(prep "$(emoji 1f422)" turtle -background none -rotate -12) 220 0 0"; }
r_BLUEBERRY() {
  # the emoji's berries are violet; blueberries are dark blue
  e "$(hues "$(emoji 1fad0)" blueberry "(hx>0.6 && hx<0.85) ? 0.625 : hx" "(hx>0.6 && hx<0.85) ? sx*0.85 : sx" "(hx>0.6 && hx<0.85) ? lx*0.66 : lx")"
}
r_PINKFLOWERS() {
  # tulips lightened from magenta to a pale pink
  local f
  f=$(hues "$(emoji 1f337)" pinkflower "(hx>0.8||hx<0.03) ? 0.96 : hx" "(hx>0.8||hx<0.03) ? sx*0.75 : sx" "(hx>0.8||hx<0.03) ? min(0.93,0.42+lx*0.6) : lx")
  group "$f 130 -78 10" "$f 130 78 10" "$f 165 0 -4"
}
r_GOOSE() {
  # a white farm goose: the brown feathers whitened, orange beak and feet kept
  e "$(hues "$(emoji 1fabf)" goose "hx" "(sx<0.6 && (hx<0.12||hx>0.6)) ? sx*0.12 : sx" "(sx<0.6 && (hx<0.12||hx>0.6)) ? min(0.97,0.5+lx*0.55) : lx")"
}
r_RABBIT() {
  # the emoji's lilac-white rabbit made a warm grey-brown pet rabbit, ears' pink kept
  e "$(hues "$(emoji 1f407)" rabbit "(hx>0.6 && hx<0.93) ? 0.08 : hx" "(hx>0.6 && hx<0.93) ? 0.28 : sx" "(hx>0.6 && hx<0.93) ? lx*0.78 : lx")"
}
r_WALLABY() {
  picture "$OUT" "$(drawing bg-grass)" "$(prep "$(drawing wallaby 400 400)" trim-wallaby -trim +repage) 186 4 6"
}

# Scenes
# scene BACKGROUND LAYER...: a drawn background and layers, with the card's border
# laid over last so that nothing reaches past it.
scene() { picture "$OUT" "$(drawing "$1")" "${@:2}" "$(drawing card-frame) 300 0 0 flat"; }
r_AUTUMN() {
  local tree leaf1 leaf2
  tree=$(hues "$(emoji 1f333)" autumntree "(hx>0.15 && hx<0.5) ? 0.08 : hx" "(hx>0.15 && hx<0.5) ? min(1,sx*1.8) : sx" "lx")
  leaf1=$(emoji 1f342)
  leaf2=$(hues "$(emoji 1f341)" autumnleaf "(hx>0.75||hx<0.05) ? 0.03 : hx")
  local leaf3
  leaf3=$(hues "$(emoji 1f341)" autumnleaf3 "(hx>0.75||hx<0.05) ? 0.11 : hx" "sx" "lx")
  picture "$OUT" "$(drawing bg-autumn)" "$tree 190 -20 -12" \
    "$leaf2 34 -45 -60 flat" "$leaf3 30 0 -45 flat" "$leaf2 28 -60 -10 flat" "$leaf3 32 5 -5 flat" \
    "$leaf1 55 95 -40" "$leaf2 45 -110 -30" "$leaf1 48 -95 70" "$leaf3 50 85 70" "$leaf1 40 120 20"
}
r_SUMMER() { picture "$OUT" "$(drawing bg-beach)" "$(emoji 2600) 95 -90 -50 flat" "$(emoji 1f3d6) 160 40 25"; }
r_WINTER() {
  scene bg-winter "$(emoji 1f332) 90 -105 25" "$(emoji 1f332) 62 -62 18" "$(emoji 2603) 165 20 15"
}
r_STORM() {
  picture "$OUT" "$(drawing bg-storm)" "$(emoji 1f327) 120 -70 -35" "$(emoji 26c8) 175 30 0"
}
r_LIGHTNING() {
  local cloud
  cloud=$(hues "$(emoji 2601)" darkcloud "0.62" "0.12" "lx*0.62")
  picture "$OUT" "$(drawing bg-lightning)" "$cloud 150 10 -62 flat"
}
r_WIND() {
  local leaf
  leaf=$(emoji 1f343)
  picture "$OUT" "$(drawing bg-sky)" "$(emoji 1f32c) 120 -85 0" "$(drawing gusts) 300 10 0 flat" \
    "$leaf 55 100 -60" "$(prep "$leaf" leaf2 -background none -rotate 40) 55 115 45"
}
r_ZOO() {
  scene bg-zoo "$(emoji 1f992) 150 -78 -8" "$(emoji 1f993) 112 88 22" \
    "$(emoji 1f418) 122 8 26" "$(drawing fence) 300 0 0 flat"
}
r_NIGHT() {
  # the house's blue windows lit yellow, the rest of it darkened by the night
  local house
  house=$(hues "$(emoji 1f3e0)" nighthouse "(hx>0.45 && hx<0.65 && lx>0.5) ? 0.13 : hx" "sx" "(hx>0.45 && hx<0.65 && lx>0.5) ? 0.72 : lx*0.5")
  scene bg-night "$(emoji 1f319) 86 78 -52" "$(emoji 2b50) 28 -105 -62" "$(emoji 2b50) 20 -40 -80" \
    "$(emoji 2b50) 18 10 -45" "$(emoji 2b50) 16 -70 -20" "$house 96 -52 42"
}
r_SUNSET() {
  local tree
  tree=$(prep "$(emoji 1f333)" sunsettree -modulate 30,60)
  scene bg-sunset "$tree 92 -108 30 flat"
}
r_FOG() {
  local far mid near
  far=$(prep "$(emoji 1f332)" fogfar -fill '#D6DCE2' -colorize 78%)
  mid=$(prep "$(emoji 1f332)" fogmid -fill '#D6DCE2' -colorize 52%)
  near=$(prep "$(emoji 1f333)" fognear -fill '#D6DCE2' -colorize 22%)
  scene bg-fog "$far 50 40 -5 flat" "$far 42 75 0 flat" "$far 46 -20 -2 flat" "$far 40 115 -8 flat" \
    "$mid 78 60 30 flat" "$mid 70 -10 36 flat" "$near 120 -95 30 flat" "$(drawing fog-mist) 300 0 0 flat"
}
r_BLUESEA() { picture "$OUT" "$(drawing bg-bluesea)"; }
r_COAST() { picture "$OUT" "$(drawing bg-coast)"; }

# Our own drawings, for things that no emoji shows
d() { tile "$OUT" "$(prep "$(drawing "$1" 400 400)" "trim-$1" -trim +repage)" "${2:-185}"; }
r_BLACKBERRY() { d blackberry; }
r_COURGETTE() { d courgette 200; }
r_ZUCCHINI() { d courgette 200; }
r_RADISH() { d radish; }
r_WHISTLE() { d whistle 175; }
r_ZIP() { d zip 172; }
r_YOGHURT() { d yoghurt; }
r_EMU() { d emu 182; }
r_KOOKABURRA() { d kookaburra 195; }
r_QUAIL() { d quail; }
r_IBIS() { d ibis 182; }
r_QUOKKA() { d quokka; }
r_HYENA() { d hyena 200; }
r_IGUANA() { d iguana 210; }
r_MANDOLIN() { d mandolin 195; }
r_RECORDER() { d recorder 188; }
r_XYLOPHONE() { d xylophone 210; }
r_PUMPKIN() { d pumpkin; }
r_NUT() { d nuts 190; }
r_SQUIRREL() { d squirrel 196; }
r_LEMON() { d lemon 182; }
r_DIVING() { scene bg-diving; }
r_FROST() { scene bg-frost; }
r_FLUTE() {
  group "$(prep "$(drawing flute 900 420)" trim-flute -trim +repage) 272 0 12" "$(emoji 1f3b6) 70 -78 -52"
}
r_FERRY() {
  scene bg-sky "$(drawing ferry-back) 300 0 0 flat" "$(emoji 1f697) 64 -94 -6 flat" "$(emoji 1f699) 64 -30 -6 flat" \
    "$(prep "$(emoji 1f68c)" ferrybus -flop) 58 32 -5 flat" "$(drawing ferry-front) 300 0 0 flat"
}
r_RAINBOW() {
  group "$(drawing rainbow 600 360) 250 0 0 flat" "$(emoji 2601) 92 -92 58" "$(emoji 2601) 92 92 58"
}
r_CLOUD() { picture "$OUT" "$(drawing bg-sky)" "$(emoji 2601) 200 0 0"; }
r_UNICORN() {
  # the emoji shows only a head: a whole horse made white, its mane and tail rainbow
  # pink and violet, with our drawn horn
  local horse
  horse=$(hues "$(emoji 1f40e)" unicorn "sx<0.1 ? 0.87 : 0.72" "sx<0.1 ? (lx<0.15 ? 0.3 : 0.75) : 0.32" "sx<0.1 ? (lx<0.15 ? lx*0.6 : min(0.85,0.4+lx*0.9)) : min(0.93,0.5+lx*0.62))")
  group "$horse 184 4 10" "$(drawing unicorn-horn 128 192) 38 -48 -74 flat" "$(drawing unicorn-eye 64 64) 8 -56 -49 flat"
}
r_GREENFROG() { d frog 196; }
r_XRAY() { d xray 186; }
r_JAGUAR() { picture "$OUT" "$(drawing bg-grass)" "$(prep "$(drawing jaguar 600 440)" trim-jaguar -trim +repage) 215 0 10"; }
# Whole animals drawn where the emoji shows only a head
da() { tile "$OUT" "$(prep "$(drawing "$1" 600 440)" "trim-$1" -trim +repage)" "${2:-215}"; }
r_BEAR() { da bear; }
r_LION() { da lion; }
r_KOALA() { scene bg-sky "$(drawing koala 512 512) 234 -2 1 flat"; }
r_HAMSTER() { d hamster 178; }
