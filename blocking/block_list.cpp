// The block list: 85 hosts-file lines that send ad, statistics and tracking servers to the loopback.
#include "blocking/blocking.h"

// Grouped by the site or network that runs the hosts. Lines 28 to 33 repeat lines 18 to 23 as they
// stand; line 52 is a pattern over one of the Tudou sub-domains. CR LF between lines, none after
// the last.
const char kBlockList[] =
    // Youku: its ad-serving sub-domain, its statistics hosts, three more ad hosts
    "127.0.0.1 atm.youku.com\r\n"
    "127.0.0.1 Fvid.atm.youku.com\r\n"
    "127.0.0.1 html.atm.youku.com\r\n"
    "127.0.0.1 valb.atm.youku.com\r\n"
    "127.0.0.1 valf.atm.youku.com\r\n"
    "127.0.0.1 valo.atm.youku.com\r\n"
    "127.0.0.1 valp.atm.youku.com\r\n"
    "127.0.0.1 lstat.youku.com\r\n"
    "127.0.0.1 speed.lstat.youku.com\r\n"
    "127.0.0.1 urchin.lstat.youku.com\r\n"
    "127.0.0.1 stat.youku.com\r\n"
    "127.0.0.1 static.lstat.youku.com\r\n"
    "127.0.0.1 valc.atm.youku.com\r\n"
    "127.0.0.1 vid.atm.youku.com\r\n"
    "127.0.0.1 walp.atm.youku.com\r\n"
    // iQiyi
    "127.0.0.1 cupid.iqiyi.com\r\n"
    // advertising network A
    "127.0.0.1 smarttrade.allyes.com\r\n"
    // CCTV and CNTV
    "127.0.0.1 d.cctv.com\r\n"
    "127.0.0.1 d.cntv.cn\r\n"
    "127.0.0.1 adguanggao.cctv.com\r\n"
    "127.0.0.1 adguanggao.cntv.cn\r\n"
    // an advertising site, then advertising network B's host for CCTV
    "127.0.0.1 ads.adsame.com\r\n"
    "127.0.0.1 cctv.adsunion.com\r\n"
    // Sina, PPTV, LeTV, Sohu
    "127.0.0.1 d1.sina.com.cn\r\n"
    "127.0.0.1 de.as.pptv.com\r\n"
    "127.0.0.1 ark.letv.com\r\n"
    "127.0.0.1 images.sohu.com\r\n"
    // lines 18 to 23 once more
    "127.0.0.1 d.cctv.com\r\n"
    "127.0.0.1 d.cntv.cn\r\n"
    "127.0.0.1 adguanggao.cctv.com\r\n"
    "127.0.0.1 adguanggao.cntv.cn\r\n"
    "127.0.0.1 ads.adsame.com\r\n"
    "127.0.0.1 cctv.adsunion.com\r\n"
    // a video-sharing site and its sister domain
    "127.0.0.1 acs.56.com\r\n"
    "127.0.0.1 acs.agent.56.com\r\n"
    "127.0.0.1 acs.agent.v-56.com\r\n"
    "127.0.0.1 bill.agent.56.com\r\n"
    "127.0.0.1 bill.agent.v-56.com\r\n"
    "127.0.0.1 stat.56.com\r\n"
    "127.0.0.1 stat2.corp.56.com\r\n"
    "127.0.0.1 union.56.com\r\n"
    "127.0.0.1 uvimage.56.com\r\n"
    "127.0.0.1 v16.56.com\r\n"
    // a live-video show site: its long domain, then its short one
    "127.0.0.1 pole.6rooms.com\r\n"
    "127.0.0.1 shrek.6.cn\r\n"
    "127.0.0.1 simba.6.cn\r\n"
    "127.0.0.1 union.6.cn\r\n"
    // Tudou: its main domain, its image domain, its main domain again
    "127.0.0.1 adextensioncontrol.tudou.com\r\n"
    "127.0.0.1 iwstat.tudou.com\r\n"
    "127.0.0.1 nstat.tudou.com\r\n"
    "127.0.0.1 stats.tudou.com\r\n"
    "127.0.0.1 *.p2v.tudou.com*\r\n"
    "127.0.0.1 at-img1.tdimg.com\r\n"
    "127.0.0.1 at-img2.tdimg.com\r\n"
    "127.0.0.1 at-img3.tdimg.com\r\n"
    "127.0.0.1 adplay.tudou.com\r\n"
    "127.0.0.1 adcontrol.tudou.com\r\n"
    "127.0.0.1 stat.tudou.com\r\n"
    // advertising network A, another of its domains
    "127.0.0.1 smarttrade.allyes.net\r\n"
    // Ku6, with its content-delivery and second domains and network A's hosts for it
    "127.0.0.1 pq.stat.ku6.com\r\n"
    "127.0.0.1 st.vq.ku6cdn.com\r\n"
    "127.0.0.1 ku6.allyes.com\r\n"
    "127.0.0.1 ku6afp.allyes.com\r\n"
    "127.0.0.1 stat.ku6.com\r\n"
    "127.0.0.1 static.ku6img.com\r\n"
    "127.0.0.1 stat0.888.ku6.com\r\n"
    "127.0.0.1 stat1.888.ku6.com\r\n"
    "127.0.0.1 stat2.888.ku6.com\r\n"
    "127.0.0.1 stat3.888.ku6.com\r\n"
    "127.0.0.1 pv0.stat.ku6.com\r\n"
    "127.0.0.1 pv1.stat.ku6.com\r\n"
    "127.0.0.1 pv2.stat.ku6.com\r\n"
    "127.0.0.1 pv3.stat.ku6.com\r\n"
    "127.0.0.1 rtb.ku6.com\r\n"
    // a video portal: one domain, then its short one
    "127.0.0.1 ads.ppstream.com\r\n"
    "127.0.0.1 ad.pps.tv\r\n"
    "127.0.0.1 stat.pps.tv\r\n"
    // an online-TV site: its main domain, a second top-level domain, the main one again
    "127.0.0.1 adv.uusee.com\r\n"
    "127.0.0.1 adv.uusee.net\r\n"
    "127.0.0.1 stat.uusee.com\r\n"
    // Xunlei: its service domain, advertising network C, its brand domain
    "127.0.0.1 biz5.sandai.net\r\n"
    "127.0.0.1 float.sandai.net\r\n"
    "127.0.0.1 cm.mediav.com\r\n"
    "127.0.0.1 advstat.xunlei.com\r\n"
    "127.0.0.1 mtips.sandai.net";
