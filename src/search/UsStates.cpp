#include "search/UsStates.h"

QStringList usStateLines()
{
    return {
        QStringLiteral("Alabama=AL"), QStringLiteral("Alaska=AK"), QStringLiteral("American Samoa=AS"),
        QStringLiteral("Arizona=AZ"), QStringLiteral("Arkansas=AR"), QStringLiteral("California=CA"),
        QStringLiteral("Colorado=CO"), QStringLiteral("Connecticut=CT"), QStringLiteral("Delaware=DE"),
        QStringLiteral("District of Columbia=DC"), QStringLiteral("Florida=FL"), QStringLiteral("Georgia=GA"),
        QStringLiteral("Guam=GU"), QStringLiteral("Hawaii=HI"), QStringLiteral("Idaho=ID"),
        QStringLiteral("Illinois=IL"), QStringLiteral("Indiana=IN"), QStringLiteral("Iowa=IA"),
        QStringLiteral("Kansas=KS"), QStringLiteral("Kentucky=KY"), QStringLiteral("Louisiana=LA"),
        QStringLiteral("Maine=ME"), QStringLiteral("Maryland=MD"), QStringLiteral("Massachusetts=MA"),
        QStringLiteral("Michigan=MI"), QStringLiteral("Minnesota=MN"), QStringLiteral("Missouri=MO"),
        QStringLiteral("Mississippi=MS"), QStringLiteral("Montana=MT"), QStringLiteral("Nebraska=NE"),
        QStringLiteral("Nevada=NV"), QStringLiteral("New Hampshire=NH"), QStringLiteral("New Jersey=NJ"),
        QStringLiteral("New Mexico=NM"), QStringLiteral("New York=NY"), QStringLiteral("North Carolina=NC"),
        QStringLiteral("North Dakota=ND"), QStringLiteral("Ohio=OH"), QStringLiteral("Oklahoma=OK"),
        QStringLiteral("Oregon=OR"), QStringLiteral("Pennsylvania=PA"), QStringLiteral("Puerto Rico=PR"),
        QStringLiteral("Rhode Island=RI"), QStringLiteral("South Carolina=SC"), QStringLiteral("South Dakota=SD"),
        QStringLiteral("Tennessee=TN"), QStringLiteral("Texas=TX"), QStringLiteral("Utah=UT"),
        QStringLiteral("Vermont=VT"), QStringLiteral("Virginia=VA"), QStringLiteral("Washington=WA"),
        QStringLiteral("West Virginia=WV"), QStringLiteral("Wisconsin=WI"), QStringLiteral("Wyoming=WY"),
    };
}
