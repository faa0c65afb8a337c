# The input rules as the widgets show them.
choose Combo2 公路和城市桥梁、隧道工程
state
> {"state":{"Form1":{"controls":{"Check4":{"enabled":true},"Frame2":{"visible":true},"Frame4":{"visible":false},"Text4":{"text":"1.总长＜1000m，水深＜15m，单孔跨径为30～50m的预应力混凝土简支梁，30～50m的预应力混凝土连续箱梁等大桥工程；2．地质构造简单，长度＜500m的隧道工程"}}}}}
click Text6
click Check5
state
> {"state":{"Form1":{"controls":{"Label7":{"caption":"Ⅲ级"},"Check5":{"value":1,"visible":true},"Check6":{"enabled":false,"visible":false}}}}}
click Check2
state
> {"state":{"Form1":{"controls":{"Check5":{"value":0,"enabled":false},"Check6":{"value":0,"enabled":false}}}}}
click Check1
type Text2 1.3
choose Combo2 公路和城市道路工程
state
> {"state":{"Form1":{"controls":{"Check1":{"value":0},"Text2":{"text":"","visible":false},"Frame4":{"visible":true},"Check9":{"visible":true}}}}}

# Building kinds exclude each other and set the phases they have.
choose Combo2 建筑、人防工程
click Check4
state
> {"state":{"Form1":{"controls":{"Option1":{"value":true,"enabled":true},"Option2":{"value":false,"enabled":true},"Option3":{"value":false,"enabled":true}}}}}
click Check30
state
> {"state":{"Form1":{"controls":{"Option1":{"value":false,"enabled":false},"Check29":{"enabled":false},"Check23":{"enabled":false}}}}}
click Check29
> {"refused":{"line":26,"reason":"Check29 is disabled"}}

# Other-fee boxes and the standard design chain.
click Check13
type Text10 2
click Check13
state
> {"state":{"Form1":{"controls":{"Text10":{"text":"","enabled":false}}}}}
click Check19
> {"refused":{"line":35,"reason":"Check19 is disabled"}}
click Check18
click Check19
click Check18
state
> {"state":{"Form1":{"controls":{"Check19":{"value":0,"enabled":false},"Check21":{"value":0,"enabled":false},"Text3":{"text":"","enabled":false}}}}}

# A bridge cannot be urban and highway at once: ticking the urban condition after 公路桥梁Ⅰ级 leaves both
# highway boxes unticked and disabled, at every grade, until it is unticked again.
choose Combo2 公路和城市桥梁、隧道工程
click Text4
click Check6
click Check2
click Text6
state
> {"state":{"Form1":{"controls":{"Check2":{"value":1},"Check5":{"value":0,"enabled":false,"visible":true},"Check6":{"value":0,"enabled":false,"visible":false}}}}}
click Check5
> {"refused":{"line":52,"reason":"Check5 is disabled"}}
click Check2
click Text4
click Check6
state
> {"state":{"Form1":{"controls":{"Check2":{"value":0},"Check6":{"value":1,"enabled":true,"visible":true}}}}}

# The refinements of 采用标准设计和复用设计 go with it: unticking it after 局部调整 leaves neither available.
choose Combo2 建筑、人防工程
click Check18
click Check21
type Text3 0.2
click Check18
state
> {"state":{"Form1":{"controls":{"Check18":{"value":0},"Check19":{"value":0,"enabled":false},"Check21":{"value":0,"enabled":false},"Text3":{"text":"","enabled":false}}}}}
click Check19
> {"refused":{"line":68,"reason":"Check19 is disabled"}}
