# -*- coding: utf-8 -*-
items = [
 # 长枪 (spears)
 ["dragon_roar","龙 吼", [("spear",0)], itp_type_polearm|itp_primary, 0, 75, weight(2.25), 0], # 吼!
 ["items_end","Items End", [("shield_round_a",0)], 0, 0, 1, 0, 0],
]
